#include "headless_fixture.h"

#include "catalogue/window_registry.h"
#include "engine/request.h"
#include "windows/window_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Records = std::vector<QStringList>;

// RFC 4180 records, quoted fields with doubled quotes and line breaks included.
Records ParseCsv(const QString &text) {
    Records records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"') field += text[++i];
            else quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quoted field";
    EXPECT_TRUE(record.isEmpty() && field.isEmpty()) << "last record without its line break";
    return records;
}


TEST_F(HeadlessTest, EditorEntryPrintsEachLabelWithTheValueTheDeviceHolds) {
    // Blanks around captions and letter case do not matter; "Basic " carries a blank of its own.
    const ProcessOutcome run = Show(QStringLiteral(" basic configuration>BASIC > Basic Information "));
    ExpectSuccess(run);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    // The simulator's values (1, 1, 1, 1, 1 and a text), the numbers named by the entry's choices.
    const std::vector<std::pair<QString, std::string>> expected = {
        {"Protocol Capability", "other"}, {"Console In Use", "other"},   {"Save Configuration", "other"},
        {"File Transfer", "other"},       {"Status Reset", "proceeding"}, {"Serial Number", "Serial Number"},
    };
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(expected.size())) << run.out.toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QString &line = lines[static_cast<qsizetype>(i)];
        EXPECT_TRUE(line.startsWith(expected[i].first)) << line.toStdString();
        EXPECT_FALSE(expected[i].second.empty());
        EXPECT_TRUE(line.endsWith(QString::fromStdString(expected[i].second))) << line.toStdString();
        // Values line up in one column.
        EXPECT_EQ(line.size() - static_cast<qsizetype>(expected[i].second.size()),
                  lines[0].size() - static_cast<qsizetype>(expected[0].second.size()));
    }
}

TEST_F(HeadlessTest, EditorEntryOverAWalkedListShowsItsValuesAsLines) {
    // The list is read as a table, but the window shows its values in an editor panel.
    const ProcessOutcome run = Show(QStringLiteral("Basic Configuration>Basic>CPU Utilization"), {"--format", "csv"});
    ExpectSuccess(run);
    const Records expected = {{"Label", "Value"},
                              {"CPUutilization In 5sec", "1"},
                              {"CPUutilization In 1min", "1"},
                              {"CPUutilization In 5min", "1"}};
    EXPECT_EQ(ParseCsv(run.out), expected);
}

TEST_F(HeadlessTest, TableEntryAsCsvAndJsonHoldsEveryRowInTheWindowsColumns) {
    const ProcessOutcome csv = Show(QStringLiteral("Basic Configuration>MIB II>IF Table"), {"--format", "csv"});
    const ProcessOutcome json = Show(QStringLiteral("Basic Configuration>MIB II>IF Table"), {"--format=json"});
    ExpectSuccess(csv);
    ExpectSuccess(json);
    const QStringList columns = {"Index", "Descr", "Type", "Mtu", "Speed", "Phys Address", "Admin Status",
                                 "Oper Status", "Last Change", "Out QLen", "Specific"};
    const Records records = ParseCsv(csv.out);
    ASSERT_EQ(records.size(), 53u);
    EXPECT_EQ(records[0], columns);

    const QJsonObject object = ParseJson(json.out);
    EXPECT_EQ(object["entry"].toArray(), QJsonArray({"Basic Configuration", "MIB II", "IF Table"}));
    EXPECT_EQ(object["title"].toString(), QStringLiteral("IF Table127.0.0.1"));
    const QJsonArray pages = object["pages"].toArray();
    ASSERT_EQ(pages.size(), 1);
    const QJsonObject page = pages[0].toObject();
    EXPECT_EQ(page["kind"].toString(), QStringLiteral("table"));
    EXPECT_EQ(page["columns"].toArray(), QJsonArray::fromStringList(columns));
    const QJsonArray rows = page["rows"].toArray();
    ASSERT_EQ(rows.size(), 52);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList row = rows[r].toVariant().toStringList();
        EXPECT_EQ(row, records[static_cast<std::size_t>(r + 1)]);
        EXPECT_EQ(row[0], QString::number(r + 1));
        EXPECT_EQ(row[1], QStringLiteral("Port %1").arg(r + 1));
    }
}

TEST_F(HeadlessTest, EntryThatReadsCounter64WithSNMPv2cDoesSoOnAnSNMPv1Session) {
    const ProcessOutcome run = Run({"/I127.0.0.1", "/Rpublic", "--show", "Basic Configuration>IF-MIB>IFX Table",
                                    "--format", "csv"},
                                   LocalLayout("Version=0\n"));
    ExpectSuccess(run);
    const Records records = ParseCsv(run.out);
    ASSERT_EQ(records.size(), 53u);
    const qsizetype octets = records[0].indexOf(QStringLiteral("HC In Octets"));
    ASSERT_GE(octets, 0);
    // Beyond 32 bits, which SNMPv1 cannot carry.
    EXPECT_GT(records[1][octets].toULongLong(), 0xFFFFFFFFull) << records[1].join(u',').toStdString();
}

TEST_F(HeadlessTest, CsvQuotesSeparatorsAndQuotesAndJsonEscapesThem) {
    using namespace std::string_literals;
    const std::string written = "Ops, \"NOC\"\tdesk\r\nroom 2\0"s;
    WriteText("1.3.6.1.2.1.1.4", written);
    const QString entry = QStringLiteral("Basic Configuration>MIB II>Information");
    const ProcessOutcome csv = Show(entry, {"--format", "csv"});
    const ProcessOutcome json = Show(entry, {"--format", "json"});
    ExpectSuccess(csv);
    ExpectSuccess(json);
    const Records records = ParseCsv(csv.out);
    ASSERT_GE(records.size(), 5u);
    EXPECT_EQ(records[0], QStringList({"Label", "Value"}));
    const auto contact = std::find_if(records.begin(), records.end(),
                                      [](const QStringList &r) { return r.value(1).startsWith("Ops"); });
    ASSERT_NE(contact, records.end()) << csv.out.toStdString();
    // The value as it is, line break included; a NUL octet is written as JSON writes it.
    EXPECT_EQ(contact->value(1), QStringLiteral("Ops, \"NOC\"\tdesk\r\nroom 2\\u0000"));

    // JSON carries the exact text.
    const QJsonArray values = ParseJson(json.out)["pages"].toArray()[0].toObject()["values"].toArray();
    ASSERT_EQ(values.size(), static_cast<qsizetype>(records.size() - 1));
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i]["label"].toString(), records[static_cast<std::size_t>(i + 1)][0]);
    const auto exact = std::find_if(values.begin(), values.end(),
                                    [](const QJsonValue &v) { return v["label"].toString() == "Contact"; });
    ASSERT_NE(exact, values.end());
    EXPECT_EQ(exact->toObject()["value"].toString(), QString::fromStdString(written));
}

TEST_F(HeadlessTest, PagesEntryPrintsEveryPageUnderItsCaption) {
    const QString entry = QStringLiteral("Basic Configuration>System Log");
    const ProcessOutcome text = Show(entry);
    const ProcessOutcome json = Show(entry, {"--format", "json"});
    ExpectSuccess(text);
    ExpectSuccess(json);
    const qsizetype control = text.out.indexOf(QStringLiteral("[System Log Control]\nSystem Log Global State"));
    const qsizetype server = text.out.indexOf(QStringLiteral("[System Log Server]\nIndex"));
    EXPECT_EQ(control, 0) << text.out.toStdString();
    EXPECT_GT(server, control) << text.out.toStdString();

    const QJsonArray pages = ParseJson(json.out)["pages"].toArray();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0]["kind"].toString(), QStringLiteral("editor"));
    EXPECT_EQ(pages[0]["values"].toArray().size(), 1);
    EXPECT_EQ(pages[1]["kind"].toString(), QStringLiteral("table"));
    EXPECT_EQ(pages[1]["columns"].toArray().size(), 7);
    const QJsonArray rows = pages[1]["rows"].toArray();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(text.out.count(u'\n'), 2 + 1 + 1 + 1 + rows.size());  // captions, two lines, blank, header, rows
}

TEST_F(HeadlessTest, RunsBesideAWindowForTheSameDeviceInsteadOfHandingOverToIt) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    const ProcessOutcome run = Show(QStringLiteral("Basic Configuration>System Log"));
    ExpectSuccess(run);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("[System Log Control]"))) << run.out.toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(HeadlessTest, EntriesThatCannotBeReadFailWithAMessageAndNoOutput) {
    const struct {
        const char *entry;
        const char *message;
    } cases[] = {
        {"Basic Configuration>MIB II>No Such Table", "no menu entry"},
        {"Basic Configuration", "no menu entry"},
        {"Basic Configuration>Equipment Management>Basic Information", "no table or values to read"},  // window
        {"Basic Configuration>MIB II", "no table or values to read"},                                  // submenu
        {"Basic Configuration>Save Changes", "no table or values to read"},                            // command
        {"Basic Configuration>dot3 Statistics", "no table or values to read"},                         // module
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        ExpectFailure(Show(QString::fromUtf8(c.entry)), QString::fromUtf8(c.message));
    }
}

TEST_F(HeadlessTest, MistakesInTheOptionsFailBeforeAnythingIsSent) {
    const QString module = LocalLayout();
    const struct {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{"/I127.0.0.1", "--show", "Basic Configuration>System Log", "--format", "xml"}, "Unknown format"},
        {{"/I127.0.0.1", "--show"}, "--show needs a value"},
        {{"/I127.0.0.1", "--shwo", "Basic Configuration>System Log"}, "Unknown option --shwo"},
        {{"--catalogue", "--show", "Basic Configuration>System Log"}, "cannot be combined"},
        {{"/I127.0.0.1", "--format", "csv"}, "Give --show"},
        {{"/I127.0.0.1", "--set", "Basic Configuration>MIB II>Information", "Contact"}, "is not of the form Label=value"},
        {{"/I127.0.0.1", "--set", "Basic Configuration>MIB II>Information"}, "needs at least one Label=value"},
        {{"/I127.0.0.1", "--set", "VLAN>DoubleVLAN>Control Table", "--delete"}, "--delete needs --row"},
        {{"/I127.0.0.1", "--set", "VLAN>DoubleVLAN>Control Table", "--add", "--delete", "--row", "1"}, "not both"},
        {{"/I127.0.0.1", "--show", "VLAN>DoubleVLAN>Control Table", "--row", "1"}, "go with --set"},
        {{"/I127.0.0.1", "--snapshot", "--format", "csv"}, "always JSON"},
        {{"/I127.0.0.1", "--snapshot", "--set", "VLAN>DoubleVLAN>Global State", "a=b"}, "cannot be combined"},
        {{"--diff", "a.json"}, "--diff needs two snapshot files"},
        {{"--diff", "a.json", "b.json", "--menu", "VLAN"}, "--menu goes with --snapshot"},
        {{"--diff", "a.json", "b.json", "c.json"}, "\"c.json\" is one too many"},
        {{"/I127.0.0.1", "--restore"}, "--restore needs a value"},
        {{"/I127.0.0.1", "--snapshot", "--delete-extra"}, "--delete-extra goes with --restore."},
        {{"/I127.0.0.1", "--restore", "a.json", "--dry-run", "--yes"}, "--yes does not apply"},
        {{"/I127.0.0.1", "--restore", "a.json", "--row", "1"}, "go with --set"},
        {{"/I127.0.0.1", "--show", "Basic Configuration>Reset", "--yes"}, "--yes goes with --restore or --command."},
        {{"/I127.0.0.1", "--command", "halt"}, "--command takes save, reboot or reset=WHAT"},
        {{"/I127.0.0.1", "--command", "reset", "--yes"}, "--command reset needs what to reset"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProcessOutcome run = Run(c.arguments, module);
        ExpectFailure(run, QString::fromUtf8(c.message));
        EXPECT_EQ(run.exitCode, 2);
    }
    ExpectFailure(Run({"--show", "Basic Configuration>System Log"}, module), QStringLiteral("No parameter input"));
}

TEST_F(HeadlessTest, AgentThatDoesNotAnswerEndsInTheTimeOutMessageNamingWhereAndWhence) {
    const QByteArray port = QByteArray::number(ClosedPort());
    const QString module = LocalLayout("Version=1\nAgentPort=" + port + "\n");
    ExpectFailure(Run({"/I127.0.0.1", "/Rpublic", "--show", "Basic Configuration>MIB II>IF Table"}, module),
                  "SNMP request timed out! (127.0.0.1:" + port + ", settings from " + QDir(module).filePath("127.0.0.1.cfg") + ")");
    // Without a configuration file the port is the command line's.
    ExpectFailure(Run({"/I127.0.0.1:" + port, "/Rpublic", "--show", "Basic Configuration>MIB II>IF Table"}, PlainDirectory()),
                  "SNMP request timed out! (127.0.0.1:" + port + ", no configuration folder known, command line and defaults)");
}

TEST_F(HeadlessTest, PortSwitchServesEveryVersionAndTheFileWinsSayingSo) {
    const QString port = QString::number(sim_.port());
    const QString entry = QStringLiteral("Basic Configuration>MIB II>Information");
    // No configuration file: the switch's port reaches the agent, for SNMPv2c as for SNMPv3.
    ExpectSuccess(Run({"/I127.0.0.1", "/v1", "/t" + port, "/Rpublic", "--show", entry}, PlainDirectory()));
    ExpectSuccess(Run({"/I127.0.0.1:" + port, "/v1", "/Rpublic", "--show", entry}, PlainDirectory()));
    // The file's AgentPort is read over the command line, as every setting it holds.
    const QString module = LocalLayout("Version=1\n");
    const ProcessOutcome run = Run({"/I127.0.0.1", "/t1", "/Rpublic", "--show", entry}, module);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "/t1 ignored: AgentPort=" + port + " of " + QDir(module).filePath("127.0.0.1.cfg") + ":3 applies.\n");
    // Switches that do not count are named on standard error.
    const ProcessOutcome v3Only = Run({"/I127.0.0.1", "/Rpublic", "/l3", "/Asecret", "--show", entry}, module);
    EXPECT_EQ(v3Only.exitCode, 0) << v3Only.err.toStdString();
    EXPECT_EQ(v3Only.err, "Switch /l ignored: the SNMPv3 switches count only after /v3.\n"
                          "Switch /A ignored: the SNMPv3 switches count only after /v3.\n");
}

TEST_F(HeadlessTest, UnusableSettingsFilesAndCataloguesAreNamedOnStandardError) {
    const QString module = LocalLayout("Version=7\n");
    QDir(module).mkpath("errMSg");
    const QString fifo = QDir(module).filePath("errMSg/snmp.err");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);  // a start that waits for a writer would hang here
    const ProcessOutcome run = Run({"/I127.0.0.1", "/Rpublic", "--show", "Basic Configuration>MIB II>Information"}, module);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("\"" + fifo + "\" is not a regular file. Its built-in texts are used.")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QDir(module).filePath("127.0.0.1.cfg") +
                                 ":2: Version=7 is not 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3); 0 (SNMPv1) is used."))
        << run.err.toStdString();
}

TEST_F(HeadlessTest, CatalogueAndHelpNeedNoDevice) {
    const ProcessOutcome catalogue = Run({"--catalogue"}, PlainDirectory());
    ExpectSuccess(catalogue);
    const QJsonArray entries = ParseJson(catalogue.out)["entries"].toArray();
    const auto basic = std::count_if(entries.begin(), entries.end(), [](const QJsonValue &e) {
        return e["path"].toArray().first().toString() == QStringLiteral("Basic Configuration");
    });
    EXPECT_EQ(basic, 55);  // with the port overview
    for (const QJsonValue &e : entries) {
        if (e["kind"].toString() != QStringLiteral("window")) continue;
        EXPECT_EQ(e["available"].toBool(), DedicatedWindows().Has(e["window"].toString().toStdString()))
            << e["window"].toString().toStdString();
    }

    const ProcessOutcome help = Run({"--help"}, PlainDirectory());
    ExpectSuccess(help);
    for (const char *word : {"/I", "/v3", "/W", "/p", "--show", "--format", "--v2c", "--catalogue", "--set", "--row", "--add",
                             "--delete", "--dry-run", "--snapshot", "--menu", "--diff", "--moving"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(word))) << word;
}

}  // namespace

TEST_F(HeadlessTest, PortOverviewPrintsEveryPortWithRatesOverTheGivenInterval) {
    const QString entry = QStringLiteral("Basic Configuration>Port Overview");
    const QStringList columns = {"Port", "Description", "Admin", "Oper", "Errors", "Discards", "Speed (Mb/s)",
                                 "Duplex", "PVID", "In (bit/s)", "In %", "Out (bit/s)", "Out %"};
    const ProcessOutcome csv = Show(entry, {"--interval", "1", "--format", "csv"});
    ExpectSuccess(csv);
    const Records records = ParseCsv(csv.out);
    ASSERT_EQ(records.size(), 53u);
    EXPECT_EQ(records[0], columns);
    // The simulator's port 7 gains input errors, port 40 is disabled, port 3 runs at 100 Mb/s.
    EXPECT_EQ(records[7].mid(0, 4), QStringList({"7", "Port 7", "up", "up"}));
    EXPECT_EQ(records[7].mid(6, 3), QStringList({"1000", "full", "10"}));
    EXPECT_GT(records[7][4].toInt(), 0) << records[7].join(',').toStdString();
    EXPECT_EQ(records[40].mid(2, 2), QStringList({"down", "down"}));
    EXPECT_EQ(records[40][6], "0");
    EXPECT_EQ(records[40][10], "");  // no share of no speed
    EXPECT_EQ(records[3][6], "100");
    bool number = false;
    EXPECT_GT(records[1][9].toDouble(&number), 0);
    EXPECT_TRUE(number);
    EXPECT_EQ(records[1][4], "0");

    const ProcessOutcome json = Show(entry, {"--interval=0.5", "--format", "json"});
    ExpectSuccess(json);
    const QJsonObject page = ParseJson(json.out)["pages"].toArray()[0].toObject();
    EXPECT_EQ(page["kind"].toString(), "table");
    const QJsonArray rows = page["rows"].toArray();
    ASSERT_EQ(rows.size(), 52);
    EXPECT_EQ(rows[32].toArray()[1].toString(), "Port 33");
    EXPECT_GT(rows[32].toArray()[4].toString().toInt(), 0);

    const ProcessOutcome text = Show(entry, {"--interval", "0.5"});
    ExpectSuccess(text);
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 53);
    EXPECT_TRUE(lines.filter(QRegularExpression("^\\s*Port\\s+Description\\s+Admin")).size() == 1) << text.out.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^\\s*40\\s+Port 40\\s+down\\s+down")).size(), 1) << text.out.toStdString();

    // The interval belongs to --show and is a number of seconds.
    EXPECT_EQ(OnSimulator({"--snapshot", "--interval", "1"}).exitCode, 2);
    EXPECT_EQ(Show(entry, {"--interval", "soon"}).exitCode, 2);
}
