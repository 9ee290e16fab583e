#include "editor/config_form.h"

#include "binding/ui/request2edits.h"
#include "editor/editor_error.h"
#include "forms/exchange_scope.h"
#include "editor/snmp_list_view_panel.h"
#include "forms/ui_parts.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignWidth = 159;
constexpr int kDesignHeight = 105;

}  // namespace

TConfigForm::TConfigForm(QWidget *parent) : TDeviceForm(parent) {
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("ConfigForm"));
    resize(kDesignWidth, kDesignHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    CentreOnMainWindow(this);
}

VdSNMPRequest2Edits *TConfigForm::Binding(int k) const {
    // Every binding of this window is one over edits.
    return static_cast<VdSNMPRequest2Edits *>(BindingAt(k));
}

void TConfigForm::ClaimKind(FormKind kind) {
    if (formKind_ != NotSetUp) RaiseEditorError("Can not change Type of a Config Form!");
    formKind_ = kind;
}

TSNMPEditorPanel *TConfigForm::SetEditorPanel(std::unique_ptr<VdSNMPRequest2Edits> binding) {
    ClaimKind(EditorPanel);
    auto *panel = new TSNMPEditorPanel(this, AdoptBinding(std::move(binding)));
    panel->AttachToForm(this);
    return panel;
}

TSNMPListViewPanel *TConfigForm::MakeListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding, int addIndex,
                                                   const std::string &addValue, int deleteIndex,
                                                   const std::string &deleteValue) {
    auto *panel = new TSNMPListViewPanel(parent, binding);
    if (!addValue.empty()) panel->SetAddStatus(addIndex, addValue);
    if (!deleteValue.empty()) panel->SetDeleteStatus(deleteIndex, deleteValue);
    return panel;
}

TSNMPListViewPanel *TConfigForm::SetListViewPanel(std::unique_ptr<VdSNMPRequest2Edits> binding, int addIndex,
                                                  const std::string &addValue, int deleteIndex,
                                                  const std::string &deleteValue) {
    ClaimKind(ListViewPanel);
    TSNMPListViewPanel *panel =
        MakeListViewPanel(this, AdoptBinding(std::move(binding)), addIndex, addValue, deleteIndex, deleteValue);
    panel->AttachToForm(this);
    return panel;
}

void TConfigForm::SetPageControl() {
    ClaimKind(Pages);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("pageControl"));
    pageControl_->setUsesScrollButtons(false);
    layout()->addWidget(pageControl_);
    connect(pageControl_, &QTabWidget::currentChanged, this, [this] { RefreshCurrent(); });
}

QWidget *TConfigForm::AddPage(const QString &caption) {
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("page%1").arg(pageControl_->count()));
    sheet->setProperty("tag", pageControl_->count());
    auto *sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    // Adding the first page makes it current; that is no page turn.
    const QSignalBlocker quiet(pageControl_);
    pageControl_->addTab(sheet, caption);
    return sheet;
}

void TConfigForm::FitPage(QWidget *sheet, TSNMPPanel *panel) {
    sheet->layout()->addWidget(panel);
    panel->AttachToForm(this);
    const int tabRow = pageControl_->tabBar()->sizeHint().height();
    GrowClientArea(this, QSize(panel->width(), panel->height() + tabRow));
}

TSNMPEditorPanel *TConfigForm::AddEditorPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding) {
    if (formKind_ != Pages) RaiseEditorError("Can not add editor page to a none-page pannel!");
    QWidget *sheet = AddPage(caption);
    auto *panel = new TSNMPEditorPanel(sheet, AdoptBinding(std::move(binding)));
    FitPage(sheet, panel);
    return panel;
}

TSNMPListViewPanel *TConfigForm::AddListViewPage(const QString &caption, std::unique_ptr<VdSNMPRequest2Edits> binding,
                                                 int addIndex, const std::string &addValue, int deleteIndex,
                                                 const std::string &deleteValue) {
    if (formKind_ != Pages) RaiseEditorError("Can not add listview page to a none-page pannel!");
    QWidget *sheet = AddPage(caption);
    TSNMPListViewPanel *panel =
        MakeListViewPanel(sheet, AdoptBinding(std::move(binding)), addIndex, addValue, deleteIndex, deleteValue);
    FitPage(sheet, panel);
    return panel;
}

void TConfigForm::RefreshCurrent() {
    VdSNMPRequest2Edits *chosen = nullptr;
    switch (formKind_) {
    case NotSetUp: return;
    case EditorPanel:
    case ListViewPanel: chosen = BindingCount() == 0 ? nullptr : Binding(0); break;
    case Pages: {
        if (pageControl_->count() == 0) return;
        const int k = pageControl_->currentWidget()->property("tag").toInt();
        if (k >= 0 && k < BindingCount()) chosen = Binding(k);
        break;
    }
    default: RaiseEditorError("Refresh a Form with unknown Form Type!");
    }
    if (chosen == nullptr || bindingsReleased()) return;
    if (currentBinding_ != nullptr) currentBinding_->request.alive = false;
    currentBinding_ = chosen;
    chosen->request.alive = true;
    // A walk still in flight on this page goes on; a second one must not start over it.
    if (chosen->busy) return;
    ExchangeScope::Get(chosen);
}
