#pragma once

#include <QFrame>

class QPlainTextEdit;

// The message area at the bottom of a panel; its binding appends one status line per exchange.
class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 50;

    explicit TMsgPanel(QWidget *parent);

    QPlainTextEdit *memo;
};
