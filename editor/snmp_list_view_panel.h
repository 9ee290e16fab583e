#pragma once

#include "editor/snmp_editor_panel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class RowProbe;
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
    // A button of the table's own after Delete; with forRow it is enabled only while one row is
    // selected. The table is read again after its action.
    QPushButton *AddTableButton(const QString &objectName, const QString &caption, bool forRow,
                                std::function<void()> action);
    // The variable holds a secret: masked in the list and in the row dialogs unless the user shows
    // the secrets (the list's context menu, the dialogs' check box).
    void MaskSecret(int varIndex);
    // The values of the one selected row in variable order; empty without exactly one.
    std::vector<std::string> SelectedRowValues();
    // The hint of a row (by its read position): one "caption: value" line per shown column.
    QString RowHint(int row) const;

    // The variable's column holds port lists of this many ports: shown as ranges.
    void ShowPortList(int varIndex, int ports);
    // The entry this table belongs to, for its exports: menu captions, window caption, page.
    void SetExportEntry(std::vector<std::string> path, std::string title, std::string page);
    // The selected rows to the clipboard as tab-separated text with a header line.
    void CopyRows();
    // Every row read, in read order, as a script reading the entry gets it; format "csv" or "json".
    std::string ExportText(const std::string &format) const;
    // Asks for a file and writes the export into it, its format chosen by the file type.
    void ExportList();
    // Exports every page of the entry the table belongs to; the list's menu offers it when set.
    std::function<void()> exportEntry;

    TListViewPanel *listPanel;
    Notification beforeAdd;
    Notification afterAdd;
    Notification beforeEdit;
    Notification afterEdit;
    bool noEdit = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    std::vector<QPushButton *> ExchangeButtons() const override;
    void ExchangeEnded() override;

private:
    // The read of Refresh, unless one runs.
    void ReadTable();
    void SendDelete();
    // After a Delete's write, whatever its end: the table is read again, and the panel shows the
    // exchange until that read has ended.
    void ReadAfterDelete();
    void Click();
    void DoubleClick();
    void UpdateCount();
    void ShowListMenu(const QPoint &at);
    void RunAddDialog();
    void RunEditDialog();
    using SetAction = void (TSNMPListViewPanel::*)(QPushButton *);
    // Creates a dialog whose frame shares this panel's memo and runs this panel's check actions;
    // set is what its Set Checked does.
    QDialog *CreateRowDialog(const char *name, const QString &caption, TSNMPPanel *&frame, SetAction set);
    // The Add dialog's Set Checked: a status such as "valid" would write over a row that exists, so
    // the row is read first (through the event pump) and the user asked before it is replaced.
    void AddChecked(QPushButton *sender);
    void AddRead(QPushButton *sender, bool exists, const std::string &error);
    void LendEditsPanel(QDialog *dialog, TSNMPPanel *frame);
    void ReturnEditsPanel(QDialog *dialog);
    QString OwnCaption() const;
    // Takes a row-status value after checking that the row's drop-down offers it.
    void SetStatus(int index, const std::string &value, const char *error, int &statusIndex, std::string &statusValue,
                   QPushButton *button);

    bool selectingInternally_ = false;
    // A read asked for while a write of the panel's own was under way, made once it has ended.
    bool readAfterExchange_ = false;
    std::vector<int> portListVars_;  // variables whose columns hold port lists
    std::unique_ptr<RowProbe> probe_;
    std::vector<QPushButton *> rowButtons_;
    QAction *copyAction_;
    std::vector<std::string> exportPath_;
    std::string exportTitle_;
    std::string exportPage_;
};
