// Device snapshots (--snapshot) and their comparison (--diff), against the simulator.
#include "headless_fixture.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/snapshot.h"
#include "engine/module_version.h"

#include <QFile>
#include <QJsonArray>

namespace {

using HeadlessSnapshotTest = HeadlessTest;

TEST_F(HeadlessSnapshotTest, DiffOfTwoSnapshotsNamesExactlyTheEntryRowAndValueASetChanged) {
    const ProcessOutcome first = Snapshot(QStringLiteral("a.json"), {"--menu", "vlan"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const std::size_t count = ReadableEntries(MenuCatalogue::Instance(), "VLAN").size();
    const QStringList progress = first.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(progress.size(), static_cast<qsizetype>(count + 1)) << first.err.toStdString();
    EXPECT_TRUE(progress.first().startsWith(QStringLiteral("[1/%1] VLAN > ").arg(count))) << progress.first().toStdString();
    EXPECT_EQ(progress.last(), QStringLiteral("%1 entries read, 0 skipped.").arg(count));
    const QJsonObject snapshot = ParseJson(first.out);
    EXPECT_EQ(snapshot["device"].toString(), QStringLiteral("127.0.0.1:%1").arg(sim_.port()));
    EXPECT_EQ(snapshot["version"].toString(), QLatin1String(kModuleVersion));
    EXPECT_FALSE(snapshot["time"].toString().isEmpty());
    EXPECT_EQ(snapshot["entries"].toArray().size(), static_cast<qsizetype>(count));

    ASSERT_EQ(OnSimulator({"--set", "VLAN>802.1Q>802.1Q VLAN>VLAN Static Table", "--row", "20", "Static Name=phones"}).exitCode, 0);
    ASSERT_EQ(Snapshot(QStringLiteral("b.json"), {"--menu", "VLAN"}).exitCode, 0);

    const ProcessOutcome text = Diff(QStringLiteral("a.json"), QStringLiteral("b.json"));
    EXPECT_EQ(text.exitCode, 1) << text.err.toStdString();
    EXPECT_EQ(text.out, QStringLiteral("VLAN > 802.1Q > 802.1Q VLAN [VLAN Static Table] row 20: Static Name: \"voice\" -> \"phones\"\n"));
    const ProcessOutcome json = Diff(QStringLiteral("a.json"), QStringLiteral("b.json"), {"--format", "json"});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonArray differences = ParseJson(json.out)["differences"].toArray();
    ASSERT_EQ(differences.size(), 1) << json.out.toStdString();
    const QJsonObject d = differences[0].toObject();
    EXPECT_EQ(d["entry"].toArray(), QJsonArray({"VLAN", "802.1Q", "802.1Q VLAN"}));
    EXPECT_EQ(d["page"].toString(), QStringLiteral("VLAN Static Table"));
    EXPECT_EQ(d["row"].toString(), QStringLiteral("20"));
    EXPECT_EQ(d["value"].toString(), QStringLiteral("Static Name"));
    EXPECT_EQ(d["a"].toString(), QStringLiteral("voice"));
    EXPECT_EQ(d["b"].toString(), QStringLiteral("phones"));

    const ProcessOutcome same = Diff(QStringLiteral("a.json"), QStringLiteral("a.json"));
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.isEmpty()) << same.out.toStdString();
    const ProcessOutcome notSnapshot = Diff(QStringLiteral("a.json"), QStringLiteral("missing.json"));
    EXPECT_EQ(notSnapshot.exitCode, 2);
    EXPECT_TRUE(notSnapshot.err.contains(QStringLiteral("missing.json"))) << notSnapshot.err.toStdString();
}

TEST_F(HeadlessSnapshotTest, WholeCatalogueSnapshotReadsEveryEntry) {
    const ProcessOutcome run = Snapshot(QStringLiteral("all.json"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::size_t count = ReadableEntries(MenuCatalogue::Instance()).size();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("%1 entries read, 0 skipped.\n").arg(count))) << run.err.right(300).toStdString();
    const QJsonArray entries = ParseJson(run.out)["entries"].toArray();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(count));
    for (const QJsonValue &e : entries) EXPECT_TRUE(e["show"].isObject()) << e["entry"].toVariant().toStringList().join(u'>').toStdString();
}

TEST_F(HeadlessSnapshotTest, EntriesTheDeviceLacksAreSkippedWithTheirReasonAndTheRestIsRead) {
    // An agent with the system group only, over SNMPv1, where a missing scalar is an error.
    QFile profile(dir_.filePath(QStringLiteral("system.profile")));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
    profile.write("object 1.3.6.1.2.1.1.1.0 sysDescr DisplayString ro value=\"bare\"\n"
                  "object 1.3.6.1.2.1.1.2.0 sysObjectID ObjectId ro value=1.3.6.1.4.1.171\n"
                  "object 1.3.6.1.2.1.1.3.0 sysUpTime TimeTicks ro live=uptime\n"
                  "object 1.3.6.1.2.1.1.4.0 sysContact DisplayString rw value=\"c\"\n"
                  "object 1.3.6.1.2.1.1.5.0 sysName DisplayString rw value=\"n\"\n"
                  "object 1.3.6.1.2.1.1.6.0 sysLocation DisplayString rw value=\"l\"\n"
                  "object 1.3.6.1.2.1.1.7.0 sysServices Integer ro value=6\n");
    profile.close();
    SimRunner bare({"--no-default-profile", "--profile", profile.fileName()});
    const QString module = LocalLayout("Version=0\nAgentPort=" + QByteArray::number(bare.port()) + "\n");
    const ProcessOutcome run = Snapshot(QStringLiteral("bare.json"), {"--menu", "Basic Configuration"}, module);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("] Basic Configuration > MIB II > Information\n"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral(": skipped, "))) << run.err.toStdString();
    int skipped = 0;
    for (const QJsonValue &e : ParseJson(run.out)["entries"].toArray()) {
        const QString path = e["entry"].toVariant().toStringList().join(u'>');
        if (path == QStringLiteral("Basic Configuration>MIB II>Information")) {
            EXPECT_EQ(e["show"]["pages"][0]["values"][0]["value"].toString(), QStringLiteral("bare"));
        }
        if (e["skipped"].isString()) {
            ++skipped;
            EXPECT_FALSE(e["skipped"].toString().isEmpty()) << path.toStdString();
        }
    }
    EXPECT_GT(skipped, 0);
}

TEST_F(HeadlessSnapshotTest, DeviceThatStopsAnsweringEndsTheSnapshotAfterAFewTimeOuts) {
    const QString module = LocalLayout("Version=1\nAgentPort=" + QByteArray::number(ClosedPort()) + "\n");
    const ProcessOutcome run = Snapshot(QStringLiteral("none.json"), {}, module);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    // Every entry but the last that timed out is recorded as skipped; the last ends the run.
    ASSERT_EQ(lines.size(), kGiveUpAfterTimeOuts) << run.err.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(": skipped, SNMP request timed out!"))) << lines[0].toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("SNMP request timed out! (127.0.0.1:"))) << lines.last().toStdString();
}

TEST_F(HeadlessSnapshotTest, RedactedSnapshotHoldsNoSecretYetADiffShowsItChanged) {
    const QString entry = QStringLiteral("Security>802.1X>MAC -based Access Control>Control Table");
    ASSERT_EQ(OnSimulator({"--set", entry, "Password=hunter2"}).exitCode, 0);
    const ProcessOutcome first = Snapshot(QStringLiteral("a.json"), {"--menu", "Security", "--redact"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_FALSE(first.out.contains(QStringLiteral("hunter2")));
    EXPECT_TRUE(ParseJson(first.out)["redacted"].toBool());
    ASSERT_EQ(OnSimulator({"--set", entry, "Password=hunter3"}).exitCode, 0);
    const ProcessOutcome second = Snapshot(QStringLiteral("b.json"), {"--menu", "Security", "--redact"});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_FALSE(second.out.contains(QStringLiteral("hunter3")));

    const ProcessOutcome diff = Diff(QStringLiteral("a.json"), QStringLiteral("b.json"));
    EXPECT_EQ(diff.exitCode, 1) << diff.err.toStdString();
    const QStringList lines = diff.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << diff.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Security  > 802.1X > MAC -based Access Control > Control Table: Password: \"(redacted ")))
        << lines[0].toStdString();
    // The same secret gives the same mark: a snapshot compares equal with one taken again.
    ASSERT_EQ(Snapshot(QStringLiteral("c.json"), {"--menu", "Security", "--redact"}).exitCode, 0);
    EXPECT_EQ(Diff(QStringLiteral("b.json"), QStringLiteral("c.json")).exitCode, 0);
}

}  // namespace
