#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

    // Starts the read; the entries follow once it has been answered. A failed read leaves them as
    // they are and shows its message in the status panel. A check asked for while one runs follows
    // it, so that the entries end with the device's latest state.
    void Run();

private:
    void Ended(const std::optional<std::string> &error);

    std::unique_ptr<VdSNMPRequest2Edits> binding_;
    QLabel *stateText_;
    QLabel *statusPanel_;
    Follow follow_;
    bool again_ = false;
};
