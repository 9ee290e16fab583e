#include "engine/messages.h"

#include "engine/coded_error.h"
#include "engine/regular_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

const std::vector<std::string> kCommon = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

const std::vector<std::string> kVdSnmp = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global RaDEDI++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Bad SNMP syntax in the expression!",
    "Bad expression of SNMP variables!",
    "The instance identifier is too short for the index of the SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the timeaxis's associated data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
};

const std::vector<std::string> kSnmp = {
    "Response PDU Too Big!",
    "Variable does not exist!",
    "Cannot modify variable: Bad Value!",
    "Cannot modify object, Read Only!",
    "Cannot perform operation, General Error!",
    "Cannot access variable, No Access!",
    "Cannot create/modify variable, Wrong Type!",
    "Cannot create/set variable, Wrong Length!",
    "Cannot create/set variable, Wrong Encoding!",
    "Cannot create/set variable, Wrong Value!",
    "Cannot create variable, Creation Not Allowed!",
    "Cannot create/set variable, Inconsistent Value!",
    "Cannot create/set variable, Resource Unavailable!",
    "Cannot create/set variable, Commit Failed!",
    "Cannot create/set variable, Undo Failed!",
    "Cannot perform operation, Authorization Error!",
    "Cannot create/set variable, Not Writable!",
    "Cannot create variable, Inconsistent Name!",
};

const std::vector<std::string> kSnmpClass = {
    "Operation failed!",
    "Resource unavailable!",
    "Internal error!",
    "Unsupported function!",
    "SNMP request timed out!",
    "Received SNMP Response!",
    "Received SNMP Notification (trap or inform)!",
    "Closing session with outstanding requests!",
    "Unknown error code!",
    "Class not valid!",
    "Invalid Pdu!",
    "Invalid Target!",
    "Invalid (null) Callback Function!",
    "Invalid Request Id!",
    "Invalid Notification Id!",
    "SNMP Operation not supported on specified Target!",
    "Invalid Object Identifier!",
    "Invalid Address!",
    "Agent indicates error in SNMP request!",
    "Transport is not supported!",
    "Transport is in use!",
    "Transport operation failed!",
    "Blocked Mode Shutdown!",
};

const std::vector<std::string> kSnmpV3 = {
    "Unsupported Security Model!",
    "Message not in Time Window!",
    "Received same Message twice!",
    "Invalid Message!",
    "Invalid EngineID!",
    "v3MP not initialized!",
    "Parse Error!",
    "Received Message with unknown MsgID!",
    "Message does not match known message!",
    "Community format error!",
    "Unknown UserName!",
    "Build error!",
    "USM: error!",
    "Unknown pdu handlers!",
    "Unavailable Context!",
    "Unknown Context!",
    "Report sent!",
};

const std::vector<std::string> kSnmpUsm = {
    "error!",
    "Configfile write error!",
    "Unsupported SecurityLevel!",
    "Unknown SecurityName!",
    "Encryption error!",
    "Decryption error!",
    "Authentication error!",
    "Authentication failure!",
    "Parse error!",
    "Unknown EngineID!",
    "Message not in TimeWindow!",
    "Unsupported AuthProtocol!",
    "Unsupported PrivProtocol!",
    "Address error!",
};

const std::vector<std::string> kSnmpMsg = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

constexpr int kUnknownCodeEntry = 28;

// Loaded lists; null while the built-in list is in force.
std::array<std::unique_ptr<std::vector<std::string>>, std::size(messages::kAll)> g_loaded;

std::size_t Slot(MessageCatalogue c) { return static_cast<std::size_t>(c); }

bool IsBlank(const std::string &s) { return s.find_first_not_of(" \t\r\n\f\v") == std::string::npos; }

// A file cannot hold a line break inside an entry: the two characters "\n" stand for one.
std::string UnescapeLineBreaks(const std::string &s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Entries as the file format defines them: lines of up to 1023 characters (a longer line gives
// several entries), blank lines skipped, line terminators removed.
std::vector<std::string> ReadEntries(std::FILE *f) {
    std::vector<std::string> entries;
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, f) != nullptr) {
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsBlank(line)) continue;
        entries.push_back(UnescapeLineBreaks(line));
    }
    return entries;
}

}  // namespace

namespace messages {

const char *FileName(MessageCatalogue c) {
    switch (c) {
    case MessageCatalogue::Common: return "common.err";
    case MessageCatalogue::Snmp: return "snmp.err";
    case MessageCatalogue::SnmpMsg: return "snmp.msg";
    case MessageCatalogue::VdSnmp: return "vdsnmp.err";
    case MessageCatalogue::SnmpV3: return "snmpv3.err";
    case MessageCatalogue::SnmpUsm: return "snmpusm.err";
    case MessageCatalogue::SnmpClass: return "snmpclass.err";
    }
    return "";
}

const std::vector<std::string> &BuiltIn(MessageCatalogue c) {
    switch (c) {
    case MessageCatalogue::Common: return kCommon;
    case MessageCatalogue::Snmp: return kSnmp;
    case MessageCatalogue::SnmpMsg: return kSnmpMsg;
    case MessageCatalogue::VdSnmp: return kVdSnmp;
    case MessageCatalogue::SnmpV3: return kSnmpV3;
    case MessageCatalogue::SnmpUsm: return kSnmpUsm;
    case MessageCatalogue::SnmpClass: return kSnmpClass;
    }
    return kCommon;
}

std::string Text(MessageCatalogue c, int n) {
    if (n < 0) return kVdSnmp[kUnknownCodeEntry];
    const auto index = static_cast<std::size_t>(n);
    if (const auto &loaded = g_loaded[Slot(c)]; loaded && index < loaded->size()) return (*loaded)[index];
    const auto &builtIn = BuiltIn(c);
    if (index < builtIn.size()) return builtIn[index];
    return kVdSnmp[kUnknownCodeEntry];
}

bool LoadCatalogue(const std::string &file, MessageCatalogue c, std::string *problem) {
    FileProblem trouble;
    std::optional<std::string> content = ReadRegularFile(file, kCatalogueFileLimit, trouble);
    if (!content) {
        if (problem != nullptr && !trouble.missing) *problem = FileProblemText(file, trouble);
        return false;
    }
    if (content->empty()) return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> f(fmemopen(content->data(), content->size(), "rb"), &std::fclose);
    if (!f) return false;
    auto entries = ReadEntries(f.get());
    if (entries.empty()) return false;
    g_loaded[Slot(c)] = std::make_unique<std::vector<std::string>>(std::move(entries));
    return true;
}

void LoadAll(const std::string &directory) {
    for (MessageCatalogue c : kAll) {
        std::string path = directory;
        if (!path.empty() && path.back() != '/') path += '/';
        LoadCatalogue(path + FileName(c), c);
    }
}

void ResetToBuiltIn() {
    for (auto &loaded : g_loaded) loaded.reset();
}

CodedError FrameworkError(int n) { return CodedError(Text(MessageCatalogue::VdSnmp, n), -(500 + n)); }

CodedError CommonError(int n) { return CodedError(Text(MessageCatalogue::Common, n), -n); }

}  // namespace messages

TranslatedStatus TranslateStatus(int status) {
    using messages::Text;
    if (status == 0 || status == 1400 || status == -1401) return {0, Text(MessageCatalogue::VdSnmp, 0)};
    if (status >= 1 && status <= 18) return {-100 - status, Text(MessageCatalogue::Snmp, status - 1)};
    if (status >= -23 && status <= -1) return {status - 400, Text(MessageCatalogue::SnmpClass, -1 - status)};
    if (status >= -1418 && status <= -1402) return {status + 1201, Text(MessageCatalogue::SnmpV3, -1402 - status)};
    if (status >= 1401 && status <= 1414) return {1100 - status, Text(MessageCatalogue::SnmpUsm, status - 1401)};
    return {-(500 + kUnknownCodeEntry), Text(MessageCatalogue::VdSnmp, kUnknownCodeEntry)};
}

std::string ReplacePlaceholder(const std::string &text, const std::string &word, const std::string &value) {
    if (word.empty()) return text;
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, from)) {
        out.append(text, from, at - from);
        out += value;
        from = at + word.size();
    }
    out.append(text, from, std::string::npos);
    return out;
}
