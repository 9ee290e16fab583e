#pragma once

#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

// The module's help viewer: a window of its own showing the HTML help document, with a find box
// (Enter or F3 finds the next match, Shift+F3 the one before, Ctrl+F goes to the box). Not modal,
// gone with the main window and deleted when closed. Opened over a modal window it stays usable:
// it is held by that window while it is up and returns to the main window when it goes.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow, const QString &html);

    // Shows the document at the section of anchor (the top when it names none) over owner, and
    // brings the window to the front.
    void ShowAt(const QString &anchor, QWidget *owner);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void HeldBy(QWidget *owner);
    // The next match after from (before it, backward), round from the other end of the document;
    // text that is nowhere leaves the selection as it was and is said to be not found.
    void FindFrom(const QTextCursor &from, QTextDocument::FindFlags flags);
    // As the text is typed: the match from where the last one began.
    void FindAsTyped();

    QWidget *mainWindow_;
    QTextBrowser *text_;
    QLineEdit *find_;
    QLabel *findStatus_;
    bool shownBefore_ = false;
};
