// Comparing two snapshots: rows by their index, values that always move left out unless asked for.
#include "catalogue/model/snapshot_diff.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

// A snapshot of one table entry: rows of (index, name, counter), and one editor entry.
QJsonObject Snapshot(const QJsonArray &rows, const QJsonArray &instances, const QString &contact, bool interfacesRead = true) {
    const QJsonObject table{{"page", ""}, {"kind", "table"}, {"columns", QJsonArray{"Index", "Name", "In Octets"}}, {"rows", rows}};
    QJsonObject interfaces{{"entry", QJsonArray{"Menu", "Interfaces"}}};
    if (interfacesRead) {
        interfaces["show"] = QJsonObject{{"pages", QJsonArray{table}}};
        interfaces["compare"] = QJsonArray{QJsonObject{{"keyColumns", 1}, {"instances", instances}, {"moving", QJsonArray{"In Octets"}}}};
    } else {
        interfaces["skipped"] = QStringLiteral("SNMP request timed out!");
    }
    const QJsonObject editor{{"page", ""}, {"kind", "editor"}, {"values", QJsonArray{QJsonObject{{"label", "Contact"}, {"value", contact}}}}};
    const QJsonObject information{{"entry", QJsonArray{"Menu", "Information"}},
                                  {"show", QJsonObject{{"pages", QJsonArray{editor}}}},
                                  {"compare", QJsonArray{QJsonObject{{"keyColumns", 0}, {"instances", QJsonArray{}}, {"moving", QJsonArray{}}}}}};
    return QJsonObject{{"snapshot", 1}, {"entries", QJsonArray{interfaces, information}}};
}

QJsonArray Row(const QString &index, const QString &name, const QString &octets) { return QJsonArray{index, name, octets}; }

TEST(SnapshotDiff, RowsAreMatchedByTheirIndexAndMovingValuesCountOnlyWhenAsked) {
    const QJsonObject a = Snapshot({Row("1", "up", "10"), Row("3", "wan", "30")}, {"1", "3"}, "noc");
    // Row 2 appears between them, every counter moved, row 3 was renamed.
    const QJsonObject b = Snapshot({Row("1", "up", "11"), Row("2", "new", "0"), Row("3", "dmz", "31")}, {"1", "2", "3"}, "noc");

    const std::vector<SnapshotDifference> still = CompareSnapshots(a, b, false);
    ASSERT_EQ(still.size(), 2u) << DifferencesText(still);
    EXPECT_EQ(DifferencesText(still), "Menu > Interfaces row 3: Name: \"wan\" -> \"dmz\"\n"
                                      "Menu > Interfaces row 2: (none) -> [\"2\", \"new\", \"0\"]\n");
    EXPECT_EQ(still[0].row, QStringLiteral("3"));
    EXPECT_EQ(still[0].value, QStringLiteral("Name"));
    EXPECT_TRUE(still[1].a.isUndefined());

    // The counters of rows 1 and 3 join.
    EXPECT_EQ(CompareSnapshots(a, b, true).size(), 4u);
    EXPECT_TRUE(CompareSnapshots(a, a, true).empty());
}

TEST(SnapshotDiff, EntriesSkippedOnOneSideAndChangedValuesAreNamed) {
    const QJsonObject a = Snapshot({Row("1", "up", "10")}, {"1"}, "noc");
    const QJsonObject b = Snapshot({}, {}, "desk", false);
    const std::vector<SnapshotDifference> differences = CompareSnapshots(a, b, false);
    EXPECT_EQ(DifferencesText(differences), "Menu > Interfaces: \"read\" -> \"skipped: SNMP request timed out!\"\n"
                                            "Menu > Information: Contact: \"noc\" -> \"desk\"\n");
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(DifferencesJson(differences))).object();
    EXPECT_FALSE(json["equal"].toBool());
    EXPECT_EQ(json["differences"].toArray()[1].toObject()["b"].toString(), QStringLiteral("desk"));
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(DifferencesJson({}))).object()["equal"].toBool());
}

}  // namespace
