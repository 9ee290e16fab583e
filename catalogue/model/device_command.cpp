#include "catalogue/model/device_command.h"

#include "engine/request.h"

const DeviceCommand kSaveChangesCommand{"SaveConfigClick", "1.3.6.1.4.1.171.12.1.2.6", "3",
                                 "Save Configurations into NV-RAM ?", "Save Configure", true};
const DeviceCommand kRebootCommand{"ResetClick", "1.3.6.1.4.1.171.12.1.2.19", "2", "Are you sure to reboot the device?",
                            "Reboot", false};

const DeviceCommand *FindDeviceCommand(const std::string &handler) {
    for (const DeviceCommand *command : {&kSaveChangesCommand, &kRebootCommand})
        if (handler == command->handler) return command;
    return nullptr;
}

void SendDeviceCommand(const DeviceCommand &command) {
    VdSNMPRequest request;
    request.list.kind = VdSNMPVarList::ScalarGroup;
    request.list.AddItem(command.oid, "", syntax::Integer, access_bit::ReadWrite);
    request.list.Item(0).value = command.value;
    request.Write(false);
}
