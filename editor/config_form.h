#pragma once

#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QTabWidget;
class QTimer;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;
class VdSNMPRequest2Edits;

// The generic editor window: one scalar editor panel, one table panel, or tabbed pages of either,
// each over a binding the window owns. It reads its visible panel once shown and on every page
// turn, and stops and frees its bindings when it closes.
class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum FormKind { NotSetUp = 0, EditorPanel = 1, ListViewPanel = 2, Pages = 3 };
    // Asks the window to read its current panel.
    static constexpr QEvent::Type kRefreshEvent = static_cast<QEvent::Type>(32768 + 1234);

    explicit TConfigForm(QWidget *parent = nullptr);
    ~TConfigForm() override;

    // Set-up calls; bindings are handed over to the window.
    TSNMPEditorPanel *SetEditorPanel(std::unique_ptr<VdSNMPRequest2Edits> binding);
    TSNMPListViewPanel *SetListViewPanel(std::unique_ptr<VdSNMPRequest2Edits> binding, int addIndex,
                                         const std::string &addValue, int deleteIndex, const std::string &deleteValue);
    void SetPageControl();
    TSNMPEditorPanel *AddEditorPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding);
    TSNMPListViewPanel *AddListViewPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding,
                                        int addIndex, const std::string &addValue, int deleteIndex,
                                        const std::string &deleteValue);

    void RefreshCurrent();

    int formKind() const { return formKind_; }
    QTabWidget *pageControl() const { return pageControl_; }
    int BindingCount() const { return static_cast<int>(bindings_.size()); }
    VdSNMPRequest2Edits *Binding(int k) const { return bindings_.at(static_cast<std::size_t>(k)).get(); }
    VdSNMPRequest2Edits *currentBinding() const { return currentBinding_; }
    // Whether a close is waiting for an exchange further up the call stack to end.
    bool closePending() const { return closePending_; }

    void reject() override;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void ClaimKind(FormKind kind);
    VdSNMPRequest2Edits *Adopt(std::unique_ptr<VdSNMPRequest2Edits> binding);
    QWidget *AddPage(const QString &caption);
    void FitPage(QWidget *sheet, TSNMPPanel *panel);
    TSNMPListViewPanel *MakeListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding, int addIndex,
                                          const std::string &addValue, int deleteIndex,
                                          const std::string &deleteValue);
    // Stops and frees every binding; false when one is still running further up the call stack.
    bool ReleaseBindings();
    void RetryClose();

    int formKind_ = NotSetUp;
    std::vector<std::unique_ptr<VdSNMPRequest2Edits>> bindings_;
    QTabWidget *pageControl_ = nullptr;
    VdSNMPRequest2Edits *currentBinding_ = nullptr;
    bool released_ = false;
    bool closePending_ = false;
    QTimer *closeRetry_ = nullptr;
};
