#include "recording_program.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

void WriteRecordingProgram(const QString &directory, const QString &name) {
    QFile program(QDir(directory).filePath(name));
    if (!program.open(QIODevice::WriteOnly)) return;
    program.write("#!/bin/sh\n"
                  "here=$(dirname \"$0\")\n"
                  "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$here/args.tmp\"\n"
                  "mv \"$here/args.tmp\" \"$here/args\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString WaitForRecordedArguments(const QString &directory) {
    QFile file(QDir(directory).filePath(QStringLiteral("args")));
    QElapsedTimer clock;
    clock.start();
    while (!file.exists() && clock.elapsed() < 10000) QThread::msleep(20);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}
