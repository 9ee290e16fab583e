#pragma once

#include <QStringList>

struct SessionParameters;

// Applies the module's command-line switches ("/I" host, "/v" version, "/R" and "/W" communities,
// and the SNMPv3 switches "/t" "/c" "/d" "/m" "/l" "/n" "/A" "/P" "/a" "/p", honoured only once an
// earlier "/v" chose version 3). In each parameter the first switch of that order found anywhere
// decides, and its value is the rest of the parameter. Returns false when the "/I" host does not
// resolve to an IPv4 address; throws NotANumber for a numeric switch with a bad value.
bool ParseCommandLine(const QStringList &parameters, SessionParameters &target);

// The host text of the last parameter starting with "/I" and longer than it; empty when none.
QString HostParameter(const QStringList &parameters);
