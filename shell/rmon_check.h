#pragma once

#include <functional>
#include <memory>

class QLabel;
class QWidget;
class VdSNMPRequest2Edits;

// Reads the device's RMON state into a hidden text and lets the RMON module entries follow it:
// "disabled" disables them, "enabled" enables them, anything else leaves them alone.
class RmonCheck {
public:
    using Follow = std::function<void(bool enabled)>;
    RmonCheck(QWidget *owner, QLabel *stateText, QLabel *statusPanel, Follow follow);
    ~RmonCheck();
    RmonCheck(const RmonCheck &) = delete;
    RmonCheck &operator=(const RmonCheck &) = delete;

    // A failed read leaves the entries as they are and shows its message in the status panel.
    void Run();

private:
    std::unique_ptr<VdSNMPRequest2Edits> binding_;
    QLabel *stateText_;
    QLabel *statusPanel_;
    Follow follow_;
};
