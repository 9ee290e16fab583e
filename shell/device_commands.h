#pragma once

#include <QString>

class QWidget;

// A one-variable device command: an INTEGER the device acts on when it is set.
struct DeviceCommand {
    const char *oid;
    const char *value;
    const char *question;
    const char *caption;
    // Whether a failure is worth telling: a save that did not reach NV-RAM is lost at the next
    // reboot, while a reboot often ends before the device can answer.
    bool reportFailure;
};

extern const DeviceCommand kSaveChanges;
extern const DeviceCommand kReboot;

// Asks the command's question and, on Yes, sends one SET of the command variable. Returns the
// failure's catalogue text when the set failed and the command reports failures, shown in a
// message box over parent; empty otherwise.
QString RunDeviceCommand(const DeviceCommand &command, QWidget *parent);
