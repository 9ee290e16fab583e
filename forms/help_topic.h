#pragma once

#include <QString>

class QObject;
class QWidget;

// The section of the help document F1 opens. A window gets one where it is opened for a menu
// entry, a menu item that of its entry; a window without one (an entry's edit dialog, a message
// box) takes that of the window it was opened over.
void SetHelpTopic(QObject &windowOrItem, const QString &anchor);
// The topic for F1 pressed in widget: the item a menu has under the mouse or keys, otherwise that
// of the widget's window or of the nearest window it was opened over; empty when none has one.
QString HelpTopicOf(const QWidget *widget);
