#include "engine/snmp_library.h"

namespace snmp {

namespace {

struct ErrorMapping {
    int libraryError;
    int status;
};
constexpr ErrorMapping kErrorMappings[] = {
    {SNMPERR_TIMEOUT, status::Timeout},
    {SNMPERR_BAD_SENDTO, status::TransportFailed},
    {SNMPERR_BAD_ADDRESS, status::InvalidAddress},
    {SNMPERR_UNKNOWN_SEC_MODEL, status::UnsupportedSecurityModel},
    {SNMPERR_UNKNOWN_USER_NAME, status::UnknownSecurityName},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, status::UnknownSecurityName},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, status::UnsupportedSecurityLevel},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, status::UnsupportedSecurityLevel},
    {SNMPERR_AUTHENTICATION_FAILURE, status::AuthenticationFailure},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, status::AuthenticationFailure},
    {SNMPERR_USM_ENCRYPTIONERROR, status::EncryptionError},
    {SNMPERR_DECRYPTION_ERR, status::DecryptionError},
    {SNMPERR_USM_DECRYPTIONERROR, status::DecryptionError},
    {SNMPERR_UNKNOWN_ENG_ID, status::UnknownEngineId},
    {SNMPERR_USM_UNKNOWNENGINEID, status::UnknownEngineId},
    {SNMPERR_NOT_IN_TIME_WINDOW, status::NotInTimeWindow},
    {SNMPERR_USM_NOTINTIMEWINDOW, status::NotInTimeWindow},
};

bool LocalizeKey(const oid *hash, std::size_t hashLength, const std::string &passPhrase, u_char *key,
                 std::size_t &keyLength) {
    return generate_Ku(hash, static_cast<u_int>(hashLength),
                       reinterpret_cast<const u_char *>(passPhrase.data()), passPhrase.size(), key,
                       &keyLength) == SNMPERR_SUCCESS;
}

}  // namespace

int MapLibraryError(int libraryError) {
    for (const auto &m : kErrorMappings) {
        if (m.libraryError == libraryError) return m.status;
    }
    return status::OperationFailed;
}

void InitLibraryOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    // No configuration files, no persistent state, no MIB files: identifiers are numeric.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
    // No folder holds anything for the library: it can neither read nor create state there.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, "/dev/null");
    netsnmp_set_mib_directory("");
    // The module writes no log; the library's messages go nowhere.
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_EMERG);
    init_snmp("qsw7400");
}

int LibraryVersion(int version) {
    switch (version) {
    case 0: return SNMP_VERSION_1;
    case 1: return SNMP_VERSION_2c;
    default: return SNMP_VERSION_3;
    }
}

int CheckTarget(const Target &t, int securityLevel) {
    if (t.version != 0 && t.version != 1 && t.version != 3) return status::OperationFailed;
    if (t.version != 3) return status::Success;
    if (t.securityModel != SNMP_SEC_MODEL_USM) return status::UnsupportedSecurityModel;
    if (securityLevel < SNMP_SEC_LEVEL_NOAUTH || securityLevel > SNMP_SEC_LEVEL_AUTHPRIV)
        return status::UnsupportedSecurityLevel;
    const bool authenticates = securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV;
    const bool encrypts = securityLevel == SNMP_SEC_LEVEL_AUTHPRIV;
    if (authenticates) {
        if (t.authProtocol == protocol::None) return status::UnsupportedSecurityLevel;
        if (t.authProtocol != protocol::HmacMd5 && t.authProtocol != protocol::HmacSha)
            return status::UnsupportedAuthProtocol;
    }
    if (encrypts) {
        if (t.privProtocol == protocol::None) return status::UnsupportedSecurityLevel;
        if (t.privProtocol != protocol::Des && t.privProtocol != protocol::Aes128)
            return status::UnsupportedPrivProtocol;
    }
    return status::Success;
}

std::string ChannelKey(const Target &t, int securityLevel) {
    std::string key = std::to_string(t.version) + '|' + t.host + '|' + std::to_string(t.port) + '|' +
                      std::to_string(t.timeout) + '|' + std::to_string(t.retries);
    if (t.version == 3) {
        key += '|' + std::to_string(securityLevel) + '|' + t.securityName + '|' +
               std::to_string(t.authProtocol) + '|' + t.authPassword + '|' +
               std::to_string(t.privProtocol) + '|' + t.privPassword;
    }
    return key;
}

bool SetUser(netsnmp_session &s, const Target &t, int securityLevel) {
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityLevel = securityLevel;
    s.securityName = const_cast<char *>(t.securityName.c_str());
    s.securityNameLen = t.securityName.size();
    if (securityLevel < SNMP_SEC_LEVEL_AUTHNOPRIV) return true;
    s.securityAuthProto = t.authProtocol == protocol::HmacSha ? usmHMACSHA1AuthProtocol
                                                               : usmHMACMD5AuthProtocol;
    s.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
    s.securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (!LocalizeKey(s.securityAuthProto, s.securityAuthProtoLen, t.authPassword, s.securityAuthKey,
                     s.securityAuthKeyLen))
        return false;
    if (securityLevel < SNMP_SEC_LEVEL_AUTHPRIV) return true;
    s.securityPrivProto = t.privProtocol == protocol::Aes128 ? usmAESPrivProtocol : usmDESPrivProtocol;
    s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
    s.securityPrivKeyLen = USM_PRIV_KU_LEN;
    return LocalizeKey(s.securityAuthProto, s.securityAuthProtoLen, t.privPassword, s.securityPrivKey,
                       s.securityPrivKeyLen);
}

}  // namespace snmp
