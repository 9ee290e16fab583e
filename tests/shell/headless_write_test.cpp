// Scripted writes (--set) against the simulator, read back with net-snmp's own tools.
#include "headless_fixture.h"

namespace {

const QString kInformation = QStringLiteral("Basic Configuration>MIB II>Information");
const QString kVlans = QStringLiteral("VLAN>802.1Q>802.1Q VLAN>VLAN Static Table");
const QString kEthernet = QStringLiteral("Basic Configuration>ACL Management>Access Profile>Ethernet Table>ACL Ethernet Table");
const QString kPacketMasks =
    QStringLiteral("Basic Configuration>ACL Management>Access Profile>Packet Content Table>ACL Packet Mask Table");
const QString kContact = QStringLiteral("1.3.6.1.2.1.1.4.0");
const QString kLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");
const QString kName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kVlanName = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.1.");
const QString kVlanStatus = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5");
const QString kSetRequests = QStringLiteral("1.3.6.1.2.1.11.17.0");  // snmpInSetRequests

class HeadlessWriteTest : public HeadlessTest {
protected:
    ProcessOutcome Set(const QString &entry, const QStringList &rest) { return OnSimulator(QStringList{"--set", entry} + rest); }

    // The agent's values as snmpget prints them, strings without their quotes.
    QStringList Get(const QStringList &oids) {
        const ProcessOutcome run = runProcess(QStringLiteral("snmpget"), QStringList{"-v2c", "-c", "public", "-M", "/dev/null", "-Oqv",
                                                                                     sim_.agent()} + oids);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QStringList values = run.out.split(u'\n', Qt::SkipEmptyParts);
        for (QString &v : values)
            if (v.startsWith(u'"') && v.endsWith(u'"')) v = v.mid(1, v.size() - 2).trimmed();
        return values;
    }

    QString Get(const QString &oid) { return Get(QStringList{oid}).value(0); }

    QStringList Walk(const QString &oid) {
        const ProcessOutcome run = runProcess(QStringLiteral("snmpwalk"), {"-v2c", "-c", "public", "-M", "/dev/null", "-On", sim_.agent(), oid});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out.split(u'\n', Qt::SkipEmptyParts);
    }

    int SetRequests() { return Get(kSetRequests).toInt(); }
};

TEST_F(HeadlessWriteTest, EditorValuesGoInOneSetWithExactlyTheNamedVariablesAndADryRunSendsNone) {
    const QString name = Get(kName);
    const int before = SetRequests();
    const QStringList values = {"Contact=noc desk", " location =rack 4"};

    const ProcessOutcome dry = Set(kInformation, QStringList{"--dry-run"} + values);
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_EQ(dry.out.split(u'\n', Qt::SkipEmptyParts),
              QStringList({"1.3.6.1.2.1.1.4.0 = OCTET STRING: \"noc desk\"  # Contact",
                           "1.3.6.1.2.1.1.6.0 = OCTET STRING: \"rack 4\"  # Location"}));
    EXPECT_EQ(SetRequests(), before);
    EXPECT_NE(Get(kContact), QStringLiteral("noc desk"));

    ExpectSuccess(Set(kInformation, values));
    EXPECT_EQ(Get({kContact, kLocation, kName}), QStringList({"noc desk", "rack 4", name}));
    EXPECT_EQ(SetRequests(), before + 1);
}

TEST_F(HeadlessWriteTest, ValueHoldingASwitchIsWrittenAsItStandsAndChangesNoSetting) {
    // Read as a switch, it would replace the write community and the agent would not answer.
    ExpectSuccess(Set(kInformation, {"Location=bay 2 /Wnope"}));
    EXPECT_EQ(Get(kLocation), QStringLiteral("bay 2 /Wnope"));
}

TEST_F(HeadlessWriteTest, TableRowIsEditedAddedAndDeletedThroughItsRowStatus) {
    ExpectSuccess(Set(kVlans, {"--row", "20", "Static Name=phones"}));
    EXPECT_EQ(Get(kVlanName + "20"), QStringLiteral("phones"));

    ExpectSuccess(Set(kVlans, {"--add", "--row", "30", "Static Name=lab", "Static Egress Ports=0000000000000F"}));
    EXPECT_EQ(Get({kVlanName + "30", kVlanStatus + ".30", "1.3.6.1.2.1.17.7.1.4.3.1.2.30"}),
              QStringList({"lab", "1", "00 00 00 00 00 00 0F"}));

    // A dry run of a deletion names the status alone and leaves the row where it is.
    const ProcessOutcome dry = Set(kVlans, {"--delete", "--row", "30", "--dry-run"});
    EXPECT_EQ(dry.out, QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5.30 = INTEGER: 6 (destroy)  # Static Row Status\n"));
    ExpectSuccess(Set(kVlans, {"--delete", "--row", "30"}));
    const QStringList statuses = Walk(kVlanStatus);
    EXPECT_EQ(statuses.size(), 3) << statuses.join(u'\n').toStdString();
    EXPECT_FALSE(statuses.join(u'\n').contains(kVlanStatus + ".30 ")) << statuses.join(u'\n').toStdString();
}

TEST_F(HeadlessWriteTest, RefusedValueStopsTheWholeWriteWithTheFieldsMessage) {
    const QString contact = Get(kContact);
    const int before = SetRequests();
    const QString longName(33, u'n');
    const struct {
        QString entry;
        QStringList rest;
        const char *message;
    } cases[] = {
        {kInformation, {"Contact=x", "Object ID=1.3.6.1"}, "Object ID is read-only."},
        {kInformation, {"Contact=x", "Bogus=1"}, "There is no value \"Bogus\" here; the labels are Descr, Object ID"},
        {kInformation, {"Contact=x", "contact=y"}, "Contact is named twice."},
        {"VLAN>DoubleVLAN>Global State", {"Double VLAN Global State=maybe"}, "\"maybe\" is not one of disabled, enabled."},
        {kVlans, {"--add", "--row", "5000", "Static Name=x"}, "Index: Please enter a number between 1 and 4094!"},
        {kVlans, {"--add", "--row", "12a", "Static Name=x"}, "Index: \"12a\" holds characters this field does not take."},
        {kVlans, {"--add", "--row", "31"}, "A new row needs Static Name."},
        {kVlans, {"--row", "20", "Static Name=" + longName}, "Static Name: Please enter a string whose length"},
        {kInformation, {"Contact=" + QString(300, u'c')}, "Contact: The text is 300 octets long; at most 255 fit"},
        {kEthernet, {"--add", "--row", "9", "Src MAC Addr Mask=00112233445566AA"},
         "Src MAC Addr Mask: A MAC address is 6 octets (12 hex digits); this one has 8"},
        {kEthernet, {"--add", "--row", "9", "Src MAC Addr Mask=0011223344"},
         "Src MAC Addr Mask: A MAC address is 6 octets (12 hex digits); this one has 5"},
        {kPacketMasks, {"--add", "--row", "12", "Offset 0 to 15=00112233445566778899AABBCCDDEEFF00112233"},
         "Offset 0 to 15: Please enter a hex string whose length is less than 32!"},
        {kVlans, {"--row", "20", "Static Name=ok", "Static Egress Ports=zz"},
         "Static Egress Ports: \"zz\" is not a port list such as 1-4,49,52."},
        {kVlans, {"--row", "20", "Static Egress Ports=1-4,53"}, "Static Egress Ports: \"1-4,53\" names a port outside 1-52."},
        {kVlans, {"--row", "20", "Static Untagged Ports=0"}, "Static Untagged Ports: \"0\" names a port outside 1-52."},
        {kVlans, {"--row", "20", "Static Row Status=destroy"}, "use --add or --delete"},
        {kVlans, {"--row", "20", "Static Row Status=6"}, "use --add or --delete"},
        {kVlans, {"--row", "20", "Static Row Status=4"}, "use --add or --delete"},
        {kVlans, {"--add", "--row", "20", "Static Name=x"}, "The row \"20\" exists already"},
        {kVlans, {"--row", "20", "Index=21"}, "Index is part of the row's index"},
        {kVlans, {"--row", "7", "Static Name=x"}, "There is no row \"7\" in \"VLAN Static Table\"."},
        {kVlans, {"Static Name=x"}, "This is a table"},
        {"VLAN>802.1Q>802.1Q VLAN", {"--row", "1", "Static Name=x"}, "several table pages"},
        {"VLAN>802.1Q>802.1Q VLAN>No Such Page", {"--row", "1", "Static Name=x"}, "There is no page \"No Such Page\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((c.entry + u' ' + c.rest.join(u' ')).toStdString());
        const ProcessOutcome run = Set(c.entry, c.rest);
        ExpectFailure(run, QString::fromUtf8(c.message));
        EXPECT_EQ(run.exitCode, 1);
    }
    EXPECT_EQ(SetRequests(), before);
    EXPECT_EQ(Get(kContact), contact);
    EXPECT_EQ(Walk(kVlanStatus).size(), 3);
}

TEST_F(HeadlessWriteTest, PortListTypedAsRangesWritesTheOctetsOfItsHex) {
    const ProcessOutcome hex = Set(kVlans, {"--row", "20", "Static Egress Ports=F0000000000090", "--dry-run"});
    ASSERT_EQ(hex.exitCode, 0) << hex.err.toStdString();
    const ProcessOutcome ranges = Set(kVlans, {"--row", "20", "Static Egress Ports=1-4, 49,52", "--dry-run"});
    ASSERT_EQ(ranges.exitCode, 0) << ranges.err.toStdString();
    EXPECT_EQ(ranges.out, hex.out);
    EXPECT_TRUE(ranges.out.contains("F0 00 00 00 00 00 90") || ranges.out.contains("F0000000000090"))
        << ranges.out.toStdString();

    ExpectSuccess(Set(kVlans, {"--row", "20", "Static Egress Ports=1-4,49,52"}));
    EXPECT_EQ(Get("1.3.6.1.2.1.17.7.1.4.3.1.2.20"), QStringLiteral("F0 00 00 00 00 00 90"));
    const ProcessOutcome shown = OnSimulator({"--show", "VLAN>802.1Q>802.1Q VLAN"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains("1-4,49,52")) << shown.out.toStdString();
}

TEST_F(HeadlessWriteTest, AddOverAnExistingRowSendsNothingAndTheRowKeepsItsValues) {
    const int before = SetRequests();
    const ProcessOutcome run = Set(kVlans, {"--add", "--row", "20", "Static Name=x", "--dry-run"});
    ExpectFailure(run, QStringLiteral("The row \"20\" exists already: change it with --row, or delete it first."));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Get(kVlanName + "20"), QStringLiteral("voice"));
    EXPECT_EQ(SetRequests(), before);
}

}  // namespace
