#include "windows/form_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

QPushButton *MakeNamedButton(QWidget *parent, const char *name, const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QStatusBar *MakeStatusBar(QWidget *parent, QLabel **panel) {
    auto *bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    *panel = new QLabel(bar);
    (*panel)->setObjectName(QStringLiteral("StatusPanel0"));
    bar->addWidget(*panel, 1);
    return bar;
}
