#include "windows/form_parts.h"

#include "editor/window_fit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QVBoxLayout>

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

void LayOutSettingsWindow(QWidget *window, QWidget *settings, std::initializer_list<QPushButton *> buttons,
                          QStatusBar **bar, QLabel **panel) {
    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 4);
    row->addStretch();
    for (QPushButton *button : buttons) row->addWidget(button);
    *bar = MakeStatusBar(window, panel);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(settings, 1);
    layout->addLayout(row);
    layout->addWidget(*bar);
    CentreOnMainWindow(window);
}

void SetFieldOn(QWidget *field, bool on) {
    field->setEnabled(on);
    QPalette palette = field->palette();
    const QPalette::ColorRole behind = on ? QPalette::Base : QPalette::Window;
    palette.setColor(QPalette::Base, QApplication::palette(field).color(QPalette::Active, behind));
    field->setPalette(palette);
}
