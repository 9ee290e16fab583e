#include "shell/help_window.h"

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 560;

}  // namespace

HelpWindow::HelpWindow(QWidget *mainWindow) : QTextBrowser(mainWindow) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("QSW-7400 Help"));
    setOpenExternalLinks(false);
    resize(kWidth, kHeight);
}

void HelpWindow::ShowDocument(const QString &html) {
    setHtml(html);
    show();
    raise();
    activateWindow();
}
