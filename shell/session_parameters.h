#pragma once

#include "engine/session.h"

// The three parameter records start-up works on: read from the session's globals, changed by the
// command line and the configuration file, then written back.
struct SessionParameters {
    VdSNMPDevice device;
    VdSNMPScope scope;
    VdSNMPSecurity security;

    static SessionParameters FromSession();
    void ApplyToSession() const;
};
