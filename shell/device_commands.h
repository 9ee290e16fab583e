#pragma once

#include "catalogue/model/device_command.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;
class VdSNMPRequest2Controls;

// The device commands of the menus, sent from a window without waiting for their answers.
class DeviceCommands {
public:
    using Failed = std::function<void(const QString &failure)>;

    explicit DeviceCommands(QWidget *parent);
    ~DeviceCommands();
    DeviceCommands(const DeviceCommands &) = delete;
    DeviceCommands &operator=(const DeviceCommands &) = delete;

    // Asks the command's question and, on Yes, sends one SET of the command variable. Once it has
    // been answered, a failure of a command that reports failures is shown in a message box over
    // the parent and handed to failed; nothing else is.
    void Run(const DeviceCommand &command, Failed failed);

private:
    void Ended(VdSNMPRequest2Controls *binding, const DeviceCommand &command, const Failed &failed,
               const std::optional<std::string> &error);

    QPointer<QWidget> parent_;
    // The commands under way; those still outstanding when the window goes are answered to nobody.
    std::vector<std::unique_ptr<VdSNMPRequest2Controls>> running_;
};
