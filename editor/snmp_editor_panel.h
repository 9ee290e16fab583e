#pragma once

#include "editor/snmp_panel.h"

#include <functional>
#include <string>

class QCheckBox;
class QPushButton;
class TEditsPanel;

// The frame around an editor grid. Its Set Checked turns the checked rows into one SET.
class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    // Asked before every Set when not empty; only Yes sends.
    QString setQuestion;
    // Asked (default No) before a write when it gives a text; outweighs setQuestion.
    std::function<QString()> writeQuestion;

    TSNMPEditorPanel(QWidget *parent, VdSNMPRequest2Edits *binding);

    void SetEditWidth(int width);
    // Binds row i's edit box again with an input format of the constraint language.
    void SetVarFormat(int i, const std::string &format);

    void CheckAll();
    void ClearChecks();
    // sender: the button pressed; a "tag" property of 1 closes its window after the set.
    void SetChecked(QPushButton *sender);
    void RowCheckClicked(QCheckBox *sender);

    TEditsPanel *editsPanel;

protected:
    // The checks of Set Checked that need no collection: the multicast rows, the panel's question,
    // and no checked row left empty. A refusal has been shown.
    bool WriteAcceptable();
    // Collects the checked rows and sends them in one SET; a refused field is named and focused.
    void WriteChecked(QPushButton *sender);

private:
    bool MulticastRowsAcceptable();
    void UpdateSetButton();
    // The first checked row whose text does not convert into a value, or -1.
    int RefusedRow();
    void RefuseRow(int row, const std::string &message, bool inDialog);
};
