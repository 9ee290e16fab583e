// scripts/run.sh, the README's command that runs the module on the simulator, with the build at hand.
#include "support/sim_runner.h"

#include <QDir>
#include <QProcess>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

// Two runs at once while the port they would both try first is taken: each gets a simulator on a
// port of its own and a module laid out for it alone, and reads its device through it.
TEST(RunScript, RunsSideBySideWhenTheFirstChoicePortIsTaken) {
    QUdpSocket taken;
    ASSERT_TRUE(taken.bind(QHostAddress::LocalHost, 0));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QSW_BUILD_DIR"), QStringLiteral(QSW_BINARY_DIR));
    environment.insert(QStringLiteral("QSW_SIM_PORT"), QString::number(taken.localPort()));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QStringList arguments{QStringLiteral(QSW_SOURCE_DIR "/scripts/run.sh"), QStringLiteral("--show"),
                                QStringLiteral("Basic Configuration>MIB II>Information")};

    QProcess runs[2];
    for (QProcess &run : runs) {
        run.setProcessEnvironment(environment);
        run.start(QStringLiteral("bash"), arguments);
    }
    QStringList modules;
    for (QProcess &run : runs) {
        ASSERT_TRUE(run.waitForFinished(120000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        const QString err = QString::fromUtf8(run.readAllStandardError());
        EXPECT_EQ(run.exitCode(), 0) << err.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("QSW-7400"))) << out.toStdString() << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("is taken"))) << err.toStdString();
    }
    // Each run's module folder went with it.
    const QDir runsFolder(QStringLiteral(QSW_BINARY_DIR "/vandrel_ems"));
    EXPECT_TRUE(runsFolder.entryList({QStringLiteral("qsw7400-run.*")}, QDir::Dirs).isEmpty());
}

}  // namespace
