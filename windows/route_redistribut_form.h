#pragma once

#include "windows/row_table_form.h"
#include "windows/logic/route_redistribution_table.h"

#include <array>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct RecipeContext;

// Route redistribution between the routing protocols: the rules listed, and edited, added and
// deleted with the editors below the list; the protocols decide which route types and metrics a
// rule may have.
class TRouteRedistributForm : public TRowTableForm {
    Q_OBJECT
public:
    TRouteRedistributForm(const RecipeContext &context, QWidget *parent);
    ~TRouteRedistributForm() override;

protected:
    void SelectionChanged() override;

private:
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

    QTreeWidget *ListView1;
    QPlainTextEdit *Memo1;
    QComboBox *ComboBox1;  // source protocol
    QComboBox *ComboBox2;  // destination protocol
    QComboBox *ComboBox3;  // type, chosen through the radio buttons
    QComboBox *StComboBox;
    QLineEdit *Edit1;
    QLabel *Label5;
    std::array<QRadioButton *, route_redistribution::kTypeButtons> RadioButtons;
    QPushButton *RefreshBtn;
    QPushButton *EditBtn;
    QPushButton *AddBtn;
    QPushButton *DeleteBtn;
    QPushButton *CloseBtn;

    QWidget *BuildEditors();
    // The protocol rule: the metric's range and the types the protocols allow.
    void ApplyProtocolRule();
    // A protocol chosen by the user: a type the pair does not allow gives way to the first allowed.
    void ProtocolChosen();
    // The metric check; false after a refusal.
    bool MetricAccepted();
    void Write(const char *status);
};
