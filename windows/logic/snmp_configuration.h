#pragma once
// The per-device SNMP configuration file the configuration window writes, without widgets: its
// text, the checks before it is written, and whether the module must restart to use it.

#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace snmp_configuration {

// Versions as the file numbers them.
enum Version : int { kV1 = 0, kV2c = 1, kV3 = 3 };

extern const std::vector<std::string> kSecurityNames;
extern const std::vector<std::string> kSecurityLevels;
extern const std::vector<std::string> kAuthProtocols;
extern const std::vector<std::string> kPrivProtocols;
// The privacy protocol the module's SNMP library cannot encrypt with.
extern const char kUnsupportedPrivacy[];

extern const char kDefaultPort[];
extern const char kDefaultReadCommunity[];
extern const char kDefaultWriteCommunity[];
extern const char kCreateFileError[];
extern const char kRestartQuestion[];

// What the window shows when OK is pressed.
struct Choices {
    std::string agentIp;
    std::string port;
    int version = kV1;
    std::string securityName;
    std::string securityLevel;
    std::string authProtocol;
    std::string authPassword;
    std::string privProtocol;
    std::string privPassword;
    std::string contextName;  // the read community for v1 and v2c
    std::string contextEngineId;
    std::string writeCommunity;
};

// The position of a drop-down's text among its items (letter case aside); -1 for an empty text,
// nothing for a text that is none of them.
std::optional<int> ItemPosition(const std::vector<std::string> &items, const std::string &text);

// The message that stops OK, empty when the file may be written. For v3 every drop-down needs a
// text, and the level and protocols one of their items; a text typed outside the items would be
// stored as no choice at all.
std::string CheckChoices(const Choices &choices);

using FileKeys = std::vector<std::pair<std::string, std::string>>;

// The file's keys in their fixed order. Pass phrases are written for v3 only: a v1 or v2c file does
// not keep what was typed for another version. Expects choices that passed CheckChoices.
FileKeys Keys(const Choices &choices, const std::string &date, const std::string &time);
// The keys of a new file: one section, CR LF between lines and none at the end.
std::string FileText(const FileKeys &keys);
// Whether the file's text would change beyond its date and time.
bool ChangesFile(const std::string &fileText, const FileKeys &keys);

// The window's choices for the settings the module runs with (the version's own fields only).
struct Running {
    int version = kV1;
    int port = 161;
    std::string readCommunity;
    std::string writeCommunity;
    std::string securityName;
    int securityLevel = 1;  // 1 to 3
    int authProtocol = 1;   // 1 none, 2 MD5, 3 SHA
    int privProtocol = 1;   // 1 none, 2 DES, 9 IDEA (4, AES-128, has no item)
    std::string authPassword;
    std::string privPassword;
    std::string contextName;
    std::string contextEngineId;
};
Choices ChoicesInUse(const std::string &agentIp, const Running &running);

// Whether the module must start again to use the file: another version than the one it runs (an
// empty running version counts as v1), or for v3 another security name.
bool VersionChanged(const std::string &runningVersion, const std::string &runningSecurityName,
                    const Choices &choices);

}  // namespace snmp_configuration
