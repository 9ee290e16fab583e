// Comparing two snapshots: rows by their index, values that always move left out unless asked for.
#include "catalogue/model/snapshot_diff.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <sys/stat.h>

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

TEST(SnapshotDiff, CaptionsAndRowKeysFromTheFilesReachTheTerminalWithoutControlCharacters) {
    const QJsonObject a = Snapshot(QJsonArray{QJsonValue(Row("\x1b]0;owned\x07", "up", "1"))}, {}, "noc\x1b[2J");
    QJsonObject b = Snapshot({}, {}, "desk");
    QJsonArray entries = b["entries"].toArray();
    QJsonObject renamed = entries[1].toObject();
    renamed["entry"] = QJsonArray{"Menu\x1b[31m", "Information"};
    entries.append(renamed);
    b["entries"] = entries;
    const std::string text = DifferencesText(CompareSnapshots(a, b, false));
    EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
    EXPECT_EQ(text.find('\x07'), std::string::npos) << text;
    EXPECT_NE(text.find("row .]0;owned.: ["), std::string::npos) << text;
    EXPECT_NE(text.find("Menu.[31m > Information"), std::string::npos) << text;
    EXPECT_NE(text.find("\"noc\\u001b[2J\""), std::string::npos) << text;
}

TEST(SnapshotDiff, AFileNamingRowsValuesOrEntriesTwiceIsEqualToItself) {
    // Two rows with one index, two values with one label, the same entry twice...
    QJsonObject s = Snapshot({Row("1", "up", "1"), Row("1", "down", "2")}, {}, "noc");
    QJsonArray entries = s["entries"].toArray();
    // ... and two columns with one caption.
    QJsonObject interfaces = entries[0].toObject();
    QJsonObject table = interfaces["show"].toObject()["pages"].toArray()[0].toObject();
    table["columns"] = QJsonArray{"Index", "Name", "Name"};
    interfaces["show"] = QJsonObject{{"pages", QJsonArray{table}}};
    entries[0] = interfaces;
    QJsonObject information = entries[1].toObject();
    QJsonObject show = information["show"].toObject();
    QJsonArray pages = show["pages"].toArray();
    QJsonObject editor = pages[0].toObject();
    editor["values"] = QJsonArray{QJsonObject{{"label", "Contact"}, {"value", "a"}}, QJsonObject{{"label", "Contact"}, {"value", "b"}}};
    pages[0] = editor;
    show["pages"] = pages;
    information["show"] = show;
    entries[1] = information;
    QJsonObject again = information;
    again["show"] = QJsonObject{{"pages", QJsonArray{}}};
    entries.append(again);
    s["entries"] = entries;
    EXPECT_TRUE(CompareSnapshots(s, s, true).empty()) << DifferencesText(CompareSnapshots(s, s, true));
}

TEST(SnapshotDiff, FilesThatAreNoSnapshotsAreRefusedNamingTheFile) {
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &body) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        return file.fileName();
    };
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.json"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const struct {
        QString file;
        const char *says;
    } cases[] = {
        {write("bare.json", R"({"snapshot":1})"), "is not a snapshot"},
        {write("string.json", R"({"snapshot":1,"entries":"x"})"), "is not a snapshot"},
        {write("number.json", R"({"snapshot":1,"entries":[1]})"), "is not a snapshot"},
        {write("pathless.json", R"({"snapshot":1,"entries":[{"show":{}}]})"), "is not a snapshot"},
        {fifo, "is not a regular file"},  // must not wait for a writer
        {zero, "is not a regular file"},  // must not read without end
        {dir.path(), "is not a regular file"},
        {dir.filePath(QStringLiteral("absent.json")), "cannot be read"},
    };
    for (const auto &c : cases) {
        try {
            LoadSnapshot(c.file);
            ADD_FAILURE() << "accepted " << c.file.toStdString();
        } catch (const SnapshotUnreadable &error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("\"" + c.file.toStdString() + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
        }
    }
}

}  // namespace
