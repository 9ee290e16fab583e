#pragma once

#include "shell/setting_texts.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QWidget;

// What the module was started with.
struct StartupEnvironment {
    QStringList parameters;   // the command line without the program name
    QString moduleDirectory;  // the directory of the module's program file
};

struct StartupOutcome {
    bool ready = false;  // the session and its settings are in place; the window may be set up
    bool localConfiguration = false;
    SettingTexts texts;
    // What start-up went on despite: ignored switches, unusable files (each naming the file, line and
    // key where there is one). For standard error and the status line.
    std::vector<std::string> warnings;
    // Whence the settings in force: "settings from <file>" or what stood in for the file.
    std::string settingsSource;
    // The device's configuration file, read or not; empty when it has no place.
    QString configurationFile;
};

enum class StartupNotice { Information, Error };
using StartupReport = std::function<void(const QString &text, StartupNotice kind)>;

// The start-up sequence: creates the session, loads the message catalogues from "errMSg/" beside
// the module, applies the command line and then the device's configuration file to the session's
// parameters. Every failure has been reported when it returns not ready, and the module is then to
// end without sending anything.
StartupOutcome RunStartup(const StartupEnvironment &environment, const StartupReport &report);
// The same, telling the user of failures in message boxes over messageParent.
StartupOutcome RunStartup(const StartupEnvironment &environment, QWidget *messageParent);
