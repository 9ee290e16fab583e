#include "shell/headless_options.h"

#include <cstring>
#include <stdexcept>

namespace {

bool IsOption(const QString &parameter) { return parameter.startsWith(QStringLiteral("--")); }

HeadlessOptions::Formatter FormatNamed(const QString &name) {
    if (name == QStringLiteral("text")) return &FormatText;
    if (name == QStringLiteral("csv")) return &FormatCsv;
    if (name == QStringLiteral("json")) return &FormatJson;
    throw std::invalid_argument("Unknown format \"" + name.toStdString() + "\": use text, csv or json.");
}

}  // namespace

bool IsHeadlessRun(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0) return true;
    return false;
}

HeadlessOptions ParseHeadlessOptions(const QStringList &parameters) {
    HeadlessOptions options;
    bool show = false;
    bool catalogue = false;
    bool help = false;
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QString &p = parameters[i];
        if (!IsOption(p)) {
            options.moduleParameters << p;
            continue;
        }
        const qsizetype equals = p.indexOf(u'=');
        const QString name = p.left(equals);
        // "--show X" and "--show=X" alike.
        auto value = [&]() -> QString {
            if (equals >= 0) return p.mid(equals + 1);
            if (i + 1 >= parameters.size()) throw std::invalid_argument(name.toStdString() + " needs a value.");
            return parameters[++i];
        };
        auto flag = [&](bool &set) {
            if (equals >= 0) throw std::invalid_argument(name.toStdString() + " takes no value.");
            set = true;
        };
        if (name == QStringLiteral("--show")) {
            options.entry = value().toStdString();
            show = true;
        } else if (name == QStringLiteral("--format")) {
            options.format = FormatNamed(value());
        } else if (name == QStringLiteral("--v2c")) {
            flag(options.v2cForCounter64);
        } else if (name == QStringLiteral("--catalogue")) {
            flag(catalogue);
        } else if (name == QStringLiteral("--help")) {
            flag(help);
        } else {
            throw std::invalid_argument("Unknown option " + name.toStdString() + ".");
        }
    }
    if (help) return options;
    if (show && catalogue) throw std::invalid_argument("--show and --catalogue cannot be combined.");
    if (!show && !catalogue) throw std::invalid_argument("Give --show, --catalogue or --help.");
    options.action = show ? HeadlessOptions::Action::Show : HeadlessOptions::Action::Catalogue;
    return options;
}

std::string HeadlessHelpText(const std::string &program) {
    return "Usage: " + program + R"( SWITCHES...                 manage the device in a window
       )" + program + R"( SWITCHES... --show "ENTRY" [--format text|csv|json] [--v2c]
       )" + program + R"( --catalogue
       )" + program + R"( --help

Switches (each one parameter, the value written straight after the switch; the last parameter
with a switch wins):
  /IHOST        the device: an IPv4 address or a name that resolves to one (required)
  /vN           SNMP version: 0 for SNMPv1, 1 for SNMPv2c, 3 for SNMPv3
  /RCOMMUNITY   read community
  /WCOMMUNITY   write community
The SNMPv3 switches below are honoured only after an earlier /v3; without it they are ignored:
  /tPORT        agent UDP port
  /cNAME        context name
  /dID          context engine ID
  /mN           security model
  /lN           security level
  /nNAME        security name (user)
  /APASSWORD    authentication password
  /PPASSWORD    privacy password
  /aN           authentication protocol
  /pN           privacy protocol
The device's configuration file (HOST.cfg) is read after the switches, as for the window; it is
where the agent port of SNMPv1 and SNMPv2c sessions is set.

Options (no window is opened and no display is needed):
  --show "ENTRY"   reads one menu entry from the device and prints what its window would show.
                   ENTRY is the entry's captions from the menu bar down, joined by ">"; blanks
                   around each caption and letter case do not matter, for example
                   --show "Basic Configuration > MIB II > IF Table".
                   Editor panels print one line per value, tables every row with the columns the
                   window shows, pages entries every page under its caption.
  --format FORMAT  text (default: aligned columns), csv (RFC 4180, a header record per page) or
                   json.
  --v2c            entries whose window asks whether to switch an SNMPv1 session to SNMPv2c for
                   Counter64 values read with SNMPv2c. Without it nothing is asked and such entries
                   read with the session's version. Entries that always read Counter64 with
                   SNMPv2c do so in any case.
  --catalogue      prints the whole menu catalogue as JSON; no device is needed.
  --help           prints this text.

Exit status: 0 when everything was read and printed. Otherwise nothing is printed on standard
output, the reason (the module's message for a failed exchange, such as "SNMP request timed
out!") goes to standard error, and the status is 1 (2 for a mistake in the options).
)";
}
