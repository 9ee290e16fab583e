#include "shell/help_window.h"

#include "catalogue/model/help_document.h"
#include "forms/ui_parts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 560;

}  // namespace

HelpWindow::HelpWindow(QWidget *mainWindow, const QString &html) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("QSW-7400 Help"));

    text_ = MakeNamed<QTextBrowser>(this, "helpText");
    text_->setOpenExternalLinks(false);
    text_->setHtml(html);
    auto *contents = MakeNamedButton(this, "btnContents", "Contents");
    auto *findLabel = new QLabel(QStringLiteral("Find:"), this);
    find_ = MakeNamed<QLineEdit>(this, "edFind");
    find_->setClearButtonEnabled(true);
    findLabel->setBuddy(find_);
    auto *previous = MakeNamedButton(this, "btnFindPrevious", "Previous");
    auto *next = MakeNamedButton(this, "btnFindNext", "Next");
    findStatus_ = MakeNamed<QLabel>(this, "lbFindStatus");
    // Room for what it says, so that the find box does not jump as it says it.
    findStatus_->setMinimumWidth(findStatus_->fontMetrics().horizontalAdvance(QStringLiteral("\"read-write\" not found")));

    auto *bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addSpacing(12);
    bar->addWidget(findLabel);
    bar->addWidget(find_, 1);
    bar->addWidget(previous);
    bar->addWidget(next);
    bar->addWidget(findStatus_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(text_, 1);
    resize(kWidth, kHeight);

    const auto forward = [this] { FindFrom(text_->textCursor(), {}); };
    const auto backward = [this] { FindFrom(text_->textCursor(), QTextDocument::FindBackward); };
    connect(contents, &QPushButton::clicked, this, [this] { text_->scrollToAnchor(QString::fromLatin1(kHelpContentsAnchor)); });
    connect(next, &QPushButton::clicked, this, forward);
    connect(previous, &QPushButton::clicked, this, backward);
    connect(find_, &QLineEdit::returnPressed, this, forward);
    connect(find_, &QLineEdit::textEdited, this, [this] { FindAsTyped(); });
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, forward);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this), &QShortcut::activated, this, backward);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        find_->setFocus();
        find_->selectAll();
    });
}

void HelpWindow::ShowAt(const QString &anchor, QWidget *owner) {
    HeldBy(owner != nullptr ? owner : mainWindow_);
    show();
    shownBefore_ = true;
    raise();
    activateWindow();
    if (anchor.isEmpty()) text_->verticalScrollBar()->setValue(0);
    else text_->scrollToAnchor(anchor);
}

// A window over which a modal one is open takes no input: the help window is held by the modal
// window while it is up, so that it can be read and searched beside it.
void HelpWindow::HeldBy(QWidget *owner) {
    if (parentWidget() == owner) return;
    if (parentWidget() != nullptr) parentWidget()->removeEventFilter(this);
    const QRect place = geometry();
    setParent(owner, Qt::Window);
    // Where the user left it; the first time the window system places it.
    if (shownBefore_) setGeometry(place);
    owner->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event) {
    // The window that held the help has gone: back to the main window, still open.
    if (watched == parentWidget() && watched != mainWindow_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        HeldBy(mainWindow_);
        show();
    }
    return false;
}

void HelpWindow::FindFrom(const QTextCursor &from, QTextDocument::FindFlags flags) {
    const QString wanted = find_->text();
    findStatus_->clear();
    if (wanted.isEmpty()) return;
    const bool backward = (flags & QTextDocument::FindBackward) != 0;
    QTextDocument *document = text_->document();
    QTextCursor match = document->find(wanted, from, flags);
    if (match.isNull()) {
        // Round from the other end.
        match = document->find(wanted, backward ? document->characterCount() - 1 : 0, flags);
        if (!match.isNull()) findStatus_->setText(backward ? QStringLiteral("from the end") : QStringLiteral("from the top"));
    }
    if (match.isNull()) {
        findStatus_->setText(QStringLiteral("\"%1\" not found").arg(wanted));
        return;
    }
    text_->setTextCursor(match);
    text_->ensureCursorVisible();
}

void HelpWindow::FindAsTyped() {
    QTextCursor from = text_->textCursor();
    from.setPosition(from.selectionStart());
    FindFrom(from, {});
}
