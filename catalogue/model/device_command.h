#pragma once

#include <string>

// A one-variable device command: an INTEGER the device acts on when it is set.
struct DeviceCommand {
    const char *handler;  // the name the menu data gives the command
    const char *oid;
    const char *value;
    const char *question;
    const char *caption;
    // Whether a failure is worth telling: a save that did not reach NV-RAM is lost at the next
    // reboot, while a reboot often ends before the device can answer.
    bool reportFailure;
};

extern const DeviceCommand kSaveChangesCommand;
extern const DeviceCommand kRebootCommand;

// The command the menu data names by its handler; nullptr for an unknown name.
const DeviceCommand *FindDeviceCommand(const std::string &handler);

// Sends the command's one SET; throws CodedError with the catalogue's message when it fails.
void SendDeviceCommand(const DeviceCommand &command);
