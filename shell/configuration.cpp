#include "shell/configuration.h"

#include "engine/number_text.h"
#include "engine/regular_file.h"
#include "shell/decimal_number.h"
#include "shell/session_parameters.h"
#include "shell/vd_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <functional>
#include <limits>

namespace {

const char *const kSection = "Program Information";

// Stored choices beyond this are not choices at all; they count as no number.
constexpr int kChoiceMax = 255;
constexpr int kIntMax = std::numeric_limits<int>::max();

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

namespace {

// What a configuration file gives up front, before its keys are read: a warning when it cannot
// serve at all.
std::optional<std::string> Unusable(const std::string &file, const VdIni &ini, std::vector<std::string> &warnings) {
    FileProblem problem;
    const std::optional<std::string> content = ReadRegularFile(file, VdIni::kFileLimit, problem);
    if (!content) return problem.missing ? std::string() : FileProblemText(file, problem);
    if (content->rfind("\xEF\xBB\xBF", 0) == 0)
        warnings.push_back(file + ":1: starts with a UTF-8 byte order mark, which is skipped; the host product's tools may "
                                  "not read the file.");
    int line = 1;
    for (unsigned char c : *content) {
        if (c == '\n') ++line;
        else if (c < 0x20 && c != '\t' && c != '\r') {
            char octet[8];
            std::snprintf(octet, sizeof octet, "0x%02X", c);
            return file + ":" + std::to_string(line) + ": holds binary data (octet " + octet + "), not settings.";
        }
    }
    if (!ini.HasSection(kSection)) return file + ": has no [" + kSection + "] section.";
    return std::nullopt;
}

}  // namespace

ConfigurationReport LoadConfiguration(const QString &path, SessionParameters &parameters) {
    ConfigurationReport report;
    const std::string file = path.toStdString();
    const VdIni ini(file);
    if (const std::optional<std::string> unusable = Unusable(file, ini, report.warnings)) {
        if (!unusable->empty()) report.warnings.push_back(*unusable + " The command line and the defaults apply.");
        return report;
    }
    report.read = true;
    auto text = [&](const char *key) { return ini.ReadString(kSection, key, ""); };
    // A key given a value that is no number it accepts is named, with what is used instead.
    auto number = [&](const char *key, const std::function<bool(int)> &accepts, const std::string &expected,
                      const std::string &used) -> std::optional<int> {
        const std::optional<VdIni::Entry> entry = ini.Find(kSection, key);
        if (!entry || entry->value.empty()) return std::nullopt;
        const std::optional<int> value = ParseSigned32(entry->value, Blanks::Refused);
        if (value && accepts(*value)) return value;
        report.warnings.push_back(file + ":" + std::to_string(entry->line) + ": " + key + "=" + entry->value + " is not " +
                                  expected + "; " + used + " is used.");
        return std::nullopt;
    };
    auto choice = [&](const char *key, int high, int defaultValue) {
        return number(key, [high](int v) { return v >= 0 && v <= high; }, "a number from 0 to " + std::to_string(high),
                      std::to_string(defaultValue))
            .value_or(defaultValue);
    };
    VdSNMPSecurity &security = parameters.security;

    security.version = static_cast<std::uint8_t>(
        number("Version", [](int v) { return v == 0 || v == 1 || v == 3; }, "0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)",
               "0 (SNMPv1)")
            .value_or(0));
    // A port beyond 16 bits would silently address another port. Without a usable port of its own
    // the file leaves the one of the command line (or the default) in force.
    const std::string portInForce = "port " + std::to_string(parameters.device.port);
    if (const std::optional<int> port =
            number("AgentPort", [](int v) { return v >= 1 && v <= 65535; }, "a port from 1 to 65535", portInForce)) {
        parameters.device.port = static_cast<std::uint16_t>(*port);
        report.portLine = ini.Find(kSection, "AgentPort")->line;
    }
    parameters.device.useGetBulk = choice("UseGetBulk", 1, 1) == 1;
    parameters.device.maxRows =
        number("MaxRows", [](int v) { return v >= 1; }, "a number from 1 to " + std::to_string(kIntMax),
               std::to_string(kDefaultMaxRows))
            .value_or(kDefaultMaxRows);
    parameters.scope.contextName = text("ContextName");
    parameters.scope.contextEngineID = text("ContextEngineID");
    security.securityModel = number("SecurityModel", [](int) { return true; }, "a number", "1").value_or(1);
    // The file stores 0-based choices; the session counts from 1, and stored privacy 2 is IDEA (9).
    security.securityLevel = choice("SecurityLevel", kChoiceMax, 0) + 1;
    security.securityName = text("SecurityName");
    security.authProtocol = choice("AuthProtocol", kChoiceMax, 0) + 1;
    const int privacy = choice("PrivProtocol", kChoiceMax, 0);
    security.privProtocol = privacy == 2 ? 9 : privacy + 1;
    security.authPassword = text("AuthPassword");
    security.privPassword = text("PrivPassword");
    return report;
}
