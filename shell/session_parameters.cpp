#include "shell/session_parameters.h"

SessionParameters SessionParameters::FromSession() {
    return {SessionDevice, SessionScope, SessionSecurity};
}

void SessionParameters::ApplyToSession() const {
    SessionDevice = device;
    SessionScope = scope;
    SessionSecurity = security;
}
