#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

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

struct ConfigurationReport {
    bool read = false;                  // the file was there and its keys applied
    int portLine = 0;                   // the line of the AgentPort that set the port; 0 when none did
    std::vector<std::string> warnings;  // each naming the file, and the line and key where there is one
};

// Reads the "[Program Information]" keys of a configuration file into the session parameters, a
// missing number, or one the key does not accept (with a warning), giving its key's default; the
// agent port then stays as the command line set it. A missing file changes nothing; one that cannot
// serve (not a regular file, binary, without the section) changes nothing and is warned of. The
// host and the communities always come from the command line.
ConfigurationReport LoadConfiguration(const QString &path, SessionParameters &parameters);
