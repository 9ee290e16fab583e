#pragma once

#include "editor/snmp_editor_panel.h"

#include <functional>
#include <string>

class QDialog;
class QTreeWidgetItem;
class TListViewPanel;

// A table in a list view, with Add, Edit and Delete of rows through the row-status column. The
// editor grid stays hidden in the content area and is lent to the Add and Edit dialogs.
class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    using Notification = std::function<void(QPushButton *)>;

    TSNMPListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding);
    ~TSNMPListViewPanel() override;

    void SetAddStatus(int index, const std::string &value);
    void SetDeleteStatus(int index, const std::string &value);

    void RefreshTable();
    void AddAction();
    void EditAction();
    void DeleteAction();
    // Rows can be added and deleted but not opened: no Edit button, and a double click opens nothing.
    void HideEditButton();
    // The hint of a row: one line per shown column, its caption, padding and the cell's text.
    QString RowHint(const QTreeWidgetItem *item) const;

    TListViewPanel *listPanel;
    Notification beforeAdd;
    Notification afterAdd;
    Notification beforeEdit;
    Notification afterEdit;
    bool noEdit = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Click();
    void DoubleClick();
    void UpdateCount();
    void RunAddDialog();
    void RunEditDialog();
    // Creates a dialog whose frame shares this panel's memo and runs this panel's check actions.
    QDialog *CreateRowDialog(const char *name, const QString &caption, TSNMPPanel *&frame);
    void LendEditsPanel(QDialog *dialog, TSNMPPanel *frame);
    void ReturnEditsPanel(QDialog *dialog);
    QString OwnCaption() const;
    // Takes a row-status value after checking that the row's drop-down offers it.
    void SetStatus(int index, const std::string &value, const char *error, int &statusIndex, std::string &statusValue,
                   QPushButton *button);

    bool selectingInternally_ = false;
};
