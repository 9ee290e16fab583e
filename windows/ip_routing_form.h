#pragma once

#include "forms/settings_form.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
struct RecipeContext;

// The device's IPv4 route table, read-only: one line per route, walked again on Refresh; a press
// while a walk runs is ignored.
class TIP_Routing : public TSettingsForm {
    Q_OBJECT
public:
    TIP_Routing(const RecipeContext &context, QWidget *parent);

private:
    VdSNMPRequest2Edits *binding_;
    QTreeWidget *LV_IP_Routing;
    QPushButton *BT_Get;
    QPushButton *Button1;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;
};
