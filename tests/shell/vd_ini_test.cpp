#include "shell/vd_ini.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class VdIniTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("device.cfg").toStdString();
        std::ofstream(path_, std::ios::binary)
            << "; written by the host product\r\n"
               "[Other]\r\n"
               "Version=3\r\n"
               "[Program Information]\r\n"
               "  Version = 1 \r\n"
               "AgentPort=\r\n"
               "securityname=\"admin user\"\r\n"
               "ContextName=\t ctx\t\r\n"
               "NoEquals\r\n"
               "[ program information ]\r\n"
               "AuthPassword=later section\r\n";
    }

    QTemporaryDir dir_;
    std::string path_;
};

TEST_F(VdIniTest, ReadsKeysOfTheNamedSectionTrimmedAndUnquoted) {
    const VdIni ini(path_);
    const struct {
        const char *section;
        const char *key;
        const char *expected;
    } cases[] = {
        {"Program Information", "Version", "1"},          // blanks around key and value
        {"Other", "Version", "3"},                        // the same key in another section
        {"Program Information", "SecurityName", "admin user"},  // case and quotes
        {"Program Information", "ContextName", "ctx"},    // tabs and carriage return
        {"Program Information", "AgentPort", "dflt"},     // present but empty reads as the default
        {"Program Information", "Missing", "dflt"},
        {"Missing Section", "Version", "dflt"},
        {"Program Information", "AuthPassword", "later section"},  // section names ignore case and blanks
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
}

TEST_F(VdIniTest, MissingFileReadsDefaults) {
    const VdIni ini(dir_.filePath("absent.cfg").toStdString());
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "x"), "x");
}

}  // namespace
