#include "shell/main_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/help_document.h"
#include "catalogue/window_registry.h"
#include "shell/device_commands.h"
#include "shell/front_panel.h"
#include "forms/front_panel_picture.h"
#include "shell/front_panel_ports.h"
#include "forms/help_topic.h"
#include "shell/help_key.h"
#include "shell/help_window.h"
#include "shell/module_command_line.h"
#include "shell/rmon_check.h"
#include "shell/single_instance.h"
#include "editor/config_form.h"
#include "windows/chosen_row_counter_window.h"
#include "windows/port_poller.h"
#include "windows/window_list.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <cstdio>

namespace {

constexpr int kPanelWidth = 923;
constexpr int kPanelHeight = 137;
constexpr int kWarningWidth = 450;
const char kHelpFile[] = "QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp";
const char kPortSettingsEntry[] = "Layer2 Management>Port Management>Port Control Table";
const char kPortCountersEntry[] = "Basic Configuration>MIB II>IF Counter";

QLabel *HiddenStaticText(QWidget *parent, const char *name, const QRect &place) {
    auto *text = new QLabel(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setGeometry(place);
    text->hide();
    return text;
}

}  // namespace

TMainForm::TMainForm(const StartupEnvironment &environment, const MenuCatalogue &menus, QWidget *parent)
    : QMainWindow(parent), menus_(menus), moduleDirectory_(environment.moduleDirectory),
      commands_(std::make_unique<DeviceCommands>(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("QSW-7400"));
    setWindowIcon(QIcon(ModuleIconPicture()));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    menu_ = BuildMenuBar(menuBar(), menus, Actions());
    BuildControls();
    SetHelpTopic(*this, QString::fromLatin1(kHelpMainWindowAnchor));
    new HelpKey([this](const QString &anchor) { OpenHelp(anchor); }, this);

    const StartupOutcome outcome = RunStartup(environment, this);
    ready_ = outcome.ready;
    localConfiguration_ = outcome.localConfiguration;
    configurationFile_ = outcome.configurationFile;
    texts_ = outcome.texts;
    ShowWarnings(outcome.warnings);
    if (ready_) SetUpWindow();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildControls() {
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setFixedSize(kPanelWidth, kPanelHeight);
    setCentralWidget(panel_);

    image_ = new QLabel(panel_);
    image_->setObjectName(QStringLiteral("Image"));
    image_->setGeometry(1, 1, 921, 113);
    image_->setPixmap(FrontPanelPicture());

    statusBar_ = new QStatusBar(panel_);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(1, 114, 921, 22);
    statusPanel_ = new QLabel(statusBar_);
    statusPanel_->setObjectName(QStringLiteral("StatusBarPanel0"));
    statusBar_->addWidget(statusPanel_, 1);
    // Beside the exchanges' status line, which every read overwrites.
    warningPanel_ = new QLabel(statusBar_);
    warningPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
    warningPanel_->hide();
    statusBar_->addPermanentWidget(warningPanel_);
    auto *legend = new QLabel(statusBar_);
    legend->setObjectName(QStringLiteral("LedLegend"));
    legend->setTextFormat(Qt::RichText);
    legend->setText(QStringLiteral("<span style='color:#00ff00'>&#9632;</span> 1 Gb/s "
                                   "<span style='color:#ff8040'>&#9632;</span> 10/100 Mb/s "
                                   "<span style='color:#000000'>&#9632;</span> no link &nbsp;blinking: traffic"));
    legend->setToolTip(QString::fromStdString(LedLegendText()));
    statusBar_->addPermanentWidget(legend);

    rmonState_ = HiddenStaticText(panel_, "ST_RmonState", QRect(240, 92, 77, 17));
    stp_ = HiddenStaticText(panel_, "stSTP", QRect(160, 92, 33, 17));
}

void TMainForm::ShowWarnings(const std::vector<std::string> &warnings) {
    if (warnings.empty()) return;
    QStringList lines;
    for (const std::string &warning : warnings) {
        std::fprintf(stderr, "%s\n", warning.c_str());
        lines << QString::fromStdString(warning);
    }
    // Half the bar at most, the rest of the text in the tip: the exchanges' status stays readable.
    const QString first = lines.front() + (lines.size() > 1 ? QStringLiteral(" (+%1)").arg(lines.size() - 1) : QString());
    warningPanel_->setText(warningPanel_->fontMetrics().elidedText(first, Qt::ElideMiddle, kWarningWidth));
    warningPanel_->setToolTip(lines.join(u'\n'));
    warningPanel_->show();
}

QFrame *TMainForm::AddLedHolder(const char *name, int left, int top, int width, int height) {
    auto *holder = new QFrame(panel_);
    holder->setObjectName(QString::fromLatin1(name));
    holder->setGeometry(left, top, width, height);
    // The picture under it answers the mouse for the ports.
    holder->setAttribute(Qt::WA_TransparentForMouseEvents);
    return holder;
}

MenuActions TMainForm::Actions() {
    return {
        .openEntry = [this](const MenuEntry &entry) { OpenEntryWindow(entry, recipeContext()); },
        .openWindow = [this](const MenuEntry &entry) { OpenDedicatedWindow(entry, recipeContext(), DedicatedWindows()); },
        .startModule = [this](const MenuEntry &entry) { LaunchModule(entry.argument); },
        .runCommand = [this](const MenuEntry &entry) { RunCommand(*entry.command); },
        .openHelp = [this](const MenuEntry &) { H1Click(); },
    };
}

RecipeContext TMainForm::recipeContext() {
    return {.mainWindow = this,
            .hostText = hostText(),
            .statusPanel = statusPanel_,
            .rmonCheck = [this] { CheckRmonState(); },
            .stpText = stp_,
            .moduleDirectory = moduleDirectory_.toStdString(),
            .sessionVersion = texts_.version,
            .sessionSecurityName = texts_.securityName,
            .configurationFile = configurationFile_.toStdString(),
            .windows = &DedicatedWindows()};
}

void TMainForm::SetUpWindow() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(kPanelWidth, kPanelHeight + menuBar()->sizeHint().height());
    if (const QScreen *display = screen()) move(display->availableGeometry().center() - rect().center());
    menu_.Show(&MenuEntry::localLayoutOnly, localConfiguration_);

    const LedHolders holders{
        AddLedHolder("PowerLedPanel", 24, 28, 7, 7),  AddLedHolder("ConsoleLedPanel", 24, 42, 7, 7),
        AddLedHolder("RPSPanel", 24, 56, 7, 7),       AddLedHolder("LedPanel1", 88, 8, 212, 7),
        AddLedHolder("LedPanel2", 328, 8, 212, 7),    AddLedHolder("LedPanel3", 568, 8, 212, 7),
        AddLedHolder("Combo1Panel", 803, 8, 8, 8),    AddLedHolder("Combo2Panel", 852, 8, 8, 8),
        AddLedHolder("GEPanel1", 26, 73, 7, 7),       AddLedHolder("GEPanel2", 49, 73, 7, 7)};
    frontPanel_ = std::make_unique<FrontPanel>(this, holders, statusPanel_);
    ports_ = new FrontPanelPorts(image_, statusPanel_,
                                 {.openSettings = [this](int port) { OpenPortSettings(port); },
                                  .openCounters = [this](int port) { OpenPortCounters(port); },
                                  .portsRead = [this] { FollowPortMedia(); }});

    const QString title = QString::fromStdString(MainWindowTitle(texts_.host));
    setWindowTitle(title);
    menu_.Enable(&MenuEntry::v3Only, texts_.version == "3", QStringLiteral("needs an SNMPv3 session"));
    ShowWhyDisabled(menuBar(), statusPanel_);

    rmonCheck_ = std::make_unique<RmonCheck>(this, rmonState_, statusPanel_, [this](bool enabled) {
        menu_.Enable(&MenuEntry::followsRmonState, enabled);
    });
    CheckRmonState();
    singleInstance_ = std::make_unique<SingleInstance>(title, this);
}

void TMainForm::CheckRmonState() {
    if (rmonCheck_) rmonCheck_->Run();
}

void TMainForm::LaunchModule(const std::string &argument) {
    // Without a message the click would seem lost.
    const QString failure = ::LaunchModule(argument, "", texts_, moduleDirectory_);
    if (!failure.isEmpty()) MessageBox::Ok(this, MessageBox::ModuleCaption(), failure, MessageBox::Icon::Warning);
}

void TMainForm::RunCommand(const DeviceCommand &command) {
    commands_->Run(command, [status = QPointer<QLabel>(statusPanel_)](const QString &failure) {
        if (status) status->setText(failure);
    });
}

void TMainForm::SaveConfigClick() { RunCommand(kSaveChangesCommand); }

void TMainForm::ResetClick() { RunCommand(kRebootCommand); }

void TMainForm::H1Click() { OpenHelp(QString::fromLatin1(kHelpMainWindowAnchor)); }

void TMainForm::OpenHelp(const QString &anchor) {
    QWidget *over = QApplication::activeModalWidget();
    if (helpWindow_.isNull()) {
        const QString path = QDir(moduleDirectory_).filePath(QString::fromLatin1(kHelpFile));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            MessageBox::Ok(over != nullptr ? over : this, MessageBox::ModuleCaption(),
                           QStringLiteral("The help file \"%1\" cannot be opened in %2.")
                               .arg(QString::fromLatin1(kHelpFile), QDir::toNativeSeparators(moduleDirectory_)),
                           MessageBox::Icon::Warning);
            return;
        }
        helpWindow_ = new HelpWindow(this, QString::fromUtf8(file.readAll()));
    }
    helpWindow_->ShowAt(anchor, over);
}

void TMainForm::OpenPortSettings(int port) {
    const FoundEntry found = FindEntryByPath(menus_, kPortSettingsEntry);
    if (found.entry == nullptr) return;
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(*found.entry, recipeContext());
    VdSNMPRequest2Edits *table = form->Binding(0);
    // Once the table is read, the port's row is the one shown (the first of a combo port's two).
    table->getDone = [previous = table->getDone, table, port](VdSNMPRequest2Controls &b, const VdSNMPError &e) {
        if (previous) previous(b, e);
        auto *rows = qobject_cast<SortableList *>(table->listView());
        if (rows == nullptr || rows->currentIndex().isValid()) return;
        const int found = rows->FindShownRow(0, QString::number(port));
        if (found < 0) return;
        const QModelIndex row = rows->model()->index(found, 0);
        rows->setCurrentIndex(row);
        rows->scrollTo(row);
    };
    form->exec();
}

void TMainForm::OpenPortCounters(int port) {
    const FoundEntry found = FindEntryByPath(menus_, kPortCountersEntry);
    if (found.entry == nullptr) return;
    OpenDedicatedWindow(*found.entry, recipeContext(), DedicatedWindows(), [port](QDialog &window) {
        if (auto *counters = qobject_cast<TChosenRowCounterWindow *>(&window)) counters->PreferRow(std::to_string(port));
    });
}

// The captions under the ports say what the device reports of them.
void TMainForm::FollowPortMedia() {
    const PortPoll *poll = ports_->poller().latest();
    if (poll == nullptr) return;
    PortCaptions captions;
    for (int g = 0; g < 3; ++g) captions.groups[g] = QString::fromStdString(PortTypeCaption(*poll, 1 + 16 * g, 16 + 16 * g));
    captions.combo = QString::fromStdString(PortTypeCaption(*poll, 49, 50));
    if (captions.groups[0] == shownCaptions_.groups[0] && captions.groups[1] == shownCaptions_.groups[1] &&
        captions.groups[2] == shownCaptions_.groups[2] && captions.combo == shownCaptions_.combo)
        return;
    shownCaptions_ = captions;
    image_->setPixmap(FrontPanelPicture(captions));
}

void TMainForm::closeEvent(QCloseEvent *event) {
    if (ready_ && MessageBox::YesNo(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?")) !=
                      QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}
