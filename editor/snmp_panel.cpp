#include "editor/snmp_panel.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "editor/ctrl_btn_panel.h"
#include "forms/exchange_scope.h"
#include "editor/msg_panel.h"
#include "forms/ui_parts.h"

#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// Room the frame adds around its parts, beside the splitter handles.
constexpr int kFrameSlack = 3;

}  // namespace

TSNMPPanel::TSNMPPanel(QWidget *parent, TMsgPanel *sharedMessages, VdSNMPRequest2Edits *binding)
    : QWidget(parent), binding_(binding) {
    setObjectName(QStringLiteral("snmpPanel"));
    sideSplitter_ = new QSplitter(Qt::Horizontal, this);
    sideSplitter_->setObjectName(QStringLiteral("sideSplitter"));
    sideSplitter_->setChildrenCollapsible(false);
    contentArea_ = new QWidget;
    contentArea_->setObjectName(QStringLiteral("contentArea"));
    buttons_ = new TCtrlBtnPanel(nullptr);
    sideSplitter_->addWidget(contentArea_);
    sideSplitter_->addWidget(buttons_);
    sideSplitter_->setStretchFactor(0, 1);
    sideSplitter_->setStretchFactor(1, 0);

    bottomSplitter_ = new QSplitter(Qt::Vertical, contentArea_);
    bottomSplitter_->setObjectName(QStringLiteral("bottomSplitter"));
    bottomSplitter_->setChildrenCollapsible(false);
    auto *areaLayout = new QVBoxLayout(contentArea_);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->addWidget(bottomSplitter_);
    if (sharedMessages == nullptr) {
        messagePanel_ = new TMsgPanel(nullptr);
        bottomSplitter_->addWidget(messagePanel_);
        bottomSplitter_->setStretchFactor(0, 0);
    }
    messages_ = sharedMessages != nullptr ? sharedMessages : messagePanel_;
    binding_->SetStatusTarget(messages_->memo);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sideSplitter_);
    resize(0, 0);

    connect(buttons_->RefreshButton, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(buttons_->CloseButton, &QPushButton::clicked, this, [this] { CloseOwningForm(); });
}

void TSNMPPanel::Refresh() { ExchangeScope::Get(binding_); }

void TSNMPPanel::SetContent(QWidget *control) {
    if (content_ && content_ != control) {
        content_->hide();
        content_->setParent(contentArea_);
    }
    content_ = control;
    bottomSplitter_->insertWidget(0, control);
    bottomSplitter_->setStretchFactor(0, 1);
    control->show();
    const QSize contentSize = control->sizeHint().isValid() ? control->sizeHint() : control->size();
    const int messageHeight = messagePanel_ != nullptr ? TMsgPanel::kHeight + bottomSplitter_->handleWidth() : 0;
    const int width = contentSize.width() + buttons_->width() + sideSplitter_->handleWidth() + kFrameSlack;
    const int height = std::max(contentSize.height() + messageHeight, buttons_->minimumHeight());
    resize(width, height);
    if (messagePanel_ != nullptr) bottomSplitter_->setSizes({std::max(0, height - messageHeight), TMsgPanel::kHeight});
}

void TSNMPPanel::AttachToForm(QWidget *form) {
    owningForm_ = form;
    if (form->layout() == nullptr) {
        auto *layout = new QVBoxLayout(form);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (parentWidget() == form && form->layout()->indexOf(this) < 0) form->layout()->addWidget(this);
    CentreOnMainWindow(form);
    GrowClientArea(form, size());
}

void TSNMPPanel::CloseOwningForm() {
    try {
        if (owningForm_) owningForm_->close();
    } catch (const std::exception &) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QStringLiteral("Please initial close form"));
    }
}
