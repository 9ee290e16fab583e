#include "headless_fixture.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QUdpSocket>

#include <unistd.h>

QJsonObject ParseJson(const QString &text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

quint16 ClosedPort() {
    QUdpSocket socket;
    EXPECT_TRUE(socket.bind(QHostAddress::LocalHost, 0));
    return socket.localPort();
}

ProcessOutcome HeadlessTest::Run(const QStringList &arguments, const QString &module) {
    const QString program = QDir(module).filePath(QStringLiteral("qsw7400"));
    const QByteArray built = QByteArrayLiteral(QSW_BINARY_DIR "/qsw7400");
    if (!QFile::exists(program) && ::link(built.constData(), program.toLocal8Bit().constData()) != 0) {
        EXPECT_TRUE(QFile::copy(QString::fromLocal8Bit(built), program));
    }
    const QDir catalogues(QStringLiteral(QSW_BINARY_DIR "/errMSg"));
    QDir(module).mkpath(QStringLiteral("errMSg"));
    for (const QString &name : catalogues.entryList(QDir::Files))
        QFile::copy(catalogues.filePath(name), QDir(module).filePath(QStringLiteral("errMSg/") + name));
    // A platform plugin that cannot start without a display: a run that made a GUI application
    // would end in an abort.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return runProcess(program, arguments, environment, 60000);
}

ProcessOutcome HeadlessTest::Snapshot(const QString &file, const QStringList &options, const QString &module) {
    const QStringList arguments = QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "--snapshot"} + options;
    const ProcessOutcome run = Run(arguments, module.isEmpty() ? LocalLayout() : module);
    QFile out(dir_.filePath(file));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(run.out.toUtf8());
    return run;
}
