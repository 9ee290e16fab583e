#include "windows/config_snmp_form.h"

#include "binding/ui/message_box.h"
#include "catalogue/recipe_context.h"
#include "forms/ui_parts.h"
#include "engine/session.h"
#include "windows/logic/settings_file.h"
#include "windows/logic/snmp_configuration.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>

using namespace snmp_configuration;

namespace {

constexpr int kClientWidth = 482;
constexpr int kClientHeight = 203;
const int kVersionOfButton[] = {kV1, kV2c, kV3};

QLineEdit *MakeEdit(QWidget *parent, const char *name, const char *text = "") {
    auto *edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox *MakeDropDown(QWidget *parent, const char *name, const std::vector<std::string> &items) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &item : items) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(-1);
    return box;
}

std::string Text(const QLineEdit *edit) { return edit->text().toStdString(); }
std::string Text(const QComboBox *box) { return box->currentText().toStdString(); }

// The locale's long time format names the time zone; the file's time is the local time alone.
QString LocalTimeText(const QLocale &locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime::currentTime(), format.trimmed());
}

}  // namespace

TfrmConfigSNMP::TfrmConfigSNMP(const RecipeContext &context, QWidget *parent)
    : QDialog(parent),
      running_{context.hostText, context.moduleDirectory, context.sessionVersion, context.sessionSecurityName} {
    setObjectName(QStringLiteral("frmConfigSNMP"));

    auto *content = new QWidget(this);
    auto *grid = new QGridLayout(content);
    grid->setVerticalSpacing(3);
    lblIP = new QLabel(QString::fromStdString(running_.host), content);
    lblIP->setObjectName(QStringLiteral("lblIP"));
    edtPort = MakeEdit(content, "edtPort", kDefaultPort);

    rgpSNMPVersion = new QGroupBox(QStringLiteral("SNMP Version"), content);
    rgpSNMPVersion->setObjectName(QStringLiteral("rgpSNMPVersion"));
    versions_ = new QButtonGroup(rgpSNMPVersion);
    auto *versionRow = new QHBoxLayout(rgpSNMPVersion);
    versionRow->setContentsMargins(6, 2, 6, 2);
    int id = 0;
    for (const char *caption : {"SNMPv1", "SNMPv2c", "SNMPv3"}) {
        auto *button = new QRadioButton(QString::fromLatin1(caption), rgpSNMPVersion);
        versions_->addButton(button, id++);
        versionRow->addWidget(button);
    }

    cbxSecurityName = MakeDropDown(content, "cbxSecurityName", kSecurityNames);
    cbxSecurityLevel = MakeDropDown(content, "cbxSecurityLevel", kSecurityLevels);
    cbxAuthProtocol = MakeDropDown(content, "cbxAuthProtocol", kAuthProtocols);
    edtAuthPass = MakeEdit(content, "edtAuthPass");
    cbxPrivProtocol = MakeDropDown(content, "cbxPrivProtocol", kPrivProtocols);
    edtPrivPass = MakeEdit(content, "edtPrivPass");
    // Pass phrases are not for whoever looks over the user's shoulder.
    edtAuthPass->setEchoMode(QLineEdit::Password);
    edtPrivPass->setEchoMode(QLineEdit::Password);
    edtContext = MakeEdit(content, "edtContext", kDefaultReadCommunity);
    edtContextEngine = MakeEdit(content, "edtContextEngine");
    edtCommunity = MakeEdit(content, "edtCommunity", kDefaultWriteCommunity);
    btnOk = MakeNamedButton(content, "btnOk", "OK");
    btnExit = MakeNamedButton(content, "btnExit", "Exit");

    auto add = [&](int row, int column, const char *label, QWidget *control) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), content), row, column);
        grid->addWidget(control, row, column + 1);
    };
    add(0, 0, "IP : ", lblIP);
    add(0, 2, "Port : ", edtPort);
    grid->addWidget(rgpSNMPVersion, 1, 0, 1, 4);
    add(2, 0, "Security Name : ", cbxSecurityName);
    add(2, 2, "Security Level : ", cbxSecurityLevel);
    add(3, 0, "Auth Protocol : ", cbxAuthProtocol);
    add(3, 2, "Auth Password : ", edtAuthPass);
    add(4, 0, "Priv Protocol : ", cbxPrivProtocol);
    add(4, 2, "Priv Password : ", edtPrivPass);
    add(5, 0, "Context Name : ", edtContext);
    add(5, 2, "Context Engine ID :  ", edtContextEngine);
    add(6, 0, "Write Community String : ", edtCommunity);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnExit);
    grid->addLayout(buttons, 6, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    // The designed size, or larger where this platform's font needs it: nothing of it hidden.
    ensurePolished();
    const QSize needed = content->sizeHint();
    setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
    CentreOnMainWindow(this);

    ShowChoices(ChoicesInUse(running_.host, RunningSettings()));
    connect(versions_, &QButtonGroup::idClicked, this, [this] { rgpSNMPVersionClick(); });
    connect(cbxPrivProtocol, &QComboBox::textActivated, this, [this] { cbxPrivProtocolChange(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
}

TfrmConfigSNMP::~TfrmConfigSNMP() = default;

snmp_configuration::Running TfrmConfigSNMP::RunningSettings() {
    const VdSNMPSecurity &s = SessionSecurity;
    return {s.version, SessionDevice.port, s.readCommunity, s.writeCommunity, s.securityName, s.securityLevel,
            s.authProtocol, s.privProtocol, s.authPassword, s.privPassword, SessionScope.contextName,
            SessionScope.contextEngineID};
}

void TfrmConfigSNMP::ShowChoices(const Choices &c) {
    edtPort->setText(QString::fromStdString(c.port));
    const int button = c.version == kV3 ? 2 : c.version == kV2c ? 1 : 0;
    versions_->button(button)->setChecked(true);
    SetVersion3Controls(c.version == kV3);
    cbxSecurityName->setCurrentText(QString::fromStdString(c.securityName));
    // An item the settings do not name stays unchosen.
    for (auto [box, text] : {std::pair{cbxSecurityLevel, &c.securityLevel}, std::pair{cbxAuthProtocol, &c.authProtocol},
                             std::pair{cbxPrivProtocol, &c.privProtocol}})
        box->setCurrentIndex(box->findText(QString::fromStdString(*text)));
    edtAuthPass->setText(QString::fromStdString(c.authPassword));
    edtPrivPass->setText(QString::fromStdString(c.privPassword));
    edtContext->setText(QString::fromStdString(c.contextName));
    edtContextEngine->setText(QString::fromStdString(c.contextEngineId));
    edtCommunity->setText(QString::fromStdString(c.writeCommunity));
}

int TfrmConfigSNMP::ChosenVersion() const {
    const int button = versions_->checkedId();
    return button < 0 ? kV1 : kVersionOfButton[button];
}

void TfrmConfigSNMP::SetVersion3Controls(bool on) {
    for (QWidget *control : std::initializer_list<QWidget *>{cbxSecurityName, cbxSecurityLevel, cbxAuthProtocol,
                                                             cbxPrivProtocol, edtAuthPass, edtPrivPass,
                                                             edtContextEngine})
        SetFieldOn(control, on);
}

void TfrmConfigSNMP::rgpSNMPVersionClick() {
    const bool v3 = ChosenVersion() == kV3;
    SetVersion3Controls(v3);
    edtContext->setText(v3 ? QString() : QString::fromLatin1(kDefaultReadCommunity));
    edtCommunity->setText(v3 ? QString() : QString::fromLatin1(kDefaultWriteCommunity));
}

void TfrmConfigSNMP::cbxPrivProtocolChange() {
    if (cbxPrivProtocol->currentText() != QLatin1String(kUnsupportedPrivacy)) return;
    MessageBox::Ok(this, MessageBox::ModuleCaption(),
                   QStringLiteral("This module cannot encrypt with %1: started with it at the AuthPriv level, "
                                  "it reports \"Unsupported PrivProtocol!\" and ends. Choose CBC_DES to talk "
                                  "to the device with privacy.")
                       .arg(QLatin1String(kUnsupportedPrivacy)),
                   MessageBox::Icon::Warning);
}

Choices TfrmConfigSNMP::CurrentChoices() const {
    Choices c;
    c.agentIp = lblIP->text().toStdString();
    c.port = Text(edtPort);
    c.version = ChosenVersion();
    c.securityName = Text(cbxSecurityName);
    c.securityLevel = Text(cbxSecurityLevel);
    c.authProtocol = Text(cbxAuthProtocol);
    c.authPassword = Text(edtAuthPass);
    c.privProtocol = Text(cbxPrivProtocol);
    c.privPassword = Text(edtPrivPass);
    c.contextName = Text(edtContext);
    c.contextEngineId = Text(edtContextEngine);
    c.writeCommunity = Text(edtCommunity);
    return c;
}

QString TfrmConfigSNMP::FilePath() const {
    return QDir(QString::fromStdString(running_.moduleDirectory)).filePath(lblIP->text() + QStringLiteral(".cfg"));
}


void TfrmConfigSNMP::btnOkClick() {
    const Choices choices = CurrentChoices();
    const std::string refusal = CheckChoices(choices);
    if (!refusal.empty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromStdString(refusal), MessageBox::Icon::Warning);
        return;
    }
    const QLocale locale = QLocale::system();
    const FileKeys keys = Keys(choices, locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
                               LocalTimeText(locale).toStdString());
    const std::string path = FilePath().toStdString();
    const std::optional<std::string> existing = settings_file::Read(path);
    // A file that says something else is not replaced unasked; what the window does not set in it
    // (the row limit, GetBulk, other sections) stays.
    if (existing && ChangesFile(*existing, keys) &&
        MessageBox::YesNoChange(this, MessageBox::ModuleCaption(),
                                FilePath() + QStringLiteral(" holds other settings. Replace them with these?"),
                                MessageBox::Icon::Question) != QMessageBox::Yes)
        return;
    const std::string text = existing ? settings_file::WithKeys(*existing, keys) : FileText(keys);
    if (!settings_file::Write(path, text).empty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kCreateFileError), MessageBox::Icon::Error);
        return;
    }
    versionChanged = VersionChanged(running_.version, running_.securityName, choices);
    accept();
}

void TfrmConfigSNMP::btnExitClick() { reject(); }

void ConfigSNMPClosed(QDialog &window, const RecipeContext &context) {
    if (!static_cast<TfrmConfigSNMP &>(window).versionChanged) return;
    if (MessageBox::YesNo(context.mainWindow, MessageBox::ModuleCaption(), QString::fromLatin1(kRestartQuestion),
                          MessageBox::Icon::Question) == QMessageBox::Yes &&
        context.mainWindow != nullptr)
        context.mainWindow->close();
}
