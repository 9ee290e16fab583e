// F1 and the help viewer as a user meets them: the help opens at the section of the window (or
// menu item) F1 was pressed in, stays usable beside a modal window, and finds text.
#include "main_form_fixture.h"

#include "catalogue/model/help_document.h"
#include "shell/help_window.h"
#include "support/widget_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

const char kHelpFile[] = "QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp";

class HelpTest : public MainFormTest {
protected:
    std::unique_ptr<TMainForm> StartWithHelp() {
        const QString module = LocalLayout();
        const QString name = QString::fromLatin1(kHelpFile);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QSW_BINARY_DIR "/") + name, QDir(module).filePath(name)));
        return Start({"/I127.0.0.1", "/Rpublic"}, module);
    }

    static HelpWindow *Help() {
        for (QWidget *w : QApplication::allWidgets())
            if (auto *help = qobject_cast<HelpWindow *>(w); help != nullptr && help->isVisible()) return help;
        return nullptr;
    }

    // The heading at the top of what the viewer shows.
    static QString TopLine(HelpWindow *help) {
        auto *text = Named<QTextBrowser>(help, "helpText");
        return text->cursorForPosition(QPoint(4, 4)).block().text();
    }
};

struct F1Case {
    std::vector<std::string> path;
    const char *window;  // the objectName of the window the entry opens
};

// In an entry's window and in a dedicated window: the entry's section, in a viewer that can be
// used while the modal window is up and that stays open once it has closed.
TEST_F(HelpTest, F1InAWindowOpensTheHelpAtItsEntrysSection) {
    const F1Case cases[] = {{{"Basic Configuration", "MIB II", "IF Table"}, "ConfigForm"},
                            {{"Security ", "SSL", "SSL Control"}, "SSLManagementForm"}};
    auto form = StartWithHelp();
    for (const F1Case &c : cases) {
        SCOPED_TRACE(c.window);
        QPointer<HelpWindow> help;
        QString top;
        bool active = false;
        const auto press = WhenModal(QString::fromLatin1(c.window), [&](QWidget *window) {
            QTest::keyClick(window, Qt::Key_F1);
            help = Help();
            if (help != nullptr) {
                active = QTest::qWaitForWindowActive(help);
                top = TopLine(help);
            }
            window->close();
        });
        MenuItem(*form, c.path)->trigger();
        ASSERT_FALSE(help.isNull());
        EXPECT_TRUE(active) << "blocked by the modal window";
        EXPECT_EQ(top.toStdString(), c.path.back().substr(0, c.path.back().find_last_not_of(' ') + 1));
        EXPECT_TRUE(help->isVisible()) << "closed with the window it was opened over";
        help->close();
        QApplication::processEvents();
    }
}

// In the main window: the top of the document; in an open menu: the item under the keys.
TEST_F(HelpTest, F1InTheMainWindowAndItsMenus) {
    auto form = StartWithHelp();
    form->show();
    QTest::keyClick(form.get(), Qt::Key_F1);
    HelpWindow *help = Help();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(TopLine(help).toStdString(), "QSW-7400 device management");

    QAction *item = MenuItem(*form, {"Basic Configuration", "MIB II", "IF Table"});
    auto *menu = qobject_cast<QMenu *>(item->parent());
    ASSERT_NE(menu, nullptr);
    menu->popup(form->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(item);
    QTest::keyClick(menu, Qt::Key_F1);
    menu->hide();
    EXPECT_EQ(TopLine(help).toStdString(), "IF Table");
}

// The find box: Enter and F3 go from match to match, Shift+F3 back, text that is nowhere is
// said to be so and leaves the last match selected; the contents link to the sections.
TEST_F(HelpTest, TheViewerFindsTextAndItsContentsLinkToTheSections) {
    auto form = StartWithHelp();
    form->H1Click();
    HelpWindow *help = Help();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));  // its keys are the active window's
    auto *text = Named<QTextBrowser>(help, "helpText");
    auto *find = Named<QLineEdit>(help, "edFind");
    auto *status = Named<QLabel>(help, "lbFindStatus");

    QTest::keyClicks(find, "ifSpeed");  // not a label: only "Speed" is
    EXPECT_TRUE(status->text().contains("not found")) << status->text().toStdString();
    find->clear();
    QTest::keyClicks(find, "Read-write");
    EXPECT_EQ(text->textCursor().selectedText().toLower().toStdString(), "read-write");
    const int first = text->textCursor().position();
    QTest::keyClick(find, Qt::Key_Return);
    const int second = text->textCursor().position();
    EXPECT_GT(second, first);
    QTest::keyClick(find, Qt::Key_F3);
    EXPECT_GT(text->textCursor().position(), second);
    QTest::keyClick(find, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(text->textCursor().position(), second);
    EXPECT_TRUE(status->text().isEmpty());
    QTest::keyClick(find, Qt::Key_A);
    EXPECT_TRUE(status->text().contains("not found"));
    EXPECT_EQ(text->textCursor().position(), second) << "the last match stays selected";

    // A link of the contents, clicked where it is shown.
    Click(help, "btnContents");
    EXPECT_EQ(TopLine(help).toStdString(), "Contents");
    QTextCursor link = text->document()->find(QStringLiteral("Port Overview"));
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    text->setTextCursor(link);
    text->ensureCursorVisible();
    QTextCursor inside = link;
    inside.setPosition(link.selectionStart() + 2);
    const QPoint at = text->cursorRect(inside).center();
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(TopLine(help).toStdString(), "Port Overview");
}

}  // namespace
