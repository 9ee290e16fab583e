#include "main_form_fixture.h"

#include <QProcess>

namespace {

TEST_F(MainFormTest, ASecondStartForTheSameHostHandsOverAndEnds) {
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
    EXPECT_TRUE(WaitFor([&] { return form->isVisible(); }));
}

}  // namespace

