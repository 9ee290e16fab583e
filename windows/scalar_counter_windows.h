#pragma once

#include "windows/counter_window.h"

struct ScalarCounterDesign;

// A window over one scalar group of MIB-II counters, read as one walked row.
class TScalarCounterWindow : public TCounterWindow {
    Q_OBJECT
public:
    TScalarCounterWindow(QWidget *parent, const ScalarCounterDesign &design, const QString &host);

protected:
    void Opening() override;
    void BT_ResetClick() override;

private:
    void OpeningReadDone(bool ok);

    const ScalarCounterDesign &design_;
};

class TUDP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TUDP_Counters(QWidget *parent, const QString &host);
};

class TIP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TIP_Counters(QWidget *parent, const QString &host);
};

class TSNMP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TSNMP_Counters(QWidget *parent, const QString &host);
};

class TICMP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TICMP_Counters(QWidget *parent, const QString &host);
};
