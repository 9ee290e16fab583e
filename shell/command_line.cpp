#include "shell/command_line.h"

#include "shell/decimal_number.h"
#include "shell/host_resolver.h"
#include "shell/session_parameters.h"

#include <array>
#include <limits>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 14> kSwitches = {"/I", "/v", "/R", "/W", "/t", "/c", "/d",
                                                        "/m", "/l", "/n", "/A", "/P", "/a", "/p"};
// Switches from this position on only apply to SNMPv3 sessions.
constexpr std::size_t kFirstV3Switch = 4;
constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

}  // namespace

bool ParseCommandLine(const QStringList &parameters, SessionParameters &target) {
    VdSNMPSecurity &security = target.security;
    for (const QString &parameter : parameters) {
        const std::string text = parameter.toStdString();
        std::size_t which = kSwitches.size();
        std::size_t at = std::string::npos;
        for (std::size_t k = 0; k < kSwitches.size() && at == std::string::npos; ++k) {
            at = text.find(kSwitches[k]);
            which = k;
        }
        if (at == std::string::npos) continue;
        if (which >= kFirstV3Switch && security.version != 3) continue;
        const std::string value = text.substr(at + 2);
        switch (which) {
        case 0: {
            const auto address = ResolveIPv4(value);
            if (!address) return false;
            target.device.host = *address;
            break;
        }
        case 1: security.version = static_cast<std::uint8_t>(DecimalInRange(value, 0, 255)); break;
        case 2: security.readCommunity = value; break;
        case 3: security.writeCommunity = value; break;
        // Port 0 or one beyond 16 bits would silently address some other port.
        case 4: target.device.port = static_cast<std::uint16_t>(DecimalInRange(value, 1, 65535)); break;
        case 5: target.scope.contextName = value; break;
        case 6: target.scope.contextEngineID = value; break;
        case 7: security.securityModel = DecimalInRange(value, kIntMin, kIntMax); break;
        case 8: security.securityLevel = DecimalInRange(value, kIntMin, kIntMax); break;
        case 9: security.securityName = value; break;
        case 10: security.authPassword = value; break;
        case 11: security.privPassword = value; break;
        case 12: security.authProtocol = DecimalInRange(value, kIntMin, kIntMax); break;
        case 13: security.privProtocol = DecimalInRange(value, kIntMin, kIntMax); break;
        }
    }
    return true;
}

QString HostParameter(const QStringList &parameters) {
    QString host;
    for (const QString &parameter : parameters)
        if (parameter.startsWith(QLatin1String("/I")) && parameter.size() > 2) host = parameter.mid(2);
    return host;
}
