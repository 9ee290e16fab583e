#pragma once

#include "forms/device_form.h"

#include <memory>
#include <string>
#include <vector>

class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;
class VdSNMPRequest2Edits;

// The generic editor window: one scalar editor panel, one table panel, or tabbed pages of either,
// each over a binding the window owns. It reads its visible panel once shown and on every page
// turn, and stops and frees its bindings when it closes.
class TConfigForm : public TDeviceForm {
    Q_OBJECT
public:
    enum FormKind { NotSetUp = 0, EditorPanel = 1, ListViewPanel = 2, Pages = 3 };

    explicit TConfigForm(QWidget *parent = nullptr);

    // Set-up calls; bindings are handed over to the window.
    TSNMPEditorPanel *SetEditorPanel(std::unique_ptr<VdSNMPRequest2Edits> binding);
    TSNMPListViewPanel *SetListViewPanel(std::unique_ptr<VdSNMPRequest2Edits> binding, int addIndex,
                                         const std::string &addValue, int deleteIndex, const std::string &deleteValue);
    void SetPageControl();
    TSNMPEditorPanel *AddEditorPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding);
    TSNMPListViewPanel *AddListViewPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding,
                                        int addIndex, const std::string &addValue, int deleteIndex,
                                        const std::string &deleteValue);

    void RefreshCurrent() override;

    // An entry's window remembers its layout under the entry's own key: entries differ in layout.
    void SetLayoutKey(const QString &key) { layoutKey_ = key; }
    QString LayoutKey() const override { return layoutKey_; }

    int formKind() const { return formKind_; }
    QTabWidget *pageControl() const { return pageControl_; }
    VdSNMPRequest2Edits *Binding(int k) const;
    VdSNMPRequest2Edits *currentBinding() const { return currentBinding_; }

protected:
    void BindingsReleased() override { currentBinding_ = nullptr; }

private:
    void ClaimKind(FormKind kind);
    QWidget *AddPage(const QString &caption);
    void FitPage(QWidget *sheet, TSNMPPanel *panel);
    TSNMPListViewPanel *MakeListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding, int addIndex,
                                          const std::string &addValue, int deleteIndex,
                                          const std::string &deleteValue);

    int formKind_ = NotSetUp;
    QTabWidget *pageControl_ = nullptr;
    VdSNMPRequest2Edits *currentBinding_ = nullptr;
    QString layoutKey_;
};
