#pragma once

#include "windows/counter_window.h"

struct ScalarCounterDesign;

// A window over one scalar group of MIB-II counters, read as one walked row.
class TScalarCounterWindow : public TCounterWindow {
    Q_OBJECT
public:
    TScalarCounterWindow(QWidget *parent, const ScalarCounterDesign &design);

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
    TUDP_Counters(const RecipeContext &context, QWidget *parent);
};

class TIP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TIP_Counters(const RecipeContext &context, QWidget *parent);
};

class TSNMP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TSNMP_Counters(const RecipeContext &context, QWidget *parent);
};

class TICMP_Counters : public TScalarCounterWindow {
    Q_OBJECT
public:
    TICMP_Counters(const RecipeContext &context, QWidget *parent);
};
