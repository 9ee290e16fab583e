#pragma once

#include "catalogue/menu_builder.h"
#include "catalogue/recipe_context.h"
#include "forms/front_panel_picture.h"
#include "shell/startup.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

struct DeviceCommand;
class DeviceCommands;
class FrontPanel;
class FrontPanelPorts;
class HelpWindow;
class QFrame;
class QLabel;
class QStatusBar;
class RmonCheck;
class SingleInstance;

// The module's main window: the switch's front with its LEDs, a status bar, and the menu bar of
// management functions. Creating it runs the start-up sequence and, when that succeeds, the
// window set-up. Every menu item comes from the menu catalogue.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const StartupEnvironment &environment,
                       const MenuCatalogue &menus = MenuCatalogue::Instance(), QWidget *parent = nullptr);
    ~TMainForm() override;

    // False when start-up failed (its message has been shown): the module is to end.
    bool isReady() const { return ready_; }
    bool localConfiguration() const { return localConfiguration_; }
    const SettingTexts &settingTexts() const { return texts_; }
    const std::string &hostText() const { return texts_.host; }
    const QString &moduleDirectory() const { return moduleDirectory_; }
    const MenuBarItems &menuItems() const { return menu_; }
    QLabel *statusPanel() const { return statusPanel_; }
    // Start-up's warnings (settings files that cannot serve, ignored switches); hidden without any.
    QLabel *warningPanel() const { return warningPanel_; }
    QLabel *rmonStateText() const { return rmonState_; }
    QLabel *stpText() const { return stp_; }
    FrontPanel *frontPanel() const { return frontPanel_.get(); }
    FrontPanelPorts *ports() const { return ports_; }
    QLabel *frontPanelImage() const { return image_; }

    // Reads the device's RMON state and lets "Statistics", "History" and "Alarm/Event" follow it.
    void CheckRmonState();
    // Starts a sibling module program for a "/T" argument with this session's settings.
    void LaunchModule(const std::string &argument);

    void SaveConfigClick();
    void ResetClick();
    // Help at the top; OpenHelp at an entry's section (F1), over the modal window that is up.
    void H1Click();
    void OpenHelp(const QString &anchor);
    // A port's settings (its row of the port control table) and its interface counters.
    void OpenPortSettings(int port);
    void OpenPortCounters(int port);
    // What an entry's window gets from the main window.
    RecipeContext recipeContext();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void ShowWarnings(const std::vector<std::string> &warnings);
    void SetUpWindow();
    MenuActions Actions();
    void RunCommand(const DeviceCommand &command);
    QFrame *AddLedHolder(const char *name, int left, int top, int width, int height);
    void FollowPortMedia();

    const MenuCatalogue &menus_;
    QString moduleDirectory_;
    QString configurationFile_;
    bool ready_ = false;
    bool localConfiguration_ = false;
    SettingTexts texts_;
    MenuBarItems menu_;
    std::unique_ptr<DeviceCommands> commands_;

    QFrame *panel_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    QLabel *statusPanel_ = nullptr;
    QLabel *warningPanel_ = nullptr;
    QLabel *image_ = nullptr;
    FrontPanelPorts *ports_ = nullptr;
    QLabel *rmonState_ = nullptr;
    QLabel *stp_ = nullptr;

    PortCaptions shownCaptions_;
    std::unique_ptr<FrontPanel> frontPanel_;
    std::unique_ptr<RmonCheck> rmonCheck_;
    std::unique_ptr<SingleInstance> singleInstance_;
    QPointer<HelpWindow> helpWindow_;
};
