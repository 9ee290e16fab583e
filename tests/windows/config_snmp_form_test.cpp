// The SNMP configuration window: the file's bytes, its permission bits, refused choices, and a
// failed write that keeps the old file and the window.
#include "binding/ui/message_box.h"
#include "catalogue/recipe_context.h"
#include "engine/session.h"
#include "support/widget_support.h"
#include "windows/config_snmp_form.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <functional>

namespace {

// Lets file permissions bind while it lives, also for root: the calling thread gives up the
// capabilities that override them.
class PermissionsBind {
public:
    PermissionsBind() {
        syscall(SYS_capget, &header_, data_);
        saved_ = data_[0].effective;
        data_[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, data_);
    }
    ~PermissionsBind() {
        data_[0].effective = saved_;
        syscall(SYS_capset, &header_, data_);
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data_[2]{};
    unsigned saved_ = 0;
};

// A file may grow to `bytes` while it lives; writing beyond fails instead of raising a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class ConfigSnmpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        MessageBox::reset();
        // The settings of a module started without any: v1, port 161, the default communities.
        SessionDevice = {};
        SessionSecurity = {};
        SessionScope = {};
    }
    void TearDown() override { MessageBox::reset(); }

    std::unique_ptr<TfrmConfigSNMP> Open(const char *runningVersion = "1", const char *runningUser = "") {
        RecipeContext running;
        running.hostText = "10.90.90.90";
        running.moduleDirectory = dir_.path().toStdString();
        running.sessionVersion = runningVersion;
        running.sessionSecurityName = runningUser;
        auto form = std::make_unique<TfrmConfigSNMP>(running, nullptr);
        form->show();
        return form;
    }
    static void ChooseVersion(TfrmConfigSNMP &form, int button) {
        Named<QGroupBox>(&form, "rgpSNMPVersion")->findChildren<QRadioButton *>().at(button)->click();
    }
    QString File() const { return dir_.filePath(QStringLiteral("10.90.90.90.cfg")); }
    QByteArray FileBytes() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }
    void PutOldFile(const QByteArray &bytes) const {
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
};

// The file with its date and time checked and put as <date> and <time>.
QByteArray WithoutClock(QByteArray bytes) {
    const QLocale locale = QLocale::system();
    const QByteArray date = "UpdateDate=" + locale.toString(QDate::currentDate(), QLocale::ShortFormat).toUtf8() + "\r\n";
    EXPECT_TRUE(bytes.contains(date)) << bytes.toStdString();
    bytes.replace(date, "UpdateDate=<date>\r\n");
    static const QRegularExpression time(QStringLiteral("UpdateTime=[0-9][^\\r\\n]*:[0-9][0-9][^\\r\\n]*\\r\\n"));
    QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(text.contains(time)) << bytes.toStdString();
    text.replace(time, QStringLiteral("UpdateTime=<time>\r\n"));
    return text.toUtf8();
}

TEST_F(ConfigSnmpWindowTest, OkWritesTheFileByteForByte) {
    struct Case {
        const char *name;
        std::function<void(TfrmConfigSNMP &)> choose;
        const char *bytes;
    };
    const Case cases[] = {
        {"at once", [](TfrmConfigSNMP &) {},
         "[Program Information]\r\nAgentIP=10.90.90.90\r\nAgentPort=161\r\nVersion=0\r\nSecurityName=\r\n"
         "AuthPassword=\r\nPrivPassword=\r\nAuthProtocol=-1\r\nPrivProtocol=-1\r\nContextEngineID=\r\n"
         "SecurityLevel=-1\r\nContextName=readcm\r\nGetCommStr=readcm\r\nSetCommStr=writecm\r\n"
         "UpdateDate=<date>\r\nUpdateTime=<time>\r\nSecurityModel=3"},
        {"v3", [](TfrmConfigSNMP &f) {
             ChooseVersion(f, 2);
             Named<QLineEdit>(&f, "edtPort")->setText("1161");
             Named<QComboBox>(&f, "cbxSecurityName")->setCurrentText("MD5_DES_User");
             Named<QComboBox>(&f, "cbxSecurityLevel")->setCurrentText("AuthPriv");
             Named<QComboBox>(&f, "cbxAuthProtocol")->setCurrentText("HMACMD5");
             Named<QComboBox>(&f, "cbxPrivProtocol")->setCurrentText("CBC_DES");
             Named<QLineEdit>(&f, "edtAuthPass")->setText("auth pass");
             Named<QLineEdit>(&f, "edtPrivPass")->setText("privpass");
             Named<QLineEdit>(&f, "edtContext")->setText("ctx");
             Named<QLineEdit>(&f, "edtContextEngine")->setText("800000");
         },
         "[Program Information]\r\nAgentIP=10.90.90.90\r\nAgentPort=1161\r\nVersion=3\r\nSecurityName=MD5_DES_User\r\n"
         "AuthPassword=auth pass\r\nPrivPassword=privpass\r\nAuthProtocol=1\r\nPrivProtocol=1\r\nContextEngineID=800000\r\n"
         "SecurityLevel=2\r\nContextName=ctx\r\nGetCommStr=ctx\r\nSetCommStr=\r\n"
         "UpdateDate=<date>\r\nUpdateTime=<time>\r\nSecurityModel=3"},
        {"v3 then v2c", [](TfrmConfigSNMP &f) {
             ChooseVersion(f, 2);
             Named<QComboBox>(&f, "cbxSecurityName")->setCurrentText("SHA_User");
             Named<QComboBox>(&f, "cbxSecurityLevel")->setCurrentText("AuthNoPriv");
             Named<QComboBox>(&f, "cbxAuthProtocol")->setCurrentText("HMAC_SHA");
             Named<QComboBox>(&f, "cbxPrivProtocol")->setCurrentText("None");
             Named<QLineEdit>(&f, "edtAuthPass")->setText("shapass1");
             Named<QLineEdit>(&f, "edtContext")->setText("typed");
             ChooseVersion(f, 1);
         },
         "[Program Information]\r\nAgentIP=10.90.90.90\r\nAgentPort=161\r\nVersion=1\r\nSecurityName=\r\n"
         "AuthPassword=\r\nPrivPassword=\r\nAuthProtocol=2\r\nPrivProtocol=0\r\nContextEngineID=\r\n"
         "SecurityLevel=1\r\nContextName=readcm\r\nGetCommStr=readcm\r\nSetCommStr=writecm\r\n"
         "UpdateDate=<date>\r\nUpdateTime=<time>\r\nSecurityModel=3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(File());
        auto form = Open();
        c.choose(*form);
        if (std::string(c.name) == "v3") SaveScreen(form.get(), QStringLiteral("config_snmp_v3"));
        Click(form.get(), "btnOk");
        EXPECT_EQ(MessageBox::shownCount(), 0) << MessageBox::lastText().toStdString();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(WithoutClock(FileBytes()).toStdString(), c.bytes);
    }
}

TEST_F(ConfigSnmpWindowTest, TheFileIsForItsOwnerOnlyAlsoWhenItReplacesAnother) {
    PutOldFile("[Program Information]\r\nVersion=1");
    ASSERT_TRUE(QFile::setPermissions(File(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    auto form = Open();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    Click(form.get(), "btnOk");
    struct stat status {};
    ASSERT_EQ(stat(File().toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_TRUE(FileBytes().contains("Version=0"));
}

TEST_F(ConfigSnmpWindowTest, AFailedWriteKeepsTheOldFileAndTheWindow) {
    const QByteArray old = "[Program Information]\r\nVersion=3\r\nSecurityName=kept";
    struct Case {
        const char *name;
        std::function<std::shared_ptr<void>()> obstacle;
    };
    const QString directory = dir_.path();
    const Case cases[] = {
        {"read-only directory",
         [directory] {
             QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
             auto bind = std::make_shared<PermissionsBind>();
             return std::shared_ptr<void>(bind.get(), [bind, directory](void *) mutable {
                 bind.reset();
                 QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
             });
         }},
        {"disk full", [] { return std::shared_ptr<void>(std::make_shared<FileSizeLimit>(64)); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MessageBox::reset();
        PutOldFile(old);
        auto form = Open();
        {
            const std::shared_ptr<void> obstacle = c.obstacle();
            MessageBox::setNextAnswer(QMessageBox::Yes);
            Click(form.get(), "btnOk");
        }
        EXPECT_EQ(MessageBox::lastText().toStdString(), "Create file error!");
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->versionChanged);
        EXPECT_EQ(FileBytes(), old);
        EXPECT_EQ(QDir(directory).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
    }
}

TEST_F(ConfigSnmpWindowTest, V3ChoicesAreRefusedUntilEachIsOneOfItsItems) {
    struct Case {
        const char *level, *auth, *priv;
        const char *message;
    };
    const Case cases[] = {
        {"", "None", "None", "SecurityLevel is empty!"},
        {"AuthNoPriv", "", "None", "AuthProtocol is empty!"},
        {"AuthNoPriv", "HMACMD5", "", "PrivProtocol is empty!"},
        {"AuthNoPriv", "HMAC-MD5", "None",
         "AuthProtocol \"HMAC-MD5\" is not one of None, HMACMD5, HMAC_SHA!"},
        {"authpriv", "hmac_sha", "cbc_des", nullptr},  // letter case aside, they are the items
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.level) + "/" + c.auth + "/" + c.priv);
        QFile::remove(File());
        MessageBox::reset();
        auto form = Open();
        ChooseVersion(*form, 2);
        Named<QComboBox>(form.get(), "cbxSecurityName")->setCurrentText("SHA_DES_User");
        Named<QComboBox>(form.get(), "cbxSecurityLevel")->setCurrentText(c.level);
        Named<QComboBox>(form.get(), "cbxAuthProtocol")->setCurrentText(c.auth);
        Named<QComboBox>(form.get(), "cbxPrivProtocol")->setCurrentText(c.priv);
        Click(form.get(), "btnOk");
        if (c.message == nullptr) {
            EXPECT_EQ(MessageBox::shownCount(), 0);
            EXPECT_TRUE(FileBytes().contains("SecurityLevel=2\r\n"));
            EXPECT_TRUE(FileBytes().contains("AuthProtocol=2\r\n"));
        } else {
            EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
            EXPECT_TRUE(form->isVisible());
            EXPECT_FALSE(QFile::exists(File()));
        }
    }
}

TEST_F(ConfigSnmpWindowTest, ChoosingIdeaSaysTheModuleCannotUseIt) {
    auto form = Open();
    ChooseVersion(*form, 2);
    EXPECT_TRUE(Named<QComboBox>(form.get(), "cbxPrivProtocol")->isEnabled());
    TypeChoice(form.get(), "cbxPrivProtocol", "CBC_DES");
    EXPECT_EQ(MessageBox::shownCount(), 0);
    TypeChoice(form.get(), "cbxPrivProtocol", "CBC_IDEA");
    EXPECT_EQ(MessageBox::shownCount(), 1);
    EXPECT_TRUE(MessageBox::lastText().contains("Unsupported PrivProtocol!")) << MessageBox::lastText().toStdString();
}

TEST_F(ConfigSnmpWindowTest, ExitWritesNothingAndVersion3ControlsFollowTheVersion) {
    auto form = Open();
    EXPECT_FALSE(Named<QComboBox>(form.get(), "cbxSecurityName")->isEnabled());
    EXPECT_FALSE(Named<QLineEdit>(form.get(), "edtAuthPass")->isEnabled());
    SaveScreen(form.get(), QStringLiteral("config_snmp_v1"));
    ChooseVersion(*form, 2);
    EXPECT_TRUE(Named<QComboBox>(form.get(), "cbxSecurityName")->isEnabled());
    EXPECT_TRUE(Named<QLineEdit>(form.get(), "edtContextEngine")->isEnabled());
    EXPECT_TRUE(Named<QLineEdit>(form.get(), "edtContext")->text().isEmpty());
    EXPECT_TRUE(Named<QLineEdit>(form.get(), "edtCommunity")->text().isEmpty());
    Click(form.get(), "btnExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->versionChanged);
    EXPECT_FALSE(QFile::exists(File()));
}

TEST_F(ConfigSnmpWindowTest, OpensWithTheSettingsInUse) {
    struct Case {
        const char *name;
        std::function<void()> session;
        std::vector<std::pair<const char *, const char *>> shown;  // control, text
        int version;
    };
    const Case cases[] = {
        {"v2c", [] {
             SessionDevice.port = 16100;
             SessionSecurity.version = 1;
             SessionSecurity.readCommunity = "public";
             SessionSecurity.writeCommunity = "private";
         },
         {{"edtPort", "16100"}, {"edtContext", "public"}, {"edtCommunity", "private"}, {"cbxSecurityLevel", ""}},
         1},
        {"v3", [] {
             SessionSecurity.version = 3;
             SessionSecurity.securityName = "MD5_DES_User";
             SessionSecurity.securityLevel = 3;
             SessionSecurity.authProtocol = 2;
             SessionSecurity.privProtocol = 2;
             SessionSecurity.authPassword = "authphrase";
             SessionSecurity.privPassword = "privphrase";
             SessionScope.contextName = "ctx";
         },
         {{"edtPort", "161"}, {"cbxSecurityName", "MD5_DES_User"}, {"cbxSecurityLevel", "AuthPriv"},
          {"cbxAuthProtocol", "HMACMD5"}, {"cbxPrivProtocol", "CBC_DES"}, {"edtAuthPass", "authphrase"},
          {"edtPrivPass", "privphrase"}, {"edtContext", "ctx"}, {"edtCommunity", ""}},
         3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.session();
        auto form = Open(c.version == 3 ? "3" : "1", c.version == 3 ? "MD5_DES_User" : "");
        for (const auto &[name, text] : c.shown) {
            auto *edit = form->findChild<QLineEdit *>(name);
            auto *box = form->findChild<QComboBox *>(name);
            EXPECT_EQ((edit != nullptr ? edit->text() : box->currentText()).toStdString(), text) << name;
        }
        EXPECT_TRUE(Named<QGroupBox>(form.get(), "rgpSNMPVersion")
                        ->findChildren<QRadioButton *>()
                        .at(c.version == 3 ? 2 : c.version)
                        ->isChecked());
        // OK at once writes what the module runs with: it never asks for another version.
        Click(form.get(), "btnOk");
        EXPECT_FALSE(form->versionChanged);
        EXPECT_TRUE(FileBytes().contains(c.version == 3 ? "AuthPassword=authphrase\r\n" : "GetCommStr=public\r\n"));
        QFile::remove(File());
    }
}

TEST_F(ConfigSnmpWindowTest, AFileSayingSomethingElseIsReplacedOnlyWhenTheUserSaysSoAndKeepsWhatTheWindowDoesNotSet) {
    SessionSecurity.version = 1;
    const QByteArray other = "[Program Information]\r\nVersion=3\r\nSecurityName=admin\r\nMaxRows=500";
    PutOldFile(other);
    auto form = Open();
    Click(form.get(), "btnOk");  // the question's default is No
    EXPECT_TRUE(MessageBox::lastText().contains("holds other settings")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(FileBytes(), other);
    EXPECT_TRUE(form->isVisible());

    MessageBox::reset();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    Click(form.get(), "btnOk");
    const QByteArray written = FileBytes();
    EXPECT_TRUE(written.contains("Version=1\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("MaxRows=500")) << written.toStdString();
    EXPECT_FALSE(written.contains("admin")) << written.toStdString();

    // The same settings again: nothing to ask.
    MessageBox::reset();
    auto again = Open();
    Click(again.get(), "btnOk");
    EXPECT_EQ(MessageBox::shownCount(), 0) << MessageBox::lastText().toStdString();
    EXPECT_FALSE(again->isVisible());
}

}  // namespace
