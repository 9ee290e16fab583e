#include "engine/messages.h"

#include "engine/coded_error.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A scratch directory for catalogue files; the built-in texts are restored after each test.
class CatalogueFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qsw-catalogues-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        messages::ResetToBuiltIn();
        fs::remove_all(dir_);
    }
    std::string Write(const std::string &name, const std::string &content) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    fs::path dir_;
};

TEST_F(CatalogueFiles, TakesOneEntryPerNonBlankLine) {
    const std::string longLine(1500, 'x');
    const struct {
        const char *what;
        std::string content;
        std::vector<std::string> entries;
    } cases[] = {
        {"blank lines do not count", "first\n\nsecond\n", {"first", "second"}},
        {"blank-only lines do not count", "first\n   \n\t \nsecond\n", {"first", "second"}},
        {"leading blanks are kept", "  indented\ntrailing  \n", {"  indented", "trailing  "}},
        {"CRLF line ends", "first\r\n\r\nsecond\r\n", {"first", "second"}},
        {"no final newline", "first\nsecond", {"first", "second"}},
        {"a long line gives several entries", longLine + "\nnext\n",
         {std::string(1023, 'x'), std::string(477, 'x'), "next"}},
        {"a line of exactly 1023 characters", std::string(1023, 'y') + "\r\nnext\n", {std::string(1023, 'y'), "next"}},
        {"an escaped line break", "one\\ntwo\n", {"one\ntwo"}},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(messages::LoadCatalogue(Write("snmp.err", c.content), MessageCatalogue::Snmp)) << c.what;
        for (std::size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(messages::Text(MessageCatalogue::Snmp, static_cast<int>(i)), c.entries[i]) << c.what << ", entry " << i;
        // The entry after the file's last is the built-in one of that number.
        EXPECT_EQ(messages::Text(MessageCatalogue::Snmp, static_cast<int>(c.entries.size())),
                  messages::BuiltIn(MessageCatalogue::Snmp)[c.entries.size()])
            << c.what;
        messages::ResetToBuiltIn();
    }
}

TEST_F(CatalogueFiles, KeepsTheCurrentListWhenAFileHasNoEntries) {
    const std::string builtIn = messages::Text(MessageCatalogue::Common, 3);
    EXPECT_FALSE(messages::LoadCatalogue(Write("empty.err", ""), MessageCatalogue::Common));
    EXPECT_FALSE(messages::LoadCatalogue(Write("blank.err", "\n  \r\n\t\n"), MessageCatalogue::Common));
    EXPECT_FALSE(messages::LoadCatalogue((dir_ / "missing.err").string(), MessageCatalogue::Common));
    EXPECT_EQ(messages::Text(MessageCatalogue::Common, 3), builtIn);

    ASSERT_TRUE(messages::LoadCatalogue(Write("one.err", "replaced\n"), MessageCatalogue::Common));
    EXPECT_FALSE(messages::LoadCatalogue(Write("empty.err", ""), MessageCatalogue::Common));
    EXPECT_EQ(messages::Text(MessageCatalogue::Common, 0), "replaced");
}

TEST_F(CatalogueFiles, FilesThatAreNotRegularOrTooLargeAreRefusedNamingTheFile) {
    const std::string fifo = (dir_ / "fifo.err").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path zero = dir_ / "zero.err";
    fs::create_symlink("/dev/zero", zero);
    const struct {
        std::string file;
        const char *says;
    } cases[] = {
        {fifo, "is not a regular file"},           // opening it must not wait for a writer
        {zero.string(), "is not a regular file"},  // reading it would never end
        {dir_.string(), "is not a regular file"},
        {Write("huge.err", std::string(messages::kCatalogueFileLimit + 1, 'x')), "is larger than"},
    };
    for (const auto &c : cases) {
        std::string problem;
        EXPECT_FALSE(messages::LoadCatalogue(c.file, MessageCatalogue::Common, &problem)) << c.file;
        EXPECT_NE(problem.find("\"" + c.file + "\""), std::string::npos) << problem;
        EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
    }
    std::string problem;
    EXPECT_FALSE(messages::LoadCatalogue((dir_ / "missing.err").string(), MessageCatalogue::Common, &problem));
    EXPECT_EQ(problem, "");  // a missing file is no fault: the built-in texts serve
    EXPECT_EQ(messages::Text(MessageCatalogue::Common, 0), "Ok!");
}

TEST_F(CatalogueFiles, LooksUpBeyondAShortFileInTheBuiltInList) {
    ASSERT_TRUE(messages::LoadCatalogue(Write("snmp.err", "Too big, from the file\nNo such name, from the file\n"),
                                         MessageCatalogue::Snmp));
    EXPECT_EQ(TranslateStatus(2).text, "No such name, from the file");
    EXPECT_EQ(TranslateStatus(2).code, -102);
    EXPECT_EQ(TranslateStatus(6).text, "Cannot access variable, No Access!");
    EXPECT_EQ(messages::Text(MessageCatalogue::Snmp, 18), "Unknown error code!");
    EXPECT_EQ(messages::Text(MessageCatalogue::Snmp, -1), "Unknown error code!");
}

TEST_F(CatalogueFiles, LoadsAllSevenFromADirectory) {
    Write("snmpclass.err", "Failed, in other words\nNo resources\nInternal\nUnsupported\nNo answer in time\n");
    messages::LoadAll(dir_.string());
    EXPECT_EQ(TranslateStatus(-5).text, "No answer in time");
    EXPECT_EQ(TranslateStatus(-5).code, -405);
    EXPECT_EQ(TranslateStatus(2).text, "Variable does not exist!");  // no snmp.err: built-in
}

TEST(Catalogues, ShippedFilesHoldTheBuiltInTexts) {
    for (MessageCatalogue c : messages::kAll) {
        const std::string file = std::string(QSW_SOURCE_DIR) + "/catalogues/" + messages::FileName(c);
        ASSERT_TRUE(messages::LoadCatalogue(file, c)) << file;
        const auto &builtIn = messages::BuiltIn(c);
        for (std::size_t i = 0; i < builtIn.size(); ++i)
            EXPECT_EQ(messages::Text(c, static_cast<int>(i)), builtIn[i]) << file << ", entry " << i;
        EXPECT_EQ(messages::Text(c, static_cast<int>(builtIn.size())), "Unknown error code!") << file << " is longer";
    }
    messages::ResetToBuiltIn();
}

TEST(Catalogues, TranslatesEveryStatusFamily) {
    const struct {
        int status;
        int code;
        const char *text;
    } cases[] = {
        {0, 0, "Ok!"},
        {1400, 0, "Ok!"},
        {-1401, 0, "Ok!"},
        {1, -101, "Response PDU Too Big!"},
        {2, -102, "Variable does not exist!"},
        {18, -118, "Cannot create variable, Inconsistent Name!"},
        {-1, -401, "Operation failed!"},
        {-5, -405, "SNMP request timed out!"},
        {-22, -422, "Transport operation failed!"},
        {-23, -423, "Blocked Mode Shutdown!"},
        {-1402, -201, "Unsupported Security Model!"},
        {-1418, -217, "Report sent!"},
        {1401, -301, "error!"},
        {1404, -304, "Unknown SecurityName!"},
        {1408, -308, "Authentication failure!"},
        {1414, -314, "Address error!"},
        {-1400, -528, "Unknown error code!"},
        {19, -528, "Unknown error code!"},
        {-24, -528, "Unknown error code!"},
        {1415, -528, "Unknown error code!"},
        {-1419, -528, "Unknown error code!"},
    };
    for (const auto &c : cases) {
        const TranslatedStatus t = TranslateStatus(c.status);
        EXPECT_EQ(t.code, c.code) << c.status;
        EXPECT_EQ(t.text, c.text) << c.status;
    }
}

TEST(Catalogues, RaisesFrameworkAndCommonErrorsWithTheirCodes) {
    const CodedError framework = messages::FrameworkError(11);
    EXPECT_EQ(framework.code(), -511);
    EXPECT_EQ(framework.message(), "Bad SNMP syntax!");
    EXPECT_STREQ(framework.what(), "Bad SNMP syntax!");
    const CodedError common = messages::CommonError(2);
    EXPECT_EQ(common.code(), -2);
    EXPECT_EQ(common.message(), "Bad format specifier of edit's constraint!");
    EXPECT_NE(messages::Text(MessageCatalogue::Common, 9).find("'.\nHere,"), std::string::npos);
}

TEST(Catalogues, ReplacesPlaceholdersWithoutRescanning) {
    const struct {
        const char *text, *word, *value, *result;
    } cases[] = {
        {"between [MIN] and [MAX]!", "[MIN]", "1", "between 1 and [MAX]!"},
        {"[X] and [X]", "[X]", "7", "7 and 7"},
        {"[X]", "[X]", "[X][X]", "[X][X]"},  // the inserted value is not searched again
        {"[[X]]", "[X]", "X", "[X]"},
        {"no word", "[X]", "7", "no word"},
        {"gone: [X].", "[X]", "", "gone: ."},
        {"unchanged", "", "7", "unchanged"},
    };
    for (const auto &c : cases) EXPECT_EQ(ReplacePlaceholder(c.text, c.word, c.value), c.result) << c.text;
}

}  // namespace
