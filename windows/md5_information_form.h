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

// The key dialog of the MD5 key table: a new key with its ID, or a new key text for a listed ID.
class TMd5EditForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    explicit TMd5EditForm(QWidget *parent);

    Mode mode = Mode::Add;

private:
    friend class TMd5InformationForm;

    QLineEdit *KeyIDEdit;
    QLineEdit *KeyEdit;
    QComboBox *ComboBox1;
    QPushButton *SetButton;
    QPushButton *CloseButton;
};

// The MD5 keys of the routing protocols: listed, added and edited through TMd5EditForm, deleted.
class TMd5InformationForm : public TRowTableForm {
    Q_OBJECT
public:
    TMd5InformationForm(const RecipeContext &context, QWidget *parent);
    ~TMd5InformationForm() override;

protected:
    void ReadDone() override;
    void SelectionChanged() override;

private:
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();

    QTreeWidget *ListView1;
    QPlainTextEdit *Memo1;
    QPushButton *GetButton;
    QPushButton *AddButton;
    QPushButton *EditButton;
    QPushButton *DeleteButton;
    QLabel *StaticText1;
    TMd5EditForm *dialog;
};
