#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CodedError;

// The seven replaceable message catalogues. Each starts with its built-in texts and may be replaced
// once by a file of the same name.
enum class MessageCatalogue {
    Common,     // "common.err"
    Snmp,       // "snmp.err": agent error statuses 1 to 18
    SnmpMsg,    // "snmp.msg": status-line templates
    VdSnmp,     // "vdsnmp.err": request engine and bindings, code -(500 + n)
    SnmpV3,     // "snmpv3.err": v3 message processing statuses
    SnmpUsm,    // "snmpusm.err": user-based security statuses
    SnmpClass,  // "snmpclass.err": session-class statuses
};

namespace messages {

inline constexpr MessageCatalogue kAll[] = {MessageCatalogue::Common, MessageCatalogue::Snmp,   MessageCatalogue::SnmpMsg,
                                     MessageCatalogue::VdSnmp, MessageCatalogue::SnmpV3, MessageCatalogue::SnmpUsm,
                                     MessageCatalogue::SnmpClass};

const char *FileName(MessageCatalogue c);
const std::vector<std::string> &BuiltIn(MessageCatalogue c);

// Entry n of a catalogue. Beyond the end of a loaded list the built-in entry of the same number
// stands; beyond that "Unknown error code!".
std::string Text(MessageCatalogue c, int n);

// Replaces a catalogue's list by the entries of a file; a missing, unreadable or empty file keeps
// the current list. Returns whether the file replaced it. A file that is there but cannot serve (not
// a regular file, too large, unreadable) is described in problem, naming it.
bool LoadCatalogue(const std::string &file, MessageCatalogue c, std::string *problem = nullptr);

// A catalogue file is a few kilobytes; anything far larger is not one.
inline constexpr std::size_t kCatalogueFileLimit = 1 << 20;

// Loads all seven from a directory (file names as FileName gives them).
void LoadAll(const std::string &directory);

// Restores every built-in list (tests).
void ResetToBuiltIn();

// A framework ("vdsnmp.err") error: entry n with code -(500 + n).
CodedError FrameworkError(int n);

// A "common.err" error: entry n with code -n.
CodedError CommonError(int n);

}  // namespace messages

struct TranslatedStatus {
    int code;
    std::string text;
};

// Turns a status of the SNMP library or of a response PDU into a code and catalogue text.
TranslatedStatus TranslateStatus(int status);

// Replaces every occurrence of word in text by value, left to right, without rescanning value.
std::string ReplacePlaceholder(const std::string &text, const std::string &word,
                               const std::string &value);
