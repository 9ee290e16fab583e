#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

struct SettingTexts;

// A sibling module program started with the session's settings and a function argument such as
// "/TRmon_Statistics": the program is named by the argument's text between "/T" and the first "_".
struct ModuleCommand {
    std::string program;
    std::vector<std::string> arguments;  // each option glued to its value, e.g. "/Rpublic"
};

ModuleCommand BuildModuleCommand(const std::string &argument, const SettingTexts &texts);

// The same command as one line of text, for display: program and arguments joined by blanks.
std::string BuildModuleCommandLine(const std::string &argument, const SettingTexts &texts);

// Where the program would be started from: the module's own directory first, then the search path;
// empty when it is in neither.
QString FindModuleProgram(const std::string &program, const QString &moduleDirectory);

// Starts the program detached, each option one argument, no shell in between; extra, when not
// empty, is one more argument at the end. Returns empty, or a message naming the program and where
// it was looked for when it cannot be found or started.
QString LaunchModule(const std::string &argument, const std::string &extra, const SettingTexts &texts,
                     const QString &moduleDirectory);
