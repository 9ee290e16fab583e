#include "shell/setting_texts.h"

#include "shell/session_parameters.h"

SettingTexts SettingTexts::From(const SessionParameters &p) {
    SettingTexts t;
    t.host = p.device.host;
    t.version = std::to_string(p.security.version);
    t.readCommunity = p.security.readCommunity;
    t.writeCommunity = p.security.writeCommunity;
    t.port = std::to_string(p.device.port);
    t.contextName = p.scope.contextName;
    t.contextEngineID = p.scope.contextEngineID;
    t.securityModel = std::to_string(p.security.securityModel);
    t.securityLevel = std::to_string(p.security.securityLevel);
    t.securityName = p.security.securityName;
    t.authProtocol = std::to_string(p.security.authProtocol);
    t.privProtocol = std::to_string(p.security.privProtocol);
    t.authPassword = p.security.authPassword;
    t.privPassword = p.security.privPassword;
    return t;
}

std::string MainWindowTitle(const std::string &host) { return "QSW-7400 : " + host; }
