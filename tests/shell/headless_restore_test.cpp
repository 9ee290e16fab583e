// Putting a snapshot back (--restore) and device commands (--command), against the simulator and
// Debian's snmpd.
#include "headless_fixture.h"

#include "support/snmpd_runner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A change made behind the module's back, as another manager would: net-snmp's snmpset.
struct Change {
    QStringList bindings;  // OID TYPE VALUE...
};

class HeadlessRestoreTest : public HeadlessTest {
protected:
    static QString Agent(quint16 port) { return QStringLiteral("127.0.0.1:%1").arg(port); }

    static void Apply(quint16 port, const std::vector<Change> &changes) {
        for (const Change &change : changes) {
            const ProcessOutcome run = runProcess(QStringLiteral("snmpset"),
                                                  QStringList{"-M", "/dev/null", "-On", "-v2c", "-c", "private", Agent(port)} + change.bindings);
            ASSERT_EQ(run.exitCode, 0) << change.bindings.join(u' ').toStdString() << ": " << run.err.toStdString();
        }
    }

    // How many SET requests the agent has taken (snmpInSetRequests).
    static long SetRequests(quint16 port) {
        const ProcessOutcome run = runProcess(QStringLiteral("snmpget"), {"-M", "/dev/null", "-On", "-Oqv", "-v2c", "-c", "public",
                                                                          Agent(port), "1.3.6.1.2.1.11.17.0"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out.trimmed().toLong();
    }

    ProcessOutcome Restore(const QString &file, const QStringList &options, const QString &module = {}) {
        return Run(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "--restore", dir_.filePath(file)} + options,
                   module.isEmpty() ? LocalLayout() : module);
    }

    static qsizetype Lines(const QString &text) { return text.split(u'\n', Qt::SkipEmptyParts).size(); }

    // snapshot A, the changes, restore A, snapshot B: A and B compare equal, and a second restore
    // sends no SET at all.
    void RoundTrip(quint16 port, const QString &module, const QStringList &scope, const std::vector<Change> &changes,
                   qsizetype differences) {
        const ProcessOutcome a = Snapshot(QStringLiteral("a.json"), scope, module);
        ASSERT_EQ(a.exitCode, 0) << a.err.right(2000).toStdString();
        Apply(port, changes);
        ASSERT_EQ(Snapshot(QStringLiteral("changed.json"), scope, module).exitCode, 0);
        const ProcessOutcome changed = Diff(QStringLiteral("a.json"), QStringLiteral("changed.json"));
        EXPECT_EQ(Lines(changed.out), differences) << changed.out.toStdString();

        const long before = SetRequests(port);
        const ProcessOutcome restore = Restore(QStringLiteral("a.json"), scope + QStringList{"--yes", "--delete-extra"}, module);
        ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
        EXPECT_TRUE(restore.out.isEmpty()) << restore.out.toStdString();
        const long sent = SetRequests(port) - before;
        EXPECT_TRUE(restore.err.contains(QStringLiteral("%1 SET%2 written.").arg(sent).arg(sent == 1 ? "" : "s")))
            << sent << "\n" << restore.err.toStdString();

        ASSERT_EQ(Snapshot(QStringLiteral("b.json"), scope, module).exitCode, 0);
        const ProcessOutcome equal = Diff(QStringLiteral("a.json"), QStringLiteral("b.json"));
        EXPECT_EQ(equal.exitCode, 0) << equal.out.toStdString();

        const long again = SetRequests(port);
        const ProcessOutcome second = Restore(QStringLiteral("a.json"), scope + QStringList{"--yes", "--delete-extra"}, module);
        EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_TRUE(second.err.contains(QStringLiteral("nothing to write"))) << second.err.toStdString();
        EXPECT_EQ(SetRequests(port), again);
    }

    // The snapshot file with one value replaced, as a hand-edited or foreign file may hold it.
    void EditSnapshot(const QString &from, const QString &to, const QString &before, const QString &after) {
        QFile in(dir_.filePath(from));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray text = in.readAll();
        ASSERT_TRUE(text.contains(before.toUtf8())) << before.toStdString();
        text.replace(before.toUtf8(), after.toUtf8());
        QFile out(dir_.filePath(to));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
};

const char kVlanStatic[] = "1.3.6.1.2.1.17.7.1.4.3.1";

QString Vlan(int column, int vlan) { return QStringLiteral("%1.%2.%3").arg(kVlanStatic).arg(column).arg(vlan); }

TEST_F(HeadlessRestoreTest, RoundTripOnTheSimulatorPutsEveryKindOfChangeBack) {
    const std::vector<Change> changes{
        {{"1.3.6.1.2.1.1.4.0", "s", "someone else", "1.3.6.1.2.1.1.5.0", "s", "renamed"}},
        {{"1.3.6.1.2.1.1.6.0", "s", "moved away"}},
        {{"1.3.6.1.2.1.17.4.2.0", "i", "777"}},
        {{"1.3.6.1.4.1.171.12.10.10.4.0", "i", "123"}},
        {{"1.3.6.1.4.1.171.12.10.11.3.0", "a", "10.9.8.7"}},
        {{"1.3.6.1.4.1.171.12.1.4.1.1.0", "i", "2"}},
        {{"1.3.6.1.4.1.171.12.15.1.1.0", "i", "2"}},
        {{"1.3.6.1.4.1.171.12.15.2.1.0", "s", "region9"}},
        // Settings of dedicated windows: Spanning Tree, Summer Time, SSL, OSPF default route, an MD5 key.
        {{"1.3.6.1.4.1.171.12.15.1.3.0", "i", "2500"}},
        {{"1.3.6.1.4.1.171.12.10.12.2.0", "i", "30"}},
        {{"1.3.6.1.4.1.171.12.7.1.3.0", "u", "900"}},
        {{"1.3.6.1.4.1.171.11.69.4.3.12.4.0", "i", "100"}},
        {{"1.3.6.1.4.1.171.11.69.4.3.4.1.3.5", "i", "6"}},
        // A VLAN created, a VLAN deleted, a row edited, port lists changed.
        {{Vlan(5, 30), "i", "4", Vlan(1, 30), "s", "guests"}},
        {{Vlan(5, 20), "i", "6"}},
        {{Vlan(1, 10), "s", "racks"}},
        {{Vlan(2, 1), "x", "FFFFFFFFFFFFF0"}},
        {{Vlan(4, 10), "x", "F0000000000000", Vlan(3, 10), "x", "00000000000030"}},
    };
    RoundTrip(sim_.port(), LocalLayout(), {}, changes, 20);
}

TEST_F(HeadlessRestoreTest, RoundTripOnSnmpdPutsTheStandardValuesBack) {
    SnmpdRunner snmpd;
    const QString module = LocalLayout("Version=1\nAgentPort=" + QByteArray::number(snmpd.port()) + "\n");
    const std::vector<Change> changes{
        {{"1.3.6.1.2.1.1.4.0", "s", "someone else"}},
        {{"1.3.6.1.2.1.1.6.0", "s", "moved away"}},
    };
    RoundTrip(snmpd.port(), module, {"--menu", "Basic Configuration"}, changes, 2);
}

TEST_F(HeadlessRestoreTest, DryRunPrintsEverySetAndSendsNothing) {
    ASSERT_EQ(Snapshot(QStringLiteral("a.json"), {"--menu", "VLAN"}).exitCode, 0);
    Apply(sim_.port(), {{{Vlan(1, 10), "s", "racks"}}, {{Vlan(5, 20), "i", "6"}}, {{Vlan(5, 30), "i", "4"}}});
    const long before = SetRequests(sim_.port());
    const ProcessOutcome run = Restore(QStringLiteral("a.json"), {"--menu", "vlan", "--dry-run", "--delete-extra"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString where = QStringLiteral("  # VLAN>802.1Q>802.1Q VLAN>VLAN Static Table: ");
    EXPECT_EQ(run.out, Vlan(1, 10) + " = OCTET STRING: \"servers\"" + where + "Static Name\n" +
                           Vlan(1, 20) + " = OCTET STRING: \"voice\"" + where + "Static Name\n" +
                           Vlan(2, 20) + " = OCTET STRING (hex): 00F000000000C0" + where + "Static Egress Ports\n" +
                           Vlan(3, 20) + " = OCTET STRING (hex): 00000000000000" + where + "Forbidden Egress Ports\n" +
                           Vlan(4, 20) + " = OCTET STRING (hex): 00F00000000000" + where + "Static Untagged Ports\n" +
                           Vlan(5, 20) + " = INTEGER: 4 (createAndGo)" + where + "Static Row Status\n" +
                           Vlan(5, 30) + " = INTEGER: 6 (destroy)" + where + "Static Row Status\n");
    EXPECT_EQ(SetRequests(sim_.port()), before);

    // Without --yes a restore asks on a terminal; without one it writes nothing.
    const ProcessOutcome unasked = Restore(QStringLiteral("a.json"), {"--menu", "VLAN"});
    EXPECT_EQ(unasked.exitCode, 1);
    EXPECT_TRUE(unasked.err.contains(QStringLiteral("give --yes to write"))) << unasked.err.toStdString();
    EXPECT_TRUE(unasked.err.contains(QStringLiteral("Nothing was written."))) << unasked.err.toStdString();
    // Without --delete-extra the row the snapshot lacks is kept, and said to be.
    EXPECT_TRUE(unasked.err.contains(QStringLiteral("row 30 is not in the snapshot: kept (--delete-extra deletes it)")))
        << unasked.err.toStdString();
    EXPECT_EQ(SetRequests(sim_.port()), before);
}

TEST_F(HeadlessRestoreTest, ValueItsFieldRefusesStopsTheRestoreBeforeAnySet) {
    ASSERT_EQ(Snapshot(QStringLiteral("a.json"), {"--menu", "VLAN"}).exitCode, 0);
    Apply(sim_.port(), {{{Vlan(1, 1), "s", "other"}}, {{Vlan(1, 10), "s", "racks"}}});
    // A name longer than the field's 32 characters.
    EditSnapshot(QStringLiteral("a.json"), QStringLiteral("long.json"), QStringLiteral("\"servers\""),
                 QStringLiteral("\"%1\"").arg(QString(40, u'n')));
    const long before = SetRequests(sim_.port());
    const ProcessOutcome run = Restore(QStringLiteral("long.json"), {"--menu", "VLAN", "--yes"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("VLAN>802.1Q>802.1Q VLAN>VLAN Static Table (row 10 changed: Static Name): Static Name:")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("Nothing was written.\n"))) << run.err.toStdString();
    EXPECT_EQ(SetRequests(sim_.port()), before);
}

TEST_F(HeadlessRestoreTest, SetTheDeviceRefusesStopsAndSaysWhatWasAndWasNotWritten) {
    ASSERT_EQ(Snapshot(QStringLiteral("a.json"), {"--menu", "Bridge"}).exitCode, 0);
    Apply(sim_.port(), {{{"1.3.6.1.4.1.171.12.15.1.1.0", "i", "2"}}, {{"1.3.6.1.4.1.171.12.15.2.1.0", "s", "region9"}}});
    // An aging time the field takes and the agent refuses (its range starts at 10).
    EditSnapshot(QStringLiteral("a.json"), QStringLiteral("refused.json"), QStringLiteral("\"Aging Time[10-1000000]\",\"value\":\"300\""),
                 QStringLiteral("\"Aging Time[10-1000000]\",\"value\":\"5\""));
    const ProcessOutcome run = Restore(QStringLiteral("refused.json"), {"--menu", "Bridge", "--yes"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Written: Bridge>Spanning Tree Algorithm (values Spanning Tree Algorithm)\n"
                                                "Bridge>802.1d>Information (values Aging Time[10-1000000]): ")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("Stopped: 1 SET of 3 written; not written:\n"
                                                "  Bridge>802.1d>Information (values Aging Time[10-1000000])\n"
                                                "  Bridge>Spanning Tree>Configuration Identification (values MSTP Name)\n")))
        << run.err.toStdString();
    EXPECT_EQ(ReadScalar("1.3.6.1.4.1.171.12.15.1.1"), "3");
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.17.4.2"), "300");
}

TEST_F(HeadlessRestoreTest, DedicatedWindowsShowTheirSettingsAsPages) {
    const ProcessOutcome route = Show(QStringLiteral("Layer 3 Management>OSPF Default Information Originate"));
    EXPECT_EQ(route.out, QStringLiteral("[Default Route]\nState    disabled\nAlways   disabled\nMettype  type2\nMetric   1\n"));
    const ProcessOutcome keys = Show(QStringLiteral("Layer 3 Management>MD5 Information"), {"--format", "csv"});
    EXPECT_EQ(keys.out, QStringLiteral("MD5 Keys\r\nKey ID,Key,Status\r\n1,area0key,active\r\n2,ripAuth22,active\r\n"
                                       "5,backbone5,active\r\n"));
}

TEST_F(HeadlessRestoreTest, DeviceCommandsAskTheWindowsQuestionAndSendOnlyWithYes) {
    const long before = SetRequests(sim_.port());
    const ProcessOutcome unasked = OnSimulator({"--command", "save"});
    EXPECT_EQ(unasked.exitCode, 1);
    EXPECT_TRUE(unasked.err.startsWith(QStringLiteral("Save Configurations into NV-RAM ? Standard input is not a terminal")))
        << unasked.err.toStdString();
    EXPECT_EQ(SetRequests(sim_.port()), before);

    const ProcessOutcome save = OnSimulator({"--command", "save", "--yes"});
    EXPECT_EQ(save.exitCode, 0) << save.err.toStdString();
    EXPECT_EQ(ReadScalar("1.3.6.1.4.1.171.12.1.2.6"), "3");
    const ProcessOutcome reset = OnSimulator({"--command", "reset=config", "--yes"});
    EXPECT_EQ(reset.exitCode, 0) << reset.err.toStdString();
    EXPECT_EQ(ReadScalar("1.3.6.1.4.1.171.12.1.2.20"), "2");
    EXPECT_EQ(SetRequests(sim_.port()), before + 2);

    // A choice the Reset entry's field does not offer is refused before the question.
    const ProcessOutcome wrong = OnSimulator({"--command", "reset=everything", "--yes"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("Reset: \"everything\" is not one of none, config, system, reset.")))
        << wrong.err.toStdString();
    EXPECT_EQ(SetRequests(sim_.port()), before + 2);
}

}  // namespace
