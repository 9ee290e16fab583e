#pragma once

#include <QString>

#include <optional>
#include <string>

struct SessionParameters;

// The local layout: the module's own directory lies directly in a directory named "vandrel_ems",
// and the device configuration files lie beside the module.
bool IsLocalConfiguration(const QString &moduleDirectory);

// The host product's program directory as its settings record it (organisation "Vandrel",
// application "Skyglass5.1", "ExePath/Path"); nothing when it has none.
std::optional<QString> HostProductDirectory();

// Where the configuration file of a host lies: beside the module in the local layout, otherwise
// "../Conf/MBF/" appended to the host product's directory text as stored. Nothing when the host
// product's directory is unknown.
std::optional<QString> ConfigurationPath(const std::string &host, bool local,
                                         const QString &moduleDirectory);

// Reads the "[Program Information]" keys of a configuration file into the session parameters, a
// missing or non-numeric number giving its key's default; a missing file changes nothing. The host
// and the communities always come from the command line.
void LoadConfiguration(const QString &path, SessionParameters &parameters);
