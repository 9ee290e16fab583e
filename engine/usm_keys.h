#pragma once
// The user-based security model's key arithmetic for managing users on an agent: pass phrases
// localised to the agent's engine, and the KeyChange values that turn one key into another.
// Protocol numbers as the configuration gives them (snmp::protocol).

#include <optional>
#include <string>

namespace snmp {

// A pass phrase must be at least this long; the key derivation refuses shorter ones.
inline constexpr std::size_t kMinPassPhraseLength = 8;

// The key of a pass phrase localised to an engine (octets of its engine ID) with the hash of an
// authentication protocol (HmacMd5 or HmacSha). privProtocol None gives the authentication key;
// Des or Aes128 the privacy key, cut to that cipher's key length. Nothing for a pass phrase shorter
// than kMinPassPhraseLength, an empty engine ID or a protocol the library does not have.
std::optional<std::string> LocalizedKey(int authProtocol, int privProtocol, const std::string &passPhrase,
                                        const std::string &engineId);

// The KeyChange value (random octets, then the digest mask over the new key) that an agent decodes
// with oldKey into newKey, both of one length; the hash of the user's authentication protocol.
std::optional<std::string> KeyChange(int authProtocol, const std::string &oldKey, const std::string &newKey);

}  // namespace snmp
