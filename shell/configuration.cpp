#include "shell/configuration.h"

#include "engine/number_text.h"
#include "shell/decimal_number.h"
#include "shell/session_parameters.h"
#include "shell/vd_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <limits>

namespace {

const char *const kSection = "Program Information";

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
// Stored choices beyond this are not choices at all; they count as no number.
constexpr int kChoiceMax = 255;

}  // namespace

bool IsLocalConfiguration(const QString &moduleDirectory) {
    const QFileInfo module(QDir::cleanPath(QDir(moduleDirectory).absolutePath()));
    return module.dir().dirName() == QLatin1String("vandrel_ems");
}

std::optional<QString> HostProductDirectory() {
    const QSettings settings(QStringLiteral("Vandrel"), QStringLiteral("Skyglass5.1"));
    const QVariant path = settings.value(QStringLiteral("ExePath/Path"));
    if (!path.isValid()) return std::nullopt;
    return path.toString();
}

std::optional<QString> ConfigurationPath(const std::string &host, bool local,
                                         const QString &moduleDirectory) {
    const QString file = QString::fromStdString(host) + QStringLiteral(".cfg");
    if (local) return QDir(moduleDirectory).filePath(file);
    const std::optional<QString> productDirectory = HostProductDirectory();
    if (!productDirectory) return std::nullopt;
    return *productDirectory + QStringLiteral("../Conf/MBF/") + file;
}

void LoadConfiguration(const QString &path, SessionParameters &parameters) {
    if (!QFileInfo(path).isFile()) return;
    const VdIni ini(path.toStdString());
    auto text = [&](const char *key) { return ini.ReadString(kSection, key, ""); };
    auto number = [&](const char *key, int low, int high, int defaultValue) {
        const std::optional<int> value = ParseSigned32(text(key), Blanks::Refused);
        return value && *value >= low && *value <= high ? *value : defaultValue;
    };
    VdSNMPSecurity &security = parameters.security;

    security.version = static_cast<std::uint8_t>(number("Version", 0, 255, 0));
    // A port beyond 16 bits would silently address another port: it counts as no number.
    parameters.device.port = static_cast<std::uint16_t>(number("AgentPort", 1, 65535, 161));
    parameters.device.useGetBulk = number("UseGetBulk", 0, 1, 1) == 1;
    parameters.device.maxRows = number("MaxRows", 1, kIntMax, kDefaultMaxRows);
    parameters.scope.contextName = text("ContextName");
    parameters.scope.contextEngineID = text("ContextEngineID");
    security.securityModel = number("SecurityModel", kIntMin, kIntMax, 1);
    // The file stores 0-based choices; the session counts from 1, and stored privacy 2 is IDEA (9).
    security.securityLevel = number("SecurityLevel", 0, kChoiceMax, 0) + 1;
    security.securityName = text("SecurityName");
    security.authProtocol = number("AuthProtocol", 0, kChoiceMax, 0) + 1;
    const int privacy = number("PrivProtocol", 0, kChoiceMax, 0);
    security.privProtocol = privacy == 2 ? 9 : privacy + 1;
    security.authPassword = text("AuthPassword");
    security.privPassword = text("PrivPassword");
}
