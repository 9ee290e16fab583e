#include "main_form_fixture.h"
#include "recording_program.h"

#include "binding/ui/message_box.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTextBrowser>

namespace {

QAction *HelpItem(TMainForm &form) { return form.menuBar()->findChild<QAction *>(QStringLiteral("H1")); }

TEST_F(MainFormTest, RmonEntriesStartTheRmonModuleWithTheSessionSettings) {
    const QString module = LocalLayout();
    WriteRecordingProgram(module, QStringLiteral("Rmon"));
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, module);
    MenuItem(*form, {"RMON", "Alarm/Event"})->trigger();
    EXPECT_EQ(WaitForRecordedArguments(module), "/I127.0.0.1\n/Rpublic\n/Wprivate\n/TRmon_AlarmEvent\n");
}

// A sibling program that is not installed: the click is answered with a message naming the program
// and where it was looked for, never lost.
TEST_F(MainFormTest, AModuleProgramThatIsMissingIsNamedWithWhereItWasLookedFor) {
    const QString module = LocalLayout();
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, module);
    MessageBox::reset();
    MenuItem(*form, {"RMON", "Alarm/Event"})->trigger();
    EXPECT_EQ(MessageBox::shownCount(), 1);
    EXPECT_TRUE(MessageBox::lastText().contains(QStringLiteral("\"Rmon\""))) << MessageBox::lastText().toStdString();
    EXPECT_TRUE(MessageBox::lastText().contains(module)) << MessageBox::lastText().toStdString();
}

TEST_F(MainFormTest, LayerThreeEntriesStartTheLayer3ModuleWithTheSessionSettings) {
    const QString module = PlainDirectory();
    WriteRecordingProgram(module, QStringLiteral("Layer3"));
    const QString port = QString::number(sim_.port());
    auto form = Start({"/I127.0.0.1", "/v3", "/t" + port, "/m3", "/l3", "/nmd5des", "/a2", "/p2", "/Amd5despass",
                       "/Pmd5desprivpass"},
                      module);
    MenuItem(*form, {"Layer 3 Management", "OSPF", "Neighbor Info"})->trigger();
    EXPECT_EQ(WaitForRecordedArguments(module), "/I127.0.0.1\n/t" + port +
                                                    "\n/v3\n/d\n/m3\n/nmd5des\n/l3\n/a2\n/p2\n/Amd5despass\n"
                                                    "/Pmd5desprivpass\n/c\n/TLayer3_Neighbor\n");
}

// Help shows the document beside the module in a window of its own; without the document a message
// says which file was looked for, and where.
TEST_F(MainFormTest, HelpShowsTheDocumentBesideTheModuleOrSaysWhereItLooked) {
    const QString module = LocalLayout();
    auto form = Start({"/I127.0.0.1", "/Rpublic"}, module);
    MessageBox::reset();
    HelpItem(*form)->trigger();
    EXPECT_TRUE(MessageBox::lastText().contains(QStringLiteral("QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp")));
    EXPECT_TRUE(MessageBox::lastText().contains(module)) << MessageBox::lastText().toStdString();
    EXPECT_EQ(form->findChild<QWidget *>(QStringLiteral("HelpWindow")), nullptr);

    // The document the build generates from the catalogue.
    const QString name = QStringLiteral("QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QSW_BINARY_DIR "/") + name, QDir(module).filePath(name)));
    MessageBox::reset();
    HelpItem(*form)->trigger();
    EXPECT_EQ(MessageBox::shownCount(), 0);
    auto *help = form->findChild<QWidget *>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    const QString text = help->findChild<QTextBrowser *>(QStringLiteral("helpText"))->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Menu Basic Configuration")));
    EXPECT_TRUE(text.contains(QStringLiteral("IF Table")));
}

}  // namespace

