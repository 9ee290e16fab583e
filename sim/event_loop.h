#pragma once
// Runs the agent (and the relay in front of it, if any) until a stop signal arrives.
#include "udp_relay.h"

#include <csignal>

void runEventLoop(UdpRelay* relay, const volatile std::sig_atomic_t& stopRequested);
