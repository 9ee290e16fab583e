#include "windows/logic/usm_users.h"

#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/index_codec.h"
#include "engine/snmp_adapter.h"
#include "engine/usm_keys.h"

#include <algorithm>

namespace usm_users {

namespace {

namespace column {
enum : int { SecurityName = 3, CloneFrom = 4, AuthProtocol = 5, AuthKeyChange = 6, OwnAuthKeyChange = 7,
             PrivProtocol = 8, PrivKeyChange = 9, OwnPrivKeyChange = 10, Status = 13 };
}
constexpr int kActive = 1;
constexpr int kCreateAndWait = 5;
// SnmpAdminString of a user name.
constexpr std::size_t kMaxNameLength = 32;

constexpr char kAuthBase[] = "1.3.6.1.6.3.10.1.1.";
constexpr char kPrivBase[] = "1.3.6.1.6.3.10.1.2.";

struct Protocol {
    int number;
    int arc;
    const char *name;
};
constexpr Protocol kAuth[] = {{snmp::protocol::None, 1, "None"},
                              {snmp::protocol::HmacMd5, 2, "MD5"},
                              {snmp::protocol::HmacSha, 3, "SHA"}};
constexpr Protocol kPriv[] = {{snmp::protocol::None, 1, "None"},
                              {snmp::protocol::Des, 2, "DES"},
                              {snmp::protocol::Aes128, 4, "AES"}};

template <std::size_t N>
int ByOid(const Protocol (&table)[N], const char *base, const std::string &oid) {
    for (const Protocol &p : table)
        if (oid == base + std::to_string(p.arc)) return p.number;
    return 0;
}

template <std::size_t N>
const Protocol *ByNumber(const Protocol (&table)[N], int number) {
    for (const Protocol &p : table)
        if (p.number == number) return &p;
    return nullptr;
}

template <std::size_t N>
int ByName(const Protocol (&table)[N], const std::string &name) {
    for (const Protocol &p : table)
        if (name == p.name) return p.number;
    return 0;
}

std::string Column(int c, const std::string &index) {
    return std::string(kUserEntryOid) + "." + std::to_string(c) + "." + index;
}

Binding Integer(int c, const std::string &index, int value) {
    return {Column(c, index), syntax::Integer, std::to_string(value)};
}

Binding Identifier(int c, const std::string &index, const std::string &value) {
    return {Column(c, index), syntax::ObjectId, value};
}

Binding Octets(int c, const std::string &index, const std::string &value) {
    return {Column(c, index), syntax::OctetString, ToHex(value)};
}

// The KeyChange from the key of one pass phrase to the key of another, for the user's engine.
std::optional<std::string> KeyChangeValue(const std::string &engineId, int auth, int priv, const std::string &from,
                                          const std::string &to) {
    const auto oldKey = snmp::LocalizedKey(auth, priv, from, engineId);
    const auto newKey = snmp::LocalizedKey(auth, priv, to, engineId);
    if (!oldKey || !newKey) return std::nullopt;
    return snmp::KeyChange(auth, *oldKey, *newKey);
}

std::string KeyFailure(const std::string &which) {
    return "The " + which + " key could not be derived: the pass phrases need at least " +
           std::to_string(snmp::kMinPassPhraseLength) + " characters.";
}

}  // namespace

int AuthProtocolOf(const std::string &oid) { return ByOid(kAuth, kAuthBase, oid); }
int PrivProtocolOf(const std::string &oid) { return ByOid(kPriv, kPrivBase, oid); }

std::string AuthProtocolOid(int auth) {
    const Protocol *p = ByNumber(kAuth, auth);
    return p != nullptr ? kAuthBase + std::to_string(p->arc) : std::string();
}

std::string PrivProtocolOid(int priv) {
    const Protocol *p = ByNumber(kPriv, priv);
    return p != nullptr ? kPrivBase + std::to_string(p->arc) : std::string();
}

std::string AuthName(int auth) {
    const Protocol *p = ByNumber(kAuth, auth);
    return p != nullptr ? p->name : "unknown";
}

std::string PrivName(int priv) {
    const Protocol *p = ByNumber(kPriv, priv);
    return p != nullptr ? p->name : "unknown";
}

int AuthByName(const std::string &name) { return ByName(kAuth, name); }
int PrivByName(const std::string &name) { return ByName(kPriv, name); }

std::string RowIndex(const std::string &engineId, const std::string &name) {
    return EncodeIndexComponent(syntax::OctetString, false, ToHex(engineId)) + "." +
           EncodeIndexComponent(syntax::DisplayString, false, name);
}

int Credentials::Level() const {
    if (auth == snmp::protocol::None) return 1;
    return priv == snmp::protocol::None ? 2 : 3;
}

std::string CheckUserName(const std::string &name, const std::vector<User> &existing, const std::string &engineId) {
    if (name.empty()) return "User Name is empty.";
    if (name.size() > kMaxNameLength)
        return "User Name has " + std::to_string(name.size()) + " characters; at most " +
               std::to_string(kMaxNameLength) + " are allowed.";
    const bool taken = std::any_of(existing.begin(), existing.end(),
                                   [&](const User &u) { return u.name == name && u.engineId == engineId; });
    if (taken) return "User \"" + name + "\" exists already.";
    return {};
}

std::string CheckNewPassPhrase(const std::string &label, const std::string &text, const std::string &repeat) {
    if (text.size() < snmp::kMinPassPhraseLength)
        return label + " needs at least " + std::to_string(snmp::kMinPassPhraseLength) + " characters.";
    if (text != repeat) return label + " and its repetition differ.";
    return {};
}

std::string CheckOldPassPhrase(const std::string &label, const std::string &text) {
    if (text.size() < snmp::kMinPassPhraseLength)
        return label + " needs at least " + std::to_string(snmp::kMinPassPhraseLength) + " characters.";
    return {};
}

Plan AddUserSteps(const NewUser &r) {
    const User &c = r.clone;
    if (c.auth == 0 || c.priv == 0) return "User \"" + c.name + "\" has a protocol this module does not know.";
    if (r.auth != c.auth && r.auth != snmp::protocol::None)
        return "A user cloned from \"" + c.name + "\" authenticates with " + AuthName(c.auth) + " or not at all.";
    if (r.priv != c.priv && r.priv != snmp::protocol::None)
        return "A user cloned from \"" + c.name + "\" encrypts with " + PrivName(c.priv) + " or not at all.";
    if (r.auth == snmp::protocol::None && r.priv != snmp::protocol::None)
        return "Privacy needs authentication.";

    const std::string index = RowIndex(r.engineId, r.name);
    const Credentials clone{c.name, c.auth, c.priv, r.cloneAuthPass, r.clonePrivPass};
    std::vector<Step> steps;
    steps.push_back({Step::Kind::Proof, clone, false, {{kSpinLockOid, syntax::Integer, ""}},
                     "pass phrases of \"" + c.name + "\""});
    steps.push_back({Step::Kind::Set, std::nullopt, true,
                     {Integer(column::Status, index, kCreateAndWait),
                      Identifier(column::CloneFrom, index, Column(column::SecurityName, RowIndex(r.engineId, c.name)))},
                     "clone of \"" + c.name + "\""});
    // A key the clone has: changed from the clone's to the new user's, or its protocol set to none.
    auto keyStep = [&](const std::string &which, int protocolColumn, const std::string &noneOid, int keyColumn,
                       bool kept, int priv, const std::string &from, const std::string &to) {
        if (!kept) {
            steps.push_back({Step::Kind::Set, std::nullopt, false, {Identifier(protocolColumn, index, noneOid)},
                             which + " protocol"});
            return true;
        }
        const auto value = KeyChangeValue(r.engineId, c.auth, priv, from, to);
        if (value) steps.push_back({Step::Kind::Set, std::nullopt, true, {Octets(keyColumn, index, *value)}, which + " key"});
        return value.has_value();
    };
    const int none = snmp::protocol::None;
    if (c.priv != none && !keyStep("privacy", column::PrivProtocol, PrivProtocolOid(none), column::PrivKeyChange,
                                   r.priv != none, c.priv, r.clonePrivPass, r.privPass))
        return KeyFailure("privacy");
    if (c.auth != none && !keyStep("authentication", column::AuthProtocol, AuthProtocolOid(none), column::AuthKeyChange,
                                   r.auth != none, none, r.cloneAuthPass, r.authPass))
        return KeyFailure("authentication");
    steps.push_back({Step::Kind::Set, std::nullopt, false, {Integer(column::Status, index, kActive)}, "activation"});
    return steps;
}

Plan ChangePassPhraseSteps(const PassPhraseChange &r) {
    const User &u = r.user;
    if (u.auth == 0 || u.priv == 0) return "User \"" + u.name + "\" has a protocol this module does not know.";
    if (u.auth == snmp::protocol::None) return "User \"" + u.name + "\" has no pass phrase: it does not authenticate.";
    const std::string index = RowIndex(r.engineId, u.name);
    Credentials as{u.name, u.auth, u.priv, r.oldAuthPass, r.oldPrivPass};
    std::vector<Step> steps;
    if (u.priv != snmp::protocol::None) {
        const auto value = KeyChangeValue(r.engineId, u.auth, u.priv, r.oldPrivPass, r.newPrivPass);
        if (!value) return KeyFailure("privacy");
        steps.push_back({Step::Kind::Set, as, true, {Octets(column::OwnPrivKeyChange, index, *value)}, "privacy key"});
        // From here on the agent decrypts with the new privacy key.
        as.privPass = r.newPrivPass;
    }
    const auto value = KeyChangeValue(r.engineId, u.auth, snmp::protocol::None, r.oldAuthPass, r.newAuthPass);
    if (!value) return KeyFailure("authentication");
    steps.push_back({Step::Kind::Set, as, true, {Octets(column::OwnAuthKeyChange, index, *value)},
                     "authentication key"});
    return steps;
}

}  // namespace usm_users
