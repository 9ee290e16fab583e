#include "main_form_fixture.h"

#include "shell/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QProcess>

namespace {

TEST_F(MainFormTest, ASecondStartForTheSameHostHandsOverAndEnds) {
    // A module the user has open for the same device, where such a module listens: the tests' own
    // modules never meet it.
    QLocalServer users;
    users.listen(QDir(UserTempPath()).filePath(SingleInstance::SocketName(QStringLiteral("QSW-7400 : 127.0.0.1"))));
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    ASSERT_FALSE(form->isVisible());

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    // The same device by name: the running window carries its address.
    second.start(QStringLiteral(QSW_BINARY_DIR "/qsw7400"), {"/Ilocalhost", "/Rpublic", "/Wprivate"});
    ASSERT_TRUE(second.waitForStarted());
    const bool ended = WaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000);
    if (!ended) second.kill();
    second.waitForFinished();
    EXPECT_TRUE(ended);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QByteArray said = second.readAllStandardError();
    EXPECT_TRUE(said.contains("QSW-7400 : 127.0.0.1 is already open on this display: its window was brought to the front."))
        << said.toStdString();
    EXPECT_TRUE(WaitFor([&] { return form->isVisible(); }));
}

}  // namespace

