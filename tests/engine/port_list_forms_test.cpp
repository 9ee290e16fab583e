// Port lists in files and comparisons: CSV and JSON keep the hex and add the ranges beside it, and
// the comparison of snapshots shows ranges.
#include "catalogue/model/entry_reading.h"
#include "catalogue/model/snapshot_diff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// A VLAN table with two port-list columns and an editor with one port-list row.
EntryReading Vlans(const std::string &egressOfTen) {
    PageReading table;
    table.caption = "Static";
    table.table = true;
    table.columns = {"Index", "Egress Ports", "Name", "Untagged Ports"};
    table.portLists = {false, true, false, true};
    table.keyColumns = 1;
    table.rows = {{"1", "FFFFFFFFFFFFF0", "default", "00000000000000"}, {"10", egressOfTen, "voice", "(NOTDONE)"}};
    table.instances = {"1", "10"};
    PageReading editor;
    editor.caption = "Guest";
    editor.columns = {"Label", "Value"};
    editor.rows = {{"Guest VLAN", "10"}, {"Guest Ports", "C0000000000000"}};
    editor.portLists = {false, true};
    return {{"VLAN", "802.1Q"}, "VLANs", {table, editor}};
}

TEST(PortListForms, CsvAddsARangesColumnAfterThePagesOwnColumns) {
    EXPECT_EQ(FormatCsv(Vlans("F0000000000090")),
              "Static\r\n"
              "Index,Egress Ports,Name,Untagged Ports,Egress Ports (ports),Untagged Ports (ports)\r\n"
              "1,FFFFFFFFFFFFF0,default,00000000000000,1-52,none\r\n"
              "10,F0000000000090,voice,(NOTDONE),\"1-4,49,52\",\r\n"
              "\r\n"
              "Guest\r\n"
              "Label,Value,Value (ports)\r\n"
              "Guest VLAN,10,\r\n"
              "Guest Ports,C0000000000000,1-2\r\n");
    // A page without port lists keeps its columns as they were.
    EntryReading plain = Vlans("00");
    plain.pages.resize(1);
    plain.pages[0].portLists.assign(4, false);
    EXPECT_EQ(FormatCsv(plain).substr(0, 42), "Static\r\nIndex,Egress Ports,Name,Untagged P");
    EXPECT_EQ(FormatCsv(plain).find("(ports)"), std::string::npos);
}

TEST(PortListForms, JsonAddsPortsBesideTheHex) {
    const std::string text = FormatJson(Vlans("F0000000000090"));
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << text;
    const QJsonObject table = json["pages"][0].toObject();
    EXPECT_EQ(table["rows"][1][1].toString(), "F0000000000090") << "the hex is kept";
    const QJsonArray ports = table["ports"].toArray();
    ASSERT_EQ(ports.size(), 2) << "one object per row";
    EXPECT_EQ(ports[0].toObject(), (QJsonObject{{"Egress Ports", "1-52"}, {"Untagged Ports", "none"}}));
    EXPECT_EQ(ports[1].toObject(), (QJsonObject{{"Egress Ports", "1-4,49,52"}, {"Untagged Ports", QJsonValue::Null}}));
    const QJsonArray values = json["pages"][1]["values"].toArray();
    EXPECT_FALSE(values[0].toObject().contains("ports"));
    EXPECT_EQ(values[1]["value"].toString(), "C0000000000000");
    EXPECT_EQ(values[1]["ports"].toString(), "1-2");
}

// A snapshot holding the --show JSON of the entry, as --snapshot writes it.
QJsonObject Snapshot(const EntryReading &reading) {
    const QJsonObject show = QJsonDocument::fromJson(QByteArray::fromStdString(FormatJson(reading))).object();
    const QJsonObject hints{{"keyColumns", 1}, {"instances", QJsonArray{"1", "10"}}, {"moving", QJsonArray{}}};
    const QJsonObject entry{{"entry", QJsonArray{"VLAN", "802.1Q"}}, {"show", show}, {"compare", QJsonArray{hints, QJsonObject{}}}};
    return QJsonObject{{"snapshot", 1}, {"entries", QJsonArray{entry}}};
}

TEST(PortListForms, SnapshotDifferencesShowPortListsAsRanges) {
    EntryReading before = Vlans("F0000000000090");
    EntryReading after = Vlans("F8000000000000");
    after.pages[1].rows[1][1] = "80000000000000";
    after.pages[0].rows.push_back({"20", "00000000000010", "cameras", "00000000000000"});
    after.pages[0].instances.push_back("20");
    const std::vector<SnapshotDifference> differences = CompareSnapshots(Snapshot(before), Snapshot(after), false);
    EXPECT_EQ(DifferencesText(differences),
              "VLAN > 802.1Q [Static] row 10: Egress Ports: 1-4,49,52 -> 1-5\n"
              "VLAN > 802.1Q [Static] row 20: (none) -> [\"20\", \"52\", \"cameras\", \"none\"]\n"
              "VLAN > 802.1Q [Guest]: Guest Ports: 1-2 -> 1\n");
    // JSON keeps the exact values and adds the ranges.
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(DifferencesJson(differences))).object();
    const QJsonObject first = json["differences"][0].toObject();
    EXPECT_EQ(first["a"].toString(), "F0000000000090");
    EXPECT_EQ(first["aPorts"].toString(), "1-4,49,52");
    EXPECT_EQ(first["bPorts"].toString(), "1-5");
    EXPECT_FALSE(json["differences"][1].toObject().contains("aPorts"));
}

}  // namespace
