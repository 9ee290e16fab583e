#include "module_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <stdexcept>

#include <unistd.h>

Run TimeProcess(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray output;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        process.waitForReadyRead(1000);
        output += process.readAllStandardOutput();
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error(program.toStdString() + " failed: " + process.readAllStandardError().toStdString());
    const long fields = static_cast<long>(output.left(output.indexOf('\n')).count(',')) + 1;
    return {ms, static_cast<long>(output.count('\n')), fields};
}

Run Best(int repeats, const std::function<Run()> &run) {
    Run best = run();
    for (int i = 1; i < repeats; ++i) {
        const Run next = run();
        if (next.milliseconds < best.milliseconds) best = next;
    }
    return best;
}

QString LayOutModule(const QTemporaryDir &scratch, const QString &built, std::uint16_t port,
                     const QByteArray &settings) {
    const QDir module(scratch.filePath(QStringLiteral("vandrel_ems/qsw7400")));
    module.mkpath(QStringLiteral("errMSg"));
    const QString program = module.filePath(QStringLiteral("qsw7400"));
    // A file of its own, not a symbolic link: the module finds its files beside its program file.
    if (::link(QFile::encodeName(built).constData(), QFile::encodeName(program).constData()) != 0 &&
        !QFile::copy(built, program))
        throw std::runtime_error("the module could not be laid out in " + module.path().toStdString());
    const QDir catalogues(QFileInfo(built).dir().filePath(QStringLiteral("errMSg")));
    for (const QString &name : catalogues.entryList(QDir::Files))
        QFile::copy(catalogues.filePath(name), module.filePath(QStringLiteral("errMSg/") + name));
    QFile configuration(module.filePath(QStringLiteral("127.0.0.1.cfg")));
    if (!configuration.open(QIODevice::WriteOnly)) throw std::runtime_error("no configuration file");
    configuration.write("[Program Information]\nVersion=1\nAgentPort=" + QByteArray::number(port) + "\n" + settings);
    return program;
}

