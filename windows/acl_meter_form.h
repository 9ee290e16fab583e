#pragma once

#include "windows/row_table_form.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct MenuEntry;
struct RecipeContext;

// The ACL meters: listed, and the selected meter's rate and action set with the editors below the
// list.
class TACLMeterForm : public TRowTableForm {
    Q_OBJECT
public:
    explicit TACLMeterForm(QWidget *parent = nullptr, const std::string &hostText = {});
    ~TACLMeterForm() override;

    void EditButtonClick();

    QTreeWidget *ListView1;
    QLineEdit *ProfileIDEdit;
    QLineEdit *AccessIDEdit;
    QLineEdit *RateEdit;
    QComboBox *CBox_Active;
    QPushButton *GetButton;
    QPushButton *EditButton;
    QPushButton *AddButton;
    QPushButton *DeleteButton;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

protected:
    void ReadDone() override;
    void SelectionChanged() override;

private:
    QWidget *BuildEditors();
    void ClearEditors();
};

std::unique_ptr<QDialog> CreateACLMeterForm(const MenuEntry &, const RecipeContext &context);
