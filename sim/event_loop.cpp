#include "event_loop.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <cerrno>

void runEventLoop(UdpRelay* relay, const volatile std::sig_atomic_t& stopRequested)
{
    while (!stopRequested) {
        int maxFdPlusOne = 0;
        int block = 0;
        fd_set readable;
        FD_ZERO(&readable);
        // Wake at least every 100 ms to notice a stop request.
        timeval timeout{0, 100000};
        snmp_select_info(&maxFdPlusOne, &readable, &timeout, &block);
        if (timeout.tv_sec > 0 || timeout.tv_usec > 100000)
            timeout = {0, 100000};
        if (relay)
            relay->prepare(maxFdPlusOne, readable, timeout);
        int ready = select(maxFdPlusOne, &readable, nullptr, nullptr, &timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (relay)
            relay->process(readable);
        if (ready > 0)
            snmp_read(&readable);
        else
            snmp_timeout();
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
    }
}
