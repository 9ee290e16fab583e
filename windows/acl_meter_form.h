#pragma once

#include "windows/row_table_form.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct RecipeContext;

// The ACL meters: listed, and the selected meter's rate and action set with the editors below the
// list.
class TACLMeterForm : public TRowTableForm {
    Q_OBJECT
public:
    TACLMeterForm(const RecipeContext &context, QWidget *parent);
    ~TACLMeterForm() override;

protected:
    void ReadDone() override;
    void SelectionChanged() override;

private:
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

    QWidget *BuildEditors();
    void ClearEditors();
};
