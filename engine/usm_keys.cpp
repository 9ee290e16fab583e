#include "engine/usm_keys.h"

#include "engine/snmp_library.h"

#include <net-snmp/library/keytools.h>

namespace snmp {

namespace {

struct Hash {
    const oid *type;
    u_int length;
};

std::optional<Hash> HashOf(int authProtocol) {
    InitLibraryOnce();
    if (authProtocol == protocol::HmacMd5) return Hash{usmHMACMD5AuthProtocol, USM_AUTH_PROTO_MD5_LEN};
    if (authProtocol == protocol::HmacSha) return Hash{usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN};
    return std::nullopt;
}

u_char *Octets(std::string &s) { return reinterpret_cast<u_char *>(s.data()); }
const u_char *Octets(const std::string &s) { return reinterpret_cast<const u_char *>(s.data()); }

// DES and AES-128 both take 16 octets of key.
constexpr std::size_t kCipherKeyLength = 16;

}  // namespace

std::optional<std::string> LocalizedKey(int authProtocol, int privProtocol, const std::string &passPhrase,
                                        const std::string &engineId) {
    const auto hash = HashOf(authProtocol);
    if (!hash || passPhrase.size() < kMinPassPhraseLength || engineId.empty()) return std::nullopt;
    if (privProtocol != protocol::None && privProtocol != protocol::Des && privProtocol != protocol::Aes128)
        return std::nullopt;
    std::string ku(USM_AUTH_KU_LEN, '\0');
    std::size_t kuLength = ku.size();
    if (generate_Ku(hash->type, hash->length, Octets(passPhrase), passPhrase.size(), Octets(ku), &kuLength) !=
        SNMPERR_SUCCESS)
        return std::nullopt;
    std::string kul(USM_AUTH_KU_LEN, '\0');
    std::size_t kulLength = kul.size();
    if (generate_kul(hash->type, hash->length, Octets(engineId), engineId.size(), Octets(ku), kuLength, Octets(kul),
                     &kulLength) != SNMPERR_SUCCESS)
        return std::nullopt;
    kul.resize(privProtocol == protocol::None ? kulLength : kCipherKeyLength);
    return kul;
}

std::optional<std::string> KeyChange(int authProtocol, const std::string &oldKey, const std::string &newKey) {
    const auto hash = HashOf(authProtocol);
    if (!hash || oldKey.empty() || oldKey.size() != newKey.size()) return std::nullopt;
    std::string old = oldKey;
    std::string renewed = newKey;
    std::string value(2 * newKey.size(), '\0');
    std::size_t length = value.size();
    if (encode_keychange(hash->type, hash->length, Octets(old), old.size(), Octets(renewed), renewed.size(),
                         Octets(value), &length) != SNMPERR_SUCCESS)
        return std::nullopt;
    value.resize(length);
    return value;
}

}  // namespace snmp
