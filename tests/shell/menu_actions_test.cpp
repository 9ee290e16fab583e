#include "main_form_fixture.h"
#include "recording_program.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenuBar>
#include <QUrl>

namespace {

TEST_F(MainFormTest, RmonEntriesStartTheRmonModuleWithTheSessionSettings) {
    const QString module = LocalLayout();
    WriteRecordingProgram(module, QStringLiteral("Rmon"));
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, module);
    MenuItem(*form, {"RMON", "Alarm/Event"})->trigger();
    EXPECT_EQ(WaitForRecordedArguments(module), "/I127.0.0.1\n/Rpublic\n/Wprivate\n/TRmon_AlarmEvent\n");
}

// Stands in for the platform's viewer and records what it was asked to show.
class ViewerRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> shown;
public slots:
    void Show(const QUrl &url) { shown << url; }
};

TEST_F(MainFormTest, HelpAsksTheViewerForTheHelpFileBesideTheModule) {
    const QString module = LocalLayout();
    auto form = Start({"/I127.0.0.1", "/Rpublic"}, module);
    ViewerRecorder viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Show");
    QAction *help = form->menuBar()->findChild<QAction *>("H1");
    ASSERT_NE(help, nullptr);
    help->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(viewer.shown.size(), 1);
    EXPECT_EQ(viewer.shown.front().toLocalFile(),
              module + QStringLiteral("/QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp"));
}

}  // namespace

#include "menu_actions_test.moc"
