#pragma once

#include "windows/row_table_form.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct RecipeContext;

// The dialog of a new member switch: its ID, the candidate it was, and its password.
class TMSEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TMSEditForm(QWidget *parent);

private:
    friend class TMSInformationForm;

    QLineEdit *MSIDEdit;
    QLineEdit *KeyIDEdit;
    QLineEdit *MS_Password;
    QComboBox *Row_Status;
    QPushButton *SetButton;
    QPushButton *CloseButton;
};

// The member switches of the single-IP group: listed, added from a candidate through TMSEditForm
// (which writes through a binding of its own, one row at a time) and deleted.
class TMSInformationForm : public TRowTableForm {
    Q_OBJECT
public:
    TMSInformationForm(const RecipeContext &context, QWidget *parent);
    ~TMSInformationForm() override;

protected:
    void ReadDone() override;
    void SelectionChanged() override;

private:
    void AddButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();

    QTreeWidget *ListView1;
    QPlainTextEdit *Memo1;
    QPushButton *GetButton;
    QPushButton *AddButton;
    QPushButton *DeleteButton;
    QLabel *StaticText1;
    TMSEditForm *dialog;

    VdSNMPRequest2Edits *member_;
};
