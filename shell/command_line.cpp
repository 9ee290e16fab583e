#include "shell/command_line.h"

#include "engine/number_text.h"
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
constexpr std::size_t kFirstV3Switch = 5;
constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();
// Port 0 or one beyond 16 bits would silently address some other port.
constexpr long long kPortMin = 1;
constexpr long long kPortMax = 65535;

std::uint8_t Version(const std::string &text) {
    const std::optional<int> value = ParseSigned32(text, Blanks::Refused);
    if (!value || (*value != 0 && *value != 1 && *value != 3))
        throw NotANumber(text, "/v takes 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)");
    return static_cast<std::uint8_t>(*value);
}

// "host" or "host:port"; an address with more than one colon is left whole.
std::pair<std::string, std::string> SplitHostPort(const std::string &text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) return {text, {}};
    return {text.substr(0, colon), text.substr(colon + 1)};
}

}  // namespace

bool ParseCommandLine(const QStringList &parameters, SessionParameters &target, CommandLineNotes *notes) {
    CommandLineNotes unused;
    CommandLineNotes &said = notes != nullptr ? *notes : unused;
    VdSNMPSecurity &security = target.security;
    for (const QString &parameter : parameters) {
        const std::string text = parameter.toStdString();
        std::size_t which = kSwitches.size();
        std::size_t at = std::string::npos;
        for (std::size_t k = 0; k < kSwitches.size() && at == std::string::npos; ++k) {
            at = text.find(kSwitches[k]);
            which = k;
        }
        if (at == std::string::npos) {
            said.ignored.push_back("Parameter \"" + text + "\" ignored: it holds no switch.");
            continue;
        }
        if (which >= kFirstV3Switch && security.version != 3) {
            // The value may be a pass phrase: only the switch is named.
            said.ignored.push_back("Switch " + std::string(kSwitches[which]) +
                                   " ignored: the SNMPv3 switches count only after /v3.");
            continue;
        }
        const std::string value = text.substr(at + 2);
        switch (which) {
        case 0: {
            const auto [host, port] = SplitHostPort(value);
            if (!port.empty()) {
                target.device.port =
                    static_cast<std::uint16_t>(DecimalInRange(port, kPortMin, kPortMax, "the port after the host takes a number"));
                said.portSwitch = text;
            }
            const auto address = ResolveIPv4(host);
            if (!address) return false;
            target.device.host = *address;
            break;
        }
        case 1: security.version = Version(value); break;
        case 2: security.readCommunity = value; break;
        case 3: security.writeCommunity = value; break;
        case 4:
            target.device.port = static_cast<std::uint16_t>(DecimalInRange(value, kPortMin, kPortMax, "/t takes a port"));
            said.portSwitch = text;
            break;
        case 5: target.scope.contextName = value; break;
        case 6: target.scope.contextEngineID = value; break;
        case 7: security.securityModel = DecimalInRange(value, kIntMin, kIntMax, "/m takes a number"); break;
        case 8: security.securityLevel = DecimalInRange(value, kIntMin, kIntMax, "/l takes a number"); break;
        case 9: security.securityName = value; break;
        case 10: security.authPassword = value; break;
        case 11: security.privPassword = value; break;
        case 12: security.authProtocol = DecimalInRange(value, kIntMin, kIntMax, "/a takes a number"); break;
        case 13: security.privProtocol = DecimalInRange(value, kIntMin, kIntMax, "/p takes a number"); break;
        }
    }
    return true;
}

QString HostParameter(const QStringList &parameters) {
    QString host;
    for (const QString &parameter : parameters)
        if (parameter.startsWith(QLatin1String("/I")) && parameter.size() > 2)
            host = QString::fromStdString(SplitHostPort(parameter.mid(2).toStdString()).first);
    return host;
}
