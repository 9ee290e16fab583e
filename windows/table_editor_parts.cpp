#include "windows/table_editor_parts.h"

#include "editor/window_fit.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMemoHeight = 60;

QHBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons) row->addWidget(button);
    return row;
}

}  // namespace

QPlainTextEdit *MakeMemo(QWidget *parent) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setMaximumHeight(kMemoHeight);
    return memo;
}

void LayOutListWindow(QWidget *window, QTreeWidget *list, std::initializer_list<QWidget *> below,
                      std::initializer_list<QPushButton *> buttons, QStatusBar *bar) {
    auto *body = new QVBoxLayout;
    body->setContentsMargins(6, 6, 6, bar ? 2 : 6);
    body->addWidget(list, 1);
    for (QWidget *widget : below) body->addWidget(widget);
    body->addLayout(ButtonRow(buttons));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(body, 1);
    if (bar != nullptr) layout->addWidget(bar);
    CentreOnMainWindow(window);
}

void LayOutFieldDialog(QDialog *dialog, std::initializer_list<std::pair<const char *, QWidget *>> fields,
                       std::initializer_list<QPushButton *> buttons) {
    auto *form = new QFormLayout;
    for (const auto &[caption, field] : fields) form->addRow(QString::fromLatin1(caption), field);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addLayout(ButtonRow(buttons));
}
