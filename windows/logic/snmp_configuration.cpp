#include "windows/logic/snmp_configuration.h"

#include "engine/number_text.h"
#include "windows/logic/settings_file.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace snmp_configuration {

const std::vector<std::string> kSecurityNames = {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User", "SHA_DES_User"};
const std::vector<std::string> kSecurityLevels = {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"};
const std::vector<std::string> kAuthProtocols = {"None", "HMACMD5", "HMAC_SHA"};
const std::vector<std::string> kPrivProtocols = {"None", "CBC_DES", "CBC_IDEA"};
const char kUnsupportedPrivacy[] = "CBC_IDEA";

const char kDefaultPort[] = "161";
const char kDefaultReadCommunity[] = "readcm";
const char kDefaultWriteCommunity[] = "writecm";
const char kCreateFileError[] = "Create file error!";
const char kRestartQuestion[] =
    "SNMP Version has been modified!\r\nIf you want to run the module in new version,please rerun it "
    "again.\r\n\nSwitch to new version?";

namespace {

bool SameLetters(const std::string &a, const std::string &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

int Position(const std::vector<std::string> &items, const std::string &text) {
    return ItemPosition(items, text).value_or(-1);
}

}  // namespace

std::optional<int> ItemPosition(const std::vector<std::string> &items, const std::string &text) {
    if (text.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SameLetters(items[i], text)) return static_cast<int>(i);
    return std::nullopt;
}

std::string CheckChoices(const Choices &c) {
    if (c.version != kV3) return {};
    const std::pair<const char *, const std::string *> required[] = {
        {"SecurityName", &c.securityName}, {"SecurityLevel", &c.securityLevel},
        {"AuthProtocol", &c.authProtocol}, {"PrivProtocol", &c.privProtocol}};
    for (const auto &[key, text] : required)
        if (text->empty()) return std::string(key) + " is empty!";
    const std::tuple<const char *, const std::string *, const std::vector<std::string> *> listed[] = {
        {"SecurityLevel", &c.securityLevel, &kSecurityLevels},
        {"AuthProtocol", &c.authProtocol, &kAuthProtocols},
        {"PrivProtocol", &c.privProtocol, &kPrivProtocols}};
    for (const auto &[key, text, items] : listed) {
        if (ItemPosition(*items, *text)) continue;
        std::string names;
        for (const std::string &item : *items) names += (names.empty() ? "" : ", ") + item;
        return std::string(key) + " \"" + *text + "\" is not one of " + names + "!";
    }
    return {};
}

FileKeys Keys(const Choices &c, const std::string &date, const std::string &time) {
    const bool v3 = c.version == kV3;
    return {
        {"AgentIP", c.agentIp},
        {"AgentPort", c.port},
        {"Version", std::to_string(c.version)},
        {"SecurityName", v3 ? c.securityName : std::string()},
        {"AuthPassword", v3 ? c.authPassword : std::string()},
        {"PrivPassword", v3 ? c.privPassword : std::string()},
        {"AuthProtocol", std::to_string(Position(kAuthProtocols, c.authProtocol))},
        {"PrivProtocol", std::to_string(Position(kPrivProtocols, c.privProtocol))},
        {"ContextEngineID", c.contextEngineId},
        {"SecurityLevel", std::to_string(Position(kSecurityLevels, c.securityLevel))},
        {"ContextName", c.contextName},
        {"GetCommStr", c.contextName},
        {"SetCommStr", c.writeCommunity},
        {"UpdateDate", date},
        {"UpdateTime", time},
        {"SecurityModel", "3"},
    };
}

std::string FileText(const FileKeys &keys) {
    std::string text = "[Program Information]";
    for (const auto &[key, value] : keys) text += "\r\n" + key + "=" + value;
    return text;
}

bool ChangesFile(const std::string &fileText, const FileKeys &keys) {
    FileKeys settings;
    for (const auto &k : keys)
        if (k.first != "UpdateDate" && k.first != "UpdateTime") settings.push_back(k);
    return settings_file::WithKeys(fileText, settings) != fileText;
}

Choices ChoicesInUse(const std::string &agentIp, const Running &r) {
    Choices c;
    c.agentIp = agentIp;
    c.port = std::to_string(r.port);
    c.version = r.version == kV3 ? kV3 : r.version == kV2c ? kV2c : kV1;
    if (c.version != kV3) {
        c.contextName = r.readCommunity;
        c.writeCommunity = r.writeCommunity;
        return c;
    }
    auto item = [](const std::vector<std::string> &items, int position) {
        return position >= 0 && position < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(position)]
                                                                          : std::string();
    };
    c.securityName = r.securityName;
    c.securityLevel = item(kSecurityLevels, r.securityLevel - 1);
    c.authProtocol = item(kAuthProtocols, r.authProtocol - 1);
    c.privProtocol = item(kPrivProtocols, r.privProtocol == 9 ? 2 : r.privProtocol == 2 || r.privProtocol == 1 ? r.privProtocol - 1 : -1);
    c.authPassword = r.authPassword;
    c.privPassword = r.privPassword;
    c.contextName = r.contextName;
    c.contextEngineId = r.contextEngineId;
    return c;
}

bool VersionChanged(const std::string &runningVersion, const std::string &runningSecurityName,
                    const Choices &choices) {
    int running = kV1;
    if (!runningVersion.empty()) {
        const auto parsed = ParseSigned32(runningVersion, Blanks::Refused);
        if (!parsed) return false;
        running = *parsed;
    }
    switch (running) {
    case kV1:
    case kV2c: return choices.version != running;
    case kV3: return choices.version != kV3 || choices.securityName != runningSecurityName;
    default: return false;
    }
}

}  // namespace snmp_configuration
