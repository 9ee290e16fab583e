#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The module's one way to ask or tell the user something in a modal box. Tests queue answers in
// advance and read back what the user would have seen; on the offscreen platform a box nobody
// answered returns its default button at once instead of blocking.
class MessageBox {
public:
    using Button = QMessageBox::StandardButton;
    enum class Icon { None, Information, Warning, Error, Question };

    static Button Ok(QWidget *parent, const QString &caption, const QString &text, Icon icon = Icon::None);
    static Button YesNo(QWidget *parent, const QString &caption, const QString &text, Icon icon = Icon::None);
    // A question whose Yes changes the device: No is the default, so a stray Enter changes nothing.
    static Button YesNoChange(QWidget *parent, const QString &caption, const QString &text, Icon icon = Icon::None);
    static Button OkCancel(QWidget *parent, const QString &caption, const QString &text,
                           Icon icon = Icon::None);
    // Ok, without waiting for the answer. Called from a completion the SNMP event pump delivers it
    // opens once that has returned: a modal loop inside it would hold every other exchange of the
    // module while the box is up. A parent gone by then sees nothing.
    static void Tell(QWidget *parent, const QString &caption, const QString &text, Icon icon = Icon::None);

    // The caption of the module's own messages: the application name, which defaults to the
    // executable's file name.
    static QString ModuleCaption();

    // Test side.
    static void setNextAnswer(Button button);
    static QString lastCaption();
    static QString lastText();
    static int shownCount();
    static int unansweredCount();
    // Forgets queued answers and everything recorded.
    static void reset();

private:
    static Button Show(QWidget *parent, const QString &caption, const QString &text,
                       QMessageBox::StandardButtons buttons, Button defaultButton, Icon icon);
};
