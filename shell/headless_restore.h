#pragma once

#include <QString>

struct HeadlessOptions;

// --restore: puts a snapshot's values back on the device. Returns the exit status.
int RestoreSnapshot(const HeadlessOptions &options, const QString &moduleDirectory);

// --command: a device command (save, reboot, reset) after the window's question. Returns the exit status.
int SendCommand(const HeadlessOptions &options, const QString &moduleDirectory);
