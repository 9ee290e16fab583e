#include "editor/msg_panel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("messagePanel"));
    memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("memo"));
    memo->setReadOnly(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    setMinimumHeight(kHeight / 2);
    resize(width(), kHeight);
}
