#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
struct MenuEntry;
struct RecipeContext;

// Names the module and its version.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *BT_Ok;
};

std::unique_ptr<QDialog> CreateAbout(const MenuEntry &entry, const RecipeContext &context);
