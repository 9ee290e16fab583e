#include "shell/module_command_line.h"

#include "shell/setting_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

ModuleCommand BuildModuleCommand(const std::string &argument, const SettingTexts &t) {
    ModuleCommand command;
    const std::size_t underscore = argument.find('_');
    if (underscore != std::string::npos && underscore >= 2)
        command.program = argument.substr(2, underscore - 2);
    auto add = [&](const char *option, const std::string &value) {
        command.arguments.push_back(option + value);
    };
    add("/I", t.host);
    if (t.version == "3") {
        add("/t", t.port);
        add("/v", t.version);
        add("/d", t.contextEngineID);
        add("/m", t.securityModel);
        add("/n", t.securityName);
        add("/l", t.securityLevel);
        add("/a", t.authProtocol);
        add("/p", t.privProtocol);
        add("/A", t.authPassword);
        add("/P", t.privPassword);
        add("/c", t.contextName);
    } else {
        add("/R", t.readCommunity);
        add("/W", t.writeCommunity);
    }
    command.arguments.push_back(argument);
    return command;
}

std::string BuildModuleCommandLine(const std::string &argument, const SettingTexts &texts) {
    const ModuleCommand command = BuildModuleCommand(argument, texts);
    std::string line = command.program;
    for (const std::string &part : command.arguments) line += " " + part;
    return line;
}

QString FindModuleProgram(const std::string &program, const QString &moduleDirectory) {
    if (program.empty()) return {};
    const QString name = QString::fromStdString(program);
    const QFileInfo beside(QDir(moduleDirectory).filePath(name));
    if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(name);
}

QString LaunchModule(const std::string &argument, const std::string &extra, const SettingTexts &texts,
                     const QString &moduleDirectory) {
    const ModuleCommand command = BuildModuleCommand(argument, texts);
    const QString name = QString::fromStdString(command.program);
    const QString program = FindModuleProgram(command.program, moduleDirectory);
    if (program.isEmpty()) {
        return QStringLiteral("The module program \"%1\" was not found: it is neither in %2 nor on the search "
                              "path.")
            .arg(name, QDir::toNativeSeparators(moduleDirectory));
    }
    QStringList arguments;
    for (const std::string &part : command.arguments) arguments << QString::fromStdString(part);
    if (!extra.empty()) arguments << QString::fromStdString(extra);
    if (!QProcess::startDetached(program, arguments))
        return QStringLiteral("The module program \"%1\" could not be started.").arg(program);
    return {};
}
