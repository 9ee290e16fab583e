#pragma once
// Managing the agent's SNMPv3 users without widgets: who the table's rows are, the checks on what
// the user types, and the writes that create a user or change its pass phrases, in the order the
// user-based security model prescribes (clone, privacy key, authentication key, activation), with
// the keys derived for the agent's engine.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace usm_users {

inline constexpr char kEngineIdOid[] = "1.3.6.1.6.3.10.2.1.1.0";
inline constexpr char kSpinLockOid[] = "1.3.6.1.6.3.15.1.2.1.0";
inline constexpr char kUserEntryOid[] = "1.3.6.1.6.3.15.1.2.2.1";

// A user as its row gives it; engine ID as octets, protocols as snmp::protocol numbers (0: one this
// module does not know).
struct User {
    std::string engineId;
    std::string name;
    int auth = 0;
    int priv = 0;
};

// The protocol numbers of the table's protocol identifiers (0 when unknown), and back.
int AuthProtocolOf(const std::string &oid);
int PrivProtocolOf(const std::string &oid);
std::string AuthProtocolOid(int auth);
std::string PrivProtocolOid(int priv);
// "None", "MD5", "SHA", "DES", "AES" for the drop-downs.
std::string AuthName(int auth);
std::string PrivName(int priv);
int AuthByName(const std::string &name);
int PrivByName(const std::string &name);

// The instance suffix of a user's row.
std::string RowIndex(const std::string &engineId, const std::string &name);

// The message that stops a write before anything is sent, empty when the text may be used.
std::string CheckUserName(const std::string &name, const std::vector<User> &existing, const std::string &engineId);
std::string CheckNewPassPhrase(const std::string &label, const std::string &text, const std::string &repeat);
std::string CheckOldPassPhrase(const std::string &label, const std::string &text);

// Whose credentials a request carries: the module's session, or a user's with the pass phrases
// typed for it.
struct Credentials {
    std::string name;
    int auth = 0;
    int priv = 0;
    std::string authPass;
    std::string privPass;
    int Level() const;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
};

struct Binding {
    std::string oid;
    std::uint32_t syntax = 0;
    std::string value;  // as text: hex for octets, dotted for identifiers, decimal for integers
};

// One request of a write. A Proof asks something as a user only to learn that the agent takes its
// pass phrases: any answer of the agent proves them, a security failure refuses them. A Set with
// spinLock carries the user spin lock as read just before it, so that no other manager's change
// of the table slips in between.
struct Step {
    enum class Kind { Proof, Set };
    Kind kind = Kind::Set;
    std::optional<Credentials> as;  // nothing: the module's session
    bool spinLock = false;
    std::vector<Binding> bindings;
    std::string what;  // what the step does, for the messages
};

struct NewUser {
    std::string engineId;
    std::string name;
    User clone;
    std::string cloneAuthPass;
    std::string clonePrivPass;
    int auth = 0;
    int priv = 0;
    std::string authPass;
    std::string privPass;
};

struct PassPhraseChange {
    std::string engineId;
    User user;
    std::string oldAuthPass;
    std::string oldPrivPass;
    std::string newAuthPass;
    std::string newPrivPass;
};

using Plan = std::variant<std::vector<Step>, std::string>;  // the steps, or why there are none

// A new user cloned from another: the clone's pass phrases proven, the row created with
// createAndWait from the clone, its privacy then authentication key changed from the clone's to
// the new ones (or the protocol set to none), then activated.
Plan AddUserSteps(const NewUser &request);

// A user's own pass phrases, changed as that user with its old pass phrases: the privacy key first,
// then the authentication key, through the own-key-change columns.
Plan ChangePassPhraseSteps(const PassPhraseChange &request);

}  // namespace usm_users
