#pragma once

#include <QTextBrowser>

// The module's help viewer: a window of its own showing the HTML help document, not modal, gone
// with the main window and deleted when closed.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow);

    // Shows the document and brings the window to the front.
    void ShowDocument(const QString &html);
};
