#include "windows/ip_routing_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "windows/logic/ip_routing_table.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignWidth = 552;
constexpr int kDesignHeight = 300;

}  // namespace

TIP_Routing::TIP_Routing(const RecipeContext &context, QWidget *parent)
    : TDeviceForm(parent), binding_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    setObjectName(QStringLiteral("IP_Routing"));
    setWindowTitle(QStringLiteral("IP Routing : ") + QString::fromStdString(context.hostText));
    resize(kDesignWidth, kDesignHeight);

    LV_IP_Routing = new QTreeWidget(this);
    LV_IP_Routing->setObjectName(QStringLiteral("LV_IP_Routing"));
    BT_Get = new QPushButton(QStringLiteral("Refresh"), this);
    BT_Get->setObjectName(QStringLiteral("BT_Get"));
    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    statusPanel = new QLabel(StatusBar1);
    statusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    StatusBar1->addWidget(statusPanel, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(BT_Get);
    buttons->addWidget(Button1);
    buttons->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(LV_IP_Routing, 1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    body->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(body, 1);
    layout->addWidget(StatusBar1);
    CentreOnMainWindow(this);

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });

    binding_->request.list.Assign(VdSNMPVarList(ip_routing::kDescriptors, VdSNMPVarList::Table, 1));
    binding_->request.list.caption = " IP Routing Table";
    binding_->BindListView(LV_IP_Routing, true);
    binding_->SetStatusTarget(statusPanel);
    // Addresses are wider than their captions: each walk fits the columns to what it read.
    binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &) {
        for (int c = 0; c < LV_IP_Routing->columnCount(); ++c) LV_IP_Routing->resizeColumnToContents(c);
    };
}

void TIP_Routing::BT_GetClick() { RefreshCurrent(); }

void TIP_Routing::RefreshCurrent() {
    // One walk at a time on the request: a press while one runs is ignored.
    if (binding_->busy) return;
    ExchangeScope::Get(binding_);
}

std::unique_ptr<QDialog> CreateIpRouting(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<TIP_Routing>(context, context.mainWindow);
}
