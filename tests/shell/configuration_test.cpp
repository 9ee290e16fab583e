#include "shell/configuration.h"
#include "shell/session_parameters.h"
#include "shell/setting_texts.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    QString Write(const QString &relativePath, const QByteArray &body) {
        const QString path = dir_.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        return path;
    }

    SessionParameters Loaded(const QByteArray &programInformation) {
        SessionParameters p;
        p.security.version = 1;
        p.security.readCommunity = "public";
        LoadConfiguration(Write("device.cfg", "[Program Information]\n" + programInformation), p);
        return p;
    }

    QTemporaryDir dir_;
};

TEST_F(ConfigurationTest, StoredChoicesBecomeSessionValues) {
    const SessionParameters p = Loaded(
        "Version=3\nAgentPort=16161\nContextName=ctx\nContextEngineID=8000\nSecurityModel=3\n"
        "SecurityLevel=2\nSecurityName=admin\nAuthProtocol=2\nPrivProtocol=2\n"
        "AuthPassword=auth secret\nPrivPassword=priv secret\n");
    EXPECT_EQ(p.security.version, 3);
    EXPECT_EQ(p.device.port, 16161);
    EXPECT_EQ(p.scope.contextName, "ctx");
    EXPECT_EQ(p.scope.contextEngineID, "8000");
    EXPECT_EQ(p.security.securityModel, 3);
    EXPECT_EQ(p.security.securityLevel, 3);  // authPriv
    EXPECT_EQ(p.security.authProtocol, 3);   // HMAC-SHA
    EXPECT_EQ(p.security.privProtocol, 9);   // IDEA
    EXPECT_EQ(p.security.securityName, "admin");
    EXPECT_EQ(p.security.authPassword, "auth secret");
    EXPECT_EQ(p.security.privPassword, "priv secret");
    EXPECT_EQ(p.security.readCommunity, "public");  // communities never come from the file

    const SettingTexts texts = SettingTexts::From(p);
    EXPECT_EQ(texts.securityLevel, "3");
    EXPECT_EQ(texts.privProtocol, "9");
    EXPECT_EQ(texts.version, "3");
}

TEST_F(ConfigurationTest, MissingEmptyAndNonNumericKeysTakeTheirDefaults) {
    const struct {
        QByteArray body;
        int version, port, model, level, auth, priv;
    } cases[] = {
        {"", 0, 161, 1, 1, 1, 1},
        {"Version=\nAgentPort=\nSecurityModel=\nSecurityLevel=\nAuthProtocol=\nPrivProtocol=\n", 0, 161, 1, 1, 1, 1},
        {"Version=v3\nAgentPort=port\nSecurityModel=x\nSecurityLevel=high\nAuthProtocol=sha\nPrivProtocol=des\n",
         0, 161, 1, 1, 1, 1},
        {"Version=1\nAgentPort=99999\nSecurityLevel=1\nAuthProtocol=1\nPrivProtocol=1\n", 1, 161, 1, 2, 2, 2},
        {"AgentPort=0\nSecurityLevel=-1\nPrivProtocol=4096\n", 0, 161, 1, 1, 1, 1},
    };
    for (const auto &c : cases) {
        const SessionParameters p = Loaded(c.body);
        EXPECT_EQ(p.security.version, c.version) << c.body.toStdString();
        EXPECT_EQ(p.device.port, c.port) << c.body.toStdString();
        EXPECT_EQ(p.security.securityModel, c.model) << c.body.toStdString();
        EXPECT_EQ(p.security.securityLevel, c.level) << c.body.toStdString();
        EXPECT_EQ(p.security.authProtocol, c.auth) << c.body.toStdString();
        EXPECT_EQ(p.security.privProtocol, c.priv) << c.body.toStdString();
    }
}

TEST_F(ConfigurationTest, UnusableFilesAndValuesAreWarnedOfNamingFileLineAndKey) {
    const struct {
        QByteArray body;
        const char *warning;  // after the file's name
        bool read;
        int version, port;
    } cases[] = {
        {"\xEF\xBB\xBF[Program Information]\nVersion=1\nAgentPort=1161\n", ":1: starts with a UTF-8 byte order mark", true, 1,
         1161},
        {"[Program Information]\nVersion=1\n\x01\x02", ":3: holds binary data (octet 0x01)", false, 3, 1700},
        {"[Settings]\nVersion=1\n", ": has no [Program Information] section", false, 3, 1700},
        {"[Program Information]\nVersion=1\nAgentPort=0x10\n",
         ":3: AgentPort=0x10 is not a port from 1 to 65535; port 1700 is used.", true, 1, 1700},
        {"[Program Information]\n\nVersion=7\n", ":3: Version=7 is not 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3); 0 (SNMPv1) is used.",
         true, 0, 1700},
        {"[Program Information]\nVersion=2\n", ":2: Version=2 is not 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)", true, 0, 1700},
        {"[Program Information]\nSecurityLevel=high\n", ":2: SecurityLevel=high is not a number from 0 to 255; 0 is used.", true,
         0, 1700},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        SessionParameters p;
        p.security.version = 3;  // as the command line set them
        p.device.port = 1700;
        const QString path = Write("device.cfg", c.body);
        const ConfigurationReport report = LoadConfiguration(path, p);
        ASSERT_EQ(report.warnings.size(), 1u);
        EXPECT_EQ(report.warnings[0].rfind(path.toStdString() + c.warning, 0), 0u) << report.warnings[0];
        EXPECT_EQ(report.read, c.read);
        EXPECT_EQ(p.security.version, c.version);
        EXPECT_EQ(p.device.port, c.port);
    }
}

TEST_F(ConfigurationTest, AFileThatIsNoRegularFileIsWarnedOfWithoutWaiting) {
    const QString fifo = dir_.filePath("fifo.cfg");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString zero = dir_.filePath("zero.cfg");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    for (const QString &path : {fifo, zero}) {
        SessionParameters p;
        const ConfigurationReport report = LoadConfiguration(path, p);
        ASSERT_EQ(report.warnings.size(), 1u);
        EXPECT_EQ(report.warnings[0], "\"" + path.toStdString() + "\" is not a regular file. The command line and the defaults apply.");
        EXPECT_FALSE(report.read);
    }
}

TEST_F(ConfigurationTest, MissingFileChangesNothing) {
    SessionParameters p;
    p.security.version = 1;
    p.device.port = 1161;
    const ConfigurationReport report = LoadConfiguration(dir_.filePath("absent.cfg"), p);
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_FALSE(report.read);
    EXPECT_EQ(p.security.version, 1);
    EXPECT_EQ(p.device.port, 1161);
}

TEST_F(ConfigurationTest, LocalLayoutIsAModuleDirectoryDirectlyInVandrelEms) {
    EXPECT_TRUE(IsLocalConfiguration(dir_.filePath("vandrel_ems/qsw7400")));
    EXPECT_FALSE(IsLocalConfiguration(dir_.filePath("vandrel_ems/qsw7400/bin")));
    EXPECT_FALSE(IsLocalConfiguration(dir_.filePath("Vandrel_EMS/qsw7400")));
    EXPECT_EQ(ConfigurationPath("10.0.0.1", true, dir_.filePath("vandrel_ems/qsw7400")),
              dir_.filePath("vandrel_ems/qsw7400/10.0.0.1.cfg"));
}

TEST_F(ConfigurationTest, HostProductDirectoryComesFromItsSettings) {
    EXPECT_EQ(ConfigurationPath("10.0.0.1", false, dir_.path()), std::nullopt);
    {
        QSettings settings(QStringLiteral("Vandrel"), QStringLiteral("Skyglass5.1"));
        settings.setValue(QStringLiteral("ExePath/Path"), QStringLiteral("/opt/skyglass/bin/"));
    }
    EXPECT_EQ(ConfigurationPath("10.0.0.1", false, dir_.path()),
              QStringLiteral("/opt/skyglass/bin/../Conf/MBF/10.0.0.1.cfg"));
    QSettings(QStringLiteral("Vandrel"), QStringLiteral("Skyglass5.1")).clear();
}

}  // namespace
