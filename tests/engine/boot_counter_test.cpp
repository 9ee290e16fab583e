#include "engine/boot_counter.h"
#include "engine/coded_error.h"
#include "engine/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>

namespace {

class BootCounterFile : public ::testing::Test {
protected:
    std::string Path() const { return JoinPath(dir_.path().toStdString(), kBootCounterFile); }
    void Write(const std::string &text) const { std::ofstream(Path()) << text; }
    std::string Read() const {
        std::ifstream in(Path());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int CreateCode() const {
        try {
            CreateGlobalSession(dir_.path().toStdString());
        } catch (const CodedError &e) {
            return e.code();
        }
        return 0;
    }
    QTemporaryDir dir_;
};

TEST_F(BootCounterFile, FirstStartCountsOneAndEveryStartAddsOne) {
    ASSERT_EQ(CreateCode(), 0);
    EXPECT_EQ(LocalEngineBoots(), 1u);
    ASSERT_EQ(CreateCode(), 0);
    EXPECT_EQ(LocalEngineBoots(), 2u);
    unsigned boots = 0;
    EXPECT_EQ(boot_counter::Get(Path(), kLocalEngineId, boots), boot_counter::Found);
    EXPECT_EQ(boots, 2u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path() + ".tmp")));
}

TEST_F(BootCounterFile, OtherEnginesEntriesAreKeptAndOursAdded) {
    Write("4F74686572 41\n\n");
    ASSERT_EQ(CreateCode(), 0);
    EXPECT_EQ(LocalEngineBoots(), 1u);
    unsigned boots = 0;
    EXPECT_EQ(boot_counter::Get(Path(), "Other", boots), boot_counter::Found);
    EXPECT_EQ(boots, 41u);
}

TEST_F(BootCounterFile, StartResetsTheGlobalParameters) {
    SessionSecurity.version = 3;
    SessionDevice.port = 1161;
    SessionTimeout = 200;
    ASSERT_EQ(CreateCode(), 0);
    EXPECT_EQ(SessionSecurity.version, 0);
    EXPECT_EQ(SessionSecurity.readCommunity, "readcm");
    EXPECT_EQ(SessionSecurity.writeCommunity, "writecm");
    EXPECT_EQ(SessionDevice.host, "127.0.0.1");
    EXPECT_EQ(SessionDevice.port, 161);
    EXPECT_EQ(SessionTimeout, 100);
}

TEST_F(BootCounterFile, MalformedLinesFailTheStartAndKeepTheFile) {
    for (const std::string text : {"garbage\n", "5664 12 extra\n", "566 3\n", "5664 -3\n", "5664 x\n"}) {
        Write(text);
        EXPECT_EQ(CreateCode(), -507) << text;
        EXPECT_EQ(Read(), text);
    }
}

TEST_F(BootCounterFile, EngineIdLongerThan32OctetsIsRefused) {
    unsigned boots = 7;
    EXPECT_EQ(boot_counter::Get(Path(), std::string(33, 'x'), boots), boot_counter::EngineIdTooLong);
    EXPECT_EQ(boots, 0u);
    EXPECT_EQ(boot_counter::Save(Path(), std::string(33, 'x'), 1), boot_counter::EngineIdTooLong);
    EXPECT_EQ(boot_counter::Save(Path(), std::string(32, 'x'), 1), boot_counter::Found);
}

TEST_F(BootCounterFile, FailedSaveRaises508AndLeavesTheCounter) {
    ASSERT_EQ(CreateCode(), 0);
    const std::string before = Read();
    // A folder in the way of the temporary file makes the write fail, whoever runs the test.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QString(kBootCounterFile) + ".tmp"));
    EXPECT_EQ(CreateCode(), -508);
    EXPECT_EQ(Read(), before);
}

TEST_F(BootCounterFile, LinksPlantedAtItsNamesAreReplacedNeverWrittenThrough) {
    const QString victim = dir_.filePath(QStringLiteral("victim"));
    for (const QString &planted : {QString::fromStdString(Path()) + ".tmp", QString::fromStdString(Path())}) {
        SCOPED_TRACE(planted.toStdString());
        QFile::remove(QString::fromStdString(Path()));
        {
            QFile file(victim);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("41 5\n");  // another engine's counter
        }
        ASSERT_TRUE(QFile::link(victim, planted));
        ASSERT_EQ(CreateCode(), 0);
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "41 5\n");
        EXPECT_FALSE(QFileInfo(QString::fromStdString(Path())).isSymLink());
        unsigned boots = 0;
        EXPECT_EQ(boot_counter::Get(Path(), kLocalEngineId, boots), boot_counter::Found);
    }
}

TEST_F(BootCounterFile, AFifoAtItsNameFailsTheStartInsteadOfHangingIt) {
    ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
    unsigned boots = 7;
    EXPECT_EQ(boot_counter::Get(Path(), kLocalEngineId, boots), boot_counter::CannotOpen);
    EXPECT_EQ(boots, 0u);
    EXPECT_EQ(CreateCode(), -508);
}

TEST(JoinPath, JoinsWithOneSeparator) {
    EXPECT_EQ(JoinPath("", "f"), "f");
    EXPECT_EQ(JoinPath("d/", "f"), "d/f");
    EXPECT_EQ(JoinPath("d\\", "f"), "d\\f");
    EXPECT_EQ(JoinPath("d", "f"), "d/f");
}

}  // namespace
