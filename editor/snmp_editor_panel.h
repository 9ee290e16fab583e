#pragma once

#include "editor/snmp_panel.h"
#include "forms/exchange_shown.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

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
    // Collects the checked rows and sends them in one SET without waiting for its answer (after a
    // read in flight, which ends first); a refused field is named and focused. Once the write has
    // ended, a dialog's (sender tagged 1) closes when it went through and says why over it when it
    // did not, keeping what was typed.
    void WriteChecked(QPushButton *sender);

    // Shows an exchange of the panel's own from its start (from: the button pressed, whose window
    // shows it too) to its end: see ExchangeShown.
    void StartExchange(QPushButton *from);
    void EndExchange();
    bool exchanging() const { return exchange_.active(); }
    // Runs next, a write, at once, or once a read of the binding in flight has ended.
    void AfterRead(std::function<void()> next);
    // The panel's buttons that would start another exchange.
    virtual std::vector<QPushButton *> ExchangeButtons() const;
    // After an exchange's end has given the buttons back.
    virtual void ExchangeEnded() {}

private:
    void SendChecked(QPushButton *sender, bool closeAfter);
    void WriteEnded(QPushButton *sender, bool closeAfter, const std::optional<std::string> &error);
    bool MulticastRowsAcceptable();
    void UpdateSetButton();
    // The first checked row whose text does not convert into a value, or -1.
    int RefusedRow();
    void RefuseRow(int row, const std::string &message, bool inDialog);

    ExchangeShown exchange_;
};
