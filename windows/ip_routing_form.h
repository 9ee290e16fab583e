#pragma once

#include "forms/device_form.h"

#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class VdSNMPRequest2Edits;
struct MenuEntry;
struct RecipeContext;

// The device's IPv4 route table, read-only: one line per route, read again on Refresh.
class TIP_Routing : public TDeviceForm {
    Q_OBJECT
public:
    TIP_Routing(const RecipeContext &context, QWidget *parent = nullptr);

    void BT_GetClick();

    QTreeWidget *LV_IP_Routing;
    QPushButton *BT_Get;
    QPushButton *Button1;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

protected:
    void RefreshCurrent() override;

private:
    VdSNMPRequest2Edits *binding_;
};

std::unique_ptr<QDialog> CreateIpRouting(const MenuEntry &entry, const RecipeContext &context);
