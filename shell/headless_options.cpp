#include "shell/headless_options.h"

#include "shell/row_limit.h"

#include <QRegularExpression>

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
    // The row limit applies to the window as well.
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0 && !IsRowLimitParameter(argv[i])) return true;
    return false;
}

HeadlessOptions ParseHeadlessOptions(const QStringList &parameters) {
    HeadlessOptions options;
    std::vector<HeadlessOptions::Action> actions;
    bool help = false;
    bool formatGiven = false;
    int rowModes = 0;
    bool rowGiven = false;
    bool intervalGiven = false;
    const bool setting = parameters.contains(QStringLiteral("--set")) ||
                         !parameters.filter(QRegularExpression(QStringLiteral("^--set="))).isEmpty();
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QString &p = parameters[i];
        if (!IsOption(p)) {
            // Module switches start with "/"; a write's values never do, and must not reach the
            // switch parser, which finds a switch anywhere in a parameter.
            if (setting && !p.startsWith(u'/')) {
                if (p.indexOf(u'=') <= 0) throw std::invalid_argument("\"" + p.toStdString() + "\" is not of the form Label=value.");
                options.write.assignments.push_back(p.toStdString());
            } else {
                options.moduleParameters << p;
            }
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
        auto noValue = [&] {
            if (equals >= 0) throw std::invalid_argument(name.toStdString() + " takes no value.");
        };
        auto flag = [&](bool &set) {
            noValue();
            set = true;
        };
        auto rowMode = [&](WriteOrder::Row row) {
            noValue();
            options.write.row = row;
            ++rowModes;
        };
        if (name == QStringLiteral("--show")) {
            options.entry = value().toStdString();
            actions.push_back(HeadlessOptions::Action::Show);
        } else if (name == QStringLiteral("--set")) {
            options.entry = value().toStdString();
            actions.push_back(HeadlessOptions::Action::Set);
        } else if (name == QStringLiteral("--snapshot")) {
            noValue();
            actions.push_back(HeadlessOptions::Action::Snapshot);
        } else if (name == QStringLiteral("--diff")) {
            options.diffFiles[0] = value().toStdString();
            if (i + 1 >= parameters.size() || IsOption(parameters[i + 1]))
                throw std::invalid_argument("--diff needs two snapshot files.");
            options.diffFiles[1] = parameters[++i].toStdString();
            actions.push_back(HeadlessOptions::Action::Diff);
        } else if (name == QStringLiteral("--restore")) {
            options.restoreFile = value().toStdString();
            actions.push_back(HeadlessOptions::Action::Restore);
        } else if (name == QStringLiteral("--command")) {
            options.command = value().toStdString();
            actions.push_back(HeadlessOptions::Action::Command);
        } else if (name == QStringLiteral("--delete-extra")) {
            flag(options.deleteExtra);
        } else if (name == QStringLiteral("--yes")) {
            flag(options.yes);
        } else if (name == QStringLiteral("--format")) {
            const QString format = value();
            options.format = FormatNamed(format);
            options.formatName = format.toStdString();
            formatGiven = true;
        } else if (name == QStringLiteral("--interval")) {
            const QString text = value();
            bool number = false;
            const double seconds = text.toDouble(&number);
            if (!number || seconds < 0.1 || seconds > 3600)
                throw std::invalid_argument("--interval takes seconds from 0.1 to 3600, not \"" + text.toStdString() + "\".");
            options.intervalMs = static_cast<int>(seconds * 1000 + 0.5);
            intervalGiven = true;
        } else if (name == QStringLiteral("--row")) {
            options.write.rowText = value().toStdString();
            rowGiven = true;
        } else if (name == QStringLiteral("--add")) {
            rowMode(WriteOrder::Row::Add);
        } else if (name == QStringLiteral("--delete")) {
            rowMode(WriteOrder::Row::Delete);
        } else if (name == QStringLiteral("--dry-run")) {
            flag(options.dryRun);
        } else if (name == QLatin1String(kRowLimitOption)) {
            // Checked here, applied by the start-up sequence as for the window.
            const QString limit = name + u'=' + value();
            RowLimitParameter({limit});
            options.moduleParameters << limit;
        } else if (name == QStringLiteral("--menu")) {
            options.menu = value().toStdString();
        } else if (name == QStringLiteral("--redact")) {
            flag(options.redact);
        } else if (name == QStringLiteral("--moving")) {
            flag(options.compareMoving);
        } else if (name == QStringLiteral("--v2c")) {
            flag(options.v2cForCounter64);
        } else if (name == QStringLiteral("--catalogue")) {
            noValue();
            actions.push_back(HeadlessOptions::Action::Catalogue);
        } else if (name == QStringLiteral("--help")) {
            flag(help);
        } else {
            throw std::invalid_argument("Unknown option " + name.toStdString() + ".");
        }
    }
    if (help) return options;
    if (actions.size() > 1)
        throw std::invalid_argument("--show, --set, --snapshot, --diff, --restore, --command and --catalogue cannot be combined.");
    if (actions.empty()) throw std::invalid_argument("Give --show, --set, --snapshot, --diff, --restore, --command, --catalogue or --help.");
    using Action = HeadlessOptions::Action;
    options.action = actions.front();
    const bool set = options.action == Action::Set;
    const bool restore = options.action == Action::Restore;
    if (!set && (rowModes > 0 || rowGiven)) throw std::invalid_argument("--row, --add and --delete go with --set.");
    if (!set && !restore && options.dryRun) throw std::invalid_argument("--dry-run goes with --set or --restore.");
    if (options.deleteExtra && !restore) throw std::invalid_argument("--delete-extra goes with --restore.");
    if (options.yes && !restore && options.action != Action::Command) throw std::invalid_argument("--yes goes with --restore or --command.");
    if (options.yes && options.dryRun) throw std::invalid_argument("--dry-run writes nothing: --yes does not apply.");
    if (rowModes > 1) throw std::invalid_argument("Give --add or --delete, not both.");
    if (set && rowGiven && options.write.row == WriteOrder::Row::None) options.write.row = WriteOrder::Row::Edit;
    if (set && options.write.row == WriteOrder::Row::Delete && !rowGiven) throw std::invalid_argument("--delete needs --row.");
    if (set && (options.write.row == WriteOrder::Row::None || options.write.row == WriteOrder::Row::Edit) &&
        options.write.assignments.empty())
        throw std::invalid_argument("--set needs at least one Label=value.");
    if (intervalGiven && options.action != Action::Show) throw std::invalid_argument("--interval goes with --show.");
    if (!options.menu.empty() && options.action != Action::Snapshot && !restore)
        throw std::invalid_argument("--menu goes with --snapshot or --restore.");
    if (options.compareMoving && options.action != Action::Diff) throw std::invalid_argument("--moving goes with --diff.");
    if (options.redact && options.action != Action::Snapshot) throw std::invalid_argument("--redact goes with --snapshot.");
    if (formatGiven && (set || restore || options.action == Action::Command || options.action == Action::Catalogue))
        throw std::invalid_argument("--format does not apply here.");
    if (formatGiven && options.action == Action::Snapshot && options.formatName != "json")
        throw std::invalid_argument("A snapshot is always JSON.");
    if (options.action == Action::Diff && !options.moduleParameters.isEmpty())
        throw std::invalid_argument("--diff compares two files; \"" + options.moduleParameters.front().toStdString() +
                                    "\" is one too many.");
    if (formatGiven && options.action == Action::Diff && options.formatName == "csv")
        throw std::invalid_argument("--diff prints text or json.");
    if (options.action == Action::Command && options.command != "save" && options.command != "reboot" &&
        options.command.rfind("reset", 0) != 0)
        throw std::invalid_argument("--command takes save, reboot or reset=WHAT, not \"" + options.command + "\".");
    return options;
}

std::string HeadlessHelpText(const std::string &program) {
    return "Usage: " + program + R"( SWITCHES...                 manage the device in a window
       )" + program + R"( SWITCHES... --show "ENTRY" [--format text|csv|json] [--v2c] [--interval SECONDS]
       )" + program + R"( SWITCHES... --set "ENTRY" [--row "INDEX" | --add [--row "INDEX"] | --delete --row "INDEX"]
                  [--dry-run] "LABEL=VALUE"...
       )" + program + R"( SWITCHES... --snapshot [--menu "MENU"] [--redact] [--v2c]
       )" + program + R"( --diff A.json B.json [--format text|json] [--moving]
       )" + program + R"( SWITCHES... --restore FILE [--menu "MENU"] [--delete-extra] [--dry-run | --yes]
       )" + program + R"( SWITCHES... --command save|reboot|reset=WHAT [--yes]
       )" + program + R"( --catalogue
       )" + program + R"( --help

Switches (each one parameter, the value written straight after the switch; the last parameter
with a switch wins):
  /IHOST        the device: an IPv4 address or a name that resolves to one (required)
  /vN           SNMP version: 0 for SNMPv1, 1 for SNMPv2c, 3 for SNMPv3
  /RCOMMUNITY   read community
  /WCOMMUNITY   write community
  /tPORT        agent UDP port, for every version (also /IHOST:PORT)
The SNMPv3 switches below are honoured only after an earlier /v3; without it they are ignored,
and standard error says so:
  /cNAME        context name
  /dID          context engine ID
  /mN           security model
  /lN           security level
  /nNAME        security name (user)
  /APASSWORD    authentication password
  /PPASSWORD    privacy password
  /aN           authentication protocol
  /pN           privacy protocol
The device's configuration file (HOST.cfg) is read after the switches, as for the window: its
AgentPort, when it has a usable one, wins over /t (standard error says so); without one the port
of /t applies. A setting the file gives that cannot be used is named on standard error with its
line, and its default applies.
  --max-rows N  the most rows a table read takes (default 100000; MaxRows in HOST.cfg, which this
                option outweighs); also for the window. A read that reaches it keeps its rows and
                says so.

Options (no window is opened and no display is needed):
  --show "ENTRY"   reads one menu entry from the device and prints what its window would show.
                   ENTRY is the entry's captions from the menu bar down, joined by ">"; blanks
                   around each caption and letter case do not matter, for example
                   --show "Basic Configuration > MIB II > IF Table".
                   Editor panels print one line per value, tables every row with the columns the
                   window shows, pages entries every page under its caption.
                   "Basic Configuration > Port Overview" prints one row per port: description,
                   states, speed, duplex, PVID, traffic in and out (bit/s and % of the speed) and
                   the increase of errors and discards (in and out together), measured between
                   two readings --interval apart.
  --interval SECONDS
                   the time between the two readings of an entry that shows rates (default 3,
                   from 0.1 to 3600); the rates are taken over the time that really passed.
  --format FORMAT  text (default: aligned columns), csv (RFC 4180, a header record per page) or
                   json.
  --v2c            entries whose window asks whether to switch an SNMPv1 session to SNMPv2c for
                   Counter64 values read with SNMPv2c. Without it nothing is asked and such entries
                   read with the session's version. Entries that always read Counter64 with
                   SNMPv2c do so in any case.
  --set "ENTRY" "LABEL=VALUE"...
                   writes values as the entry's window does: each value passes the checks of the
                   field the window shows it in (its input format, its choices, its syntax), and
                   one SET carries exactly the named values; when any value is refused nothing is
                   sent. LABEL is a label of the editor (or a column of the table), letter case and
                   blanks around it aside; a drop-down value is one of its choices, or its number.
                   For an entry with pages, add the page's caption to ENTRY:
                   --set "VLAN>802.1Q>802.1Q VLAN>VLAN Static Table" --row 10 "Static Name=lab".
  --row "INDEX"    the table row to write: its index values in index order, separated by ",",
                   as the table shows them (or the row's instance identifier). The row is found
                   by reading the table.
  --add            creates a row: --row gives its index (or name the index columns as values);
                   the row status is sent with the table's add value.
  --delete         destroys the row named by --row: only its row status is sent.
  --dry-run        prints the variable bindings the SET would carry and sends no SET.
  --snapshot       reads every entry that has values to read (with --menu "MENU", those of one
                   top-level menu) into one JSON document on standard output: the device, the
                   time, the module's version and each entry's --show JSON. An entry the device
                   cannot give is skipped with the reason recorded; progress goes to standard
                   error. The snapshot ends early only when the device stops answering.
  --redact         with --snapshot: every community, key, password and pass phrase (the columns
                   the catalogue marks "secret": true) is written as (redacted HASH), a fixed
                   mark and a short hash of the value, so that --diff still shows that it changed.
  --diff A B       compares two snapshots entry by entry, table rows by their index, value by
                   value, and prints each difference (text, or --format json). Counters and time
                   stamps, which always move, are left out unless --moving is given. Exit status
                   0 when they are equal, 1 when they differ, 2 when a file is not a snapshot.
  --restore FILE   puts the values of a snapshot back on the device (with --menu "MENU", those of
                   one top-level menu): reads each entry, compares it with the snapshot and writes
                   what differs, one SET per editor page or table row, as --set would (each value
                   passes its field's checks). Rows the snapshot holds and the device lacks are
                   created, rows that differ are changed; values that always move, read-only
                   values and redacted secrets are never written. Entries other entries' rows
                   name (VLANs) are written first and their rows deleted last. Standard error
                   says what was left as it is and why. Without --yes the plan is shown and
                   asked for on a terminal; without a terminal nothing is written. A SET the
                   device refuses stops the restore: standard error says what was written and
                   what was not, and the status is 1.
  --delete-extra   with --restore: also deletes the rows the device holds and the snapshot does not.
  --dry-run        with --restore: prints every SET's bindings, "OID = TYPE: value  # ENTRY: LABEL",
                   and sends nothing.
  --command CMD    sends a device command: save (the configuration into NV-RAM), reboot, or
                   reset=WHAT (what the Reset entry offers, such as reset=config). It asks the
                   window's question on a terminal, default No; without a terminal, --yes answers it.
  --yes            writes without asking (--restore, --command).
  --catalogue      prints the whole menu catalogue as JSON; no device is needed.
  --help           prints this text.

Exit status: 0 when everything was read and printed. 3 when --show or --snapshot printed what
it read but a table read stopped short: at the row limit, or at a column the agent ended early by
answering the same name again or going back (the rows read are printed, and standard error says
which table or column and why). Otherwise nothing is printed on standard output, the reason (the
module's message for a failed exchange, such as "SNMP request timed out!") goes to standard error,
and the status is 1 (2 for a mistake in the options).
)";
}
