#pragma once

#include <QTemporaryDir>

// Keeps the settings the code under test writes (remembered window layouts, the host product's
// settings) in a scratch folder of the run's own, for this process and the programs it starts,
// never in the user's.
class ScratchSettings {
public:
    ScratchSettings();

    // Forgets the window layouts remembered so far, so that a test that changes one leaves the
    // windows of the tests after it as they were designed.
    static void ForgetWindowLayouts();

private:
    QTemporaryDir dir_;
};
