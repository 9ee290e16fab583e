#pragma once

#include "windows/row_table_form.h"

#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct RecipeContext;

// The dialog of a new BOOTP relay server: the interface and the server's address.
class TNewBootpCtrlForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewBootpCtrlForm(QWidget *parent);

    bool activated = false;

private:
    friend class TBOOTCtrlTableForm;

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *DeleteBtn;  // reads "Set"
    QPushButton *CancelBtn;
};

// The BOOTP relay servers of the IP interfaces: listed, added through TNewBootpCtrlForm (at most
// four per interface) and deleted.
class TBOOTCtrlTableForm : public TRowTableForm {
    Q_OBJECT
public:
    TBOOTCtrlTableForm(const RecipeContext &context, QWidget *parent);
    ~TBOOTCtrlTableForm() override;

private:
    void AddBtnClick();
    void DeleteBtnClick();
    void DialogSetClick();

    QTreeWidget *ListView1;
    QPlainTextEdit *Memo1;
    QComboBox *ComboBox1;
    QPushButton *RefreshBtn;
    QPushButton *DeleteBtn;
    QPushButton *AddBtn;
    QPushButton *CloseBtn;
    TNewBootpCtrlForm *dialog;
};
