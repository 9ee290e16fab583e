#pragma once

#include "engine/request.h"

#include <functional>
#include <string>

// The simulated switch all binding tests talk to: started once, on 127.0.0.1 at a free port.
std::uint16_t DevicePort();

// Points a request at the simulator over v2c with a short time-out.
void UseDevice(VdSNMPRequest &request);

// A value as the device holds it now, read with a request of its own; oid is the whole instance
// identifier ("1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.2.2.1.7.5").
std::string ReadBack(const std::string &oid, std::uint32_t syntax);
// Writes one instance with a request of its own.
void WriteValue(const std::string &oid, std::uint32_t syntax, const std::string &value);

// Processes events until the condition holds or timeoutMs pass; returns the condition.
bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 10000);
