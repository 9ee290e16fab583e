#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct RecipeContext;

// Names the module and its version.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const RecipeContext &context, QWidget *parent);

private:
    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *BT_Ok;
};
