#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class VdSNMPRequest2Edits;

// The device's IPv4 route table, read-only: one line per route, read again on Refresh.
class TIP_Routing : public QDialog {
    Q_OBJECT
public:
    explicit TIP_Routing(QWidget *parent = nullptr);
    ~TIP_Routing() override;

    void BT_GetClick();

    QTreeWidget *LV_IP_Routing;
    QPushButton *BT_Get;
    QPushButton *Button1;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

private:
    std::unique_ptr<VdSNMPRequest2Edits> binding_;
};
