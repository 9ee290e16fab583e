// Values of any octets: the --show and snapshot JSON stays valid, reads back byte for byte, and a
// snapshot compares equal with itself.
#include "catalogue/model/entry_reading.h"
#include "catalogue/model/snapshot_diff.h"
#include "engine/hex_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const struct {
    const char *what;
    std::string octets;
} kValues[] = {
    {"byte FF", "\xFF"},
    {"the text y-diaeresis", "\xC3\xBF"},
    {"overlong slash", "\xC0\xAF"},
    {"overlong three-octet NUL", "\xE0\x80\x80"},
    {"surrogate", "\xED\xA0\x80"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
    {"lead octet F5", std::string("\xF5\x80\x80\x80")},
    {"cut-short sequence", "ab\xE2\x82"},
    {"NUL and escape", std::string("a\0\x1b[31mb", 9)},
    {"C1 control", "\xC2\x9B" "2J"},
    {"plain UTF-8", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
};

// What a JSON reader gets back for a value: the text's octets, or the octets of its hex form.
std::string Octets(const QJsonValue &v) {
    if (v.isObject()) return FromHex(v.toObject()["hex"].toString().toStdString());
    return v.toString().toStdString();
}

EntryReading ReadingOf(const std::vector<std::string> &values) {
    PageReading table;
    table.table = true;
    table.columns = {"Index", "Name"};
    table.keyColumns = 1;
    PageReading editor;
    editor.columns = {"Label", "Value"};
    for (std::size_t k = 0; k < values.size(); ++k) {
        table.rows.push_back({std::to_string(k + 1), values[k]});
        table.instances.push_back(std::to_string(k + 1));
        editor.rows.push_back({"Value " + std::to_string(k + 1), values[k]});
    }
    return {{"Menu", "Entry"}, "Entry", {table, editor}};
}

TEST(SnapshotBytes, ShowJsonIsValidAndReadsBackEveryOctet) {
    std::vector<std::string> values;
    for (const auto &v : kValues) values.push_back(v.octets);
    QJsonParseError error;
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(FormatJson(ReadingOf(values))), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray rows = json["pages"][0]["rows"].toArray();
    const QJsonArray scalars = json["pages"][1]["values"].toArray();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(values.size()));
    for (std::size_t k = 0; k < values.size(); ++k) {
        const auto i = static_cast<qsizetype>(k);
        EXPECT_EQ(Octets(rows[i].toArray()[1]), values[k]) << kValues[k].what;
        EXPECT_EQ(Octets(scalars[i].toObject()["value"]), values[k]) << kValues[k].what;
    }
    // Byte FF and the text "ÿ" are told apart.
    EXPECT_NE(rows[0].toArray()[1], rows[1].toArray()[1]);
}

TEST(SnapshotBytes, SnapshotOfAnyOctetsComparesEqualWithItselfAndNotWithAnother) {
    std::vector<std::string> values;
    for (const auto &v : kValues) values.push_back(v.octets);
    const auto snapshot = [](const std::vector<std::string> &v) {
        std::string show = FormatJson(ReadingOf(v));
        show.pop_back();
        return "{\"snapshot\":1,\"entries\":[{\"entry\":[\"Menu\",\"Entry\"],\"show\":" + show +
               ",\"compare\":[{\"keyColumns\":1,\"instances\":[],\"moving\":[]},{\"keyColumns\":0,\"instances\":[],"
               "\"moving\":[]}]}]}";
    };
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const std::string &text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(text));
        return file.fileName();
    };
    const QJsonObject a = LoadSnapshot(write("a.json", snapshot(values)));
    EXPECT_TRUE(CompareSnapshots(a, a, true).empty());

    // Byte FF in place of the text "ÿ" is a difference, and the text says which is which.
    std::vector<std::string> swapped = values;
    swapped[1] = "\xFF";
    const std::vector<SnapshotDifference> d = CompareSnapshots(a, LoadSnapshot(write("b.json", snapshot(swapped))), true);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(DifferencesText(d), "Menu > Entry row 2: Name: \"\xC3\xBF\" -> hex:FF\n"
                                  "Menu > Entry: Value 2: \"\xC3\xBF\" -> hex:FF\n");
}

}  // namespace
