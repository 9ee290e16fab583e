#include "windows/ip_routing_form.h"

#include "binding/ui/request2edits.h"
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

TIP_Routing::TIP_Routing(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(ip_routing::kDescriptors, VdSNMPVarList::Table, 1), " IP Routing Table")) {
    setObjectName(QStringLiteral("IP_Routing"));
    resize(kDesignWidth, kDesignHeight);

    LV_IP_Routing = MakeNamed<QTreeWidget>(this, "LV_IP_Routing");
    BT_Get = MakeNamedButton(this, "BT_Get", "Refresh");
    Button1 = MakeNamedButton(this, "Button1", "Close");
    StatusBar1 = MakeStatusBar(this, &statusPanel);

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

    SetStatusTarget(statusPanel);
    WireButtons(BT_Get, nullptr);
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });

    binding_->BindListView(LV_IP_Routing, true);
    // Addresses are wider than their captions: each walk fits the columns to what it read.
    binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &) {
        for (int c = 0; c < LV_IP_Routing->columnCount(); ++c) LV_IP_Routing->resizeColumnToContents(c);
    };
}
