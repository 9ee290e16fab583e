#pragma once

#include <string>

struct SessionParameters;

// Every setting as the text the sibling module programs are given; numbers as the decimal of the
// session's own values (version "3" for SNMPv3, security level 1 to 3, and so on).
struct SettingTexts {
    std::string host;
    std::string version;
    std::string readCommunity;
    std::string writeCommunity;
    std::string port;
    std::string contextName;
    std::string contextEngineID;
    std::string securityModel;
    std::string securityLevel;
    std::string securityName;
    std::string authProtocol;
    std::string privProtocol;
    std::string authPassword;
    std::string privPassword;

    static SettingTexts From(const SessionParameters &parameters);
};

// The caption of the main window for a host, "QSW-7400 : host"; also what a second start for the
// same host looks for.
std::string MainWindowTitle(const std::string &host);
