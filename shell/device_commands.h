#pragma once

#include "catalogue/model/device_command.h"

#include <QString>

class QWidget;

// Asks the command's question and, on Yes, sends one SET of the command variable. Returns the
// failure's catalogue text when the set failed and the command reports failures, shown in a
// message box over parent; empty otherwise.
QString RunDeviceCommand(const DeviceCommand &command, QWidget *parent);
