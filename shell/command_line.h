#pragma once

#include <QStringList>

#include <string>
#include <vector>

struct SessionParameters;

// What the command line did not apply, for standard error, and where the agent port came from.
struct CommandLineNotes {
    std::vector<std::string> ignored;
    std::string portSwitch;  // the parameter that set the port ("/t16100", "/Ihost:16100"); empty when none
};

// Applies the module's command-line switches ("/I" host, optionally with ":port", "/v" version,
// "/R" and "/W" communities, "/t" port, and the SNMPv3 switches "/c" "/d" "/m" "/l" "/n" "/A" "/P"
// "/a" "/p", honoured only once an earlier "/v" chose version 3). In each parameter the first switch
// of that order found anywhere decides, and its value is the rest of the parameter. Returns false
// when the "/I" host does not resolve to an IPv4 address; throws NotANumber, saying what is allowed,
// for a numeric switch with a bad value. notes, when given, receives the parameters not applied.
bool ParseCommandLine(const QStringList &parameters, SessionParameters &target, CommandLineNotes *notes = nullptr);

// The host text of the last parameter starting with "/I" and longer than it, without a ":port";
// empty when none.
QString HostParameter(const QStringList &parameters);
