#include "sim_options.h"

#include "profile_tokens.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <functional>
#include <map>

namespace {

template <typename T> std::optional<T> numberOf(const std::string& text)
{
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool hasBlank(const std::string& text) { return text.find_first_of(" \t\r\n\"'#") != std::string::npos; }

// The library refuses pass phrases shorter than eight characters.
std::optional<std::string> userProblem(const UserSpec& user)
{
    if (user.name.empty() || user.name.size() > 32 || hasBlank(user.name))
        return "bad user name '" + user.name + "'";
    if (user.auth != "MD5" && user.auth != "SHA" && user.auth != "none")
        return "authentication protocol must be MD5, SHA or none";
    if (user.priv != "DES" && user.priv != "AES" && user.priv != "none")
        return "privacy protocol must be DES, AES or none";
    if (user.auth == "none" && user.priv != "none")
        return "privacy needs authentication";
    for (const std::string* pass : {&user.authPass, &user.privPass}) {
        bool used = pass == &user.authPass ? user.auth != "none" : user.priv != "none";
        if (used && (pass->size() < 8 || hasBlank(*pass)))
            return "pass phrases need at least 8 characters and no blanks or quotes";
    }
    return std::nullopt;
}

std::optional<std::string> communityProblem(const std::string& option, const std::string& value, std::string& target)
{
    if (value.empty() || hasBlank(value))
        return option + " wants a word without blanks or quotes";
    target = value;
    return std::nullopt;
}

std::variant<UserSpec, OptionError> userOf(const std::string& text)
{
    auto fields = splitFields(text, ':');
    if (fields.size() != 1 && fields.size() != 3 && fields.size() != 5)
        return OptionError{"--user wants name:auth:authpass:priv:privpass"};
    fields.resize(5);
    for (std::size_t i : {1u, 3u})
        if (fields[i].empty())
            fields[i] = "none";
    UserSpec user{fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (auto problem = userProblem(user))
        return OptionError{"--user " + text + ": " + *problem};
    return user;
}

std::variant<FillSpec, OptionError> fillOf(const std::string& text)
{
    auto eq = text.find('=');
    auto oid = parseOid(text.substr(0, eq));
    auto rows = eq == std::string::npos ? std::nullopt : numberOf<std::size_t>(text.substr(eq + 1));
    if (!oid || !rows || *rows > 1000000)
        return OptionError{"--fill wants TABLE-OID=ROWS (at most 1000000 rows)"};
    return FillSpec{*oid, *rows};
}

template <typename T> std::optional<std::string> append(std::variant<T, OptionError> parsed, std::vector<T>& into)
{
    if (auto* error = std::get_if<OptionError>(&parsed))
        return error->message;
    into.push_back(std::get<T>(std::move(parsed)));
    return std::nullopt;
}

std::optional<std::string> unsignedIn(const std::string& option, const std::string& value, unsigned low, unsigned high,
                                      unsigned& target)
{
    auto number = numberOf<unsigned>(value);
    if (!number || *number < low || *number > high)
        return option + " wants a number from " + std::to_string(low) + " to " + std::to_string(high);
    target = *number;
    return std::nullopt;
}

std::optional<std::string> oidIn(const std::string& option, const std::string& value, std::optional<Oid>& target)
{
    auto oid = parseOid(value);
    if (!oid)
        return option + " wants an object identifier";
    target = *oid;
    return std::nullopt;
}

} // namespace

std::vector<UserSpec> builtInUsers()
{
    return {
        {"md5des", "MD5", "md5despass", "DES", "md5desprivpass"},
        {"shaaes", "SHA", "shaaespass", "AES", "shaaesprivpass"},
        {"shaauth", "SHA", "shaauthpass", "none", ""},
    };
}

std::string usageText()
{
    std::string text =
        "Usage: qsw7400-sim [OPTION]...\n"
        "A simulated QSW-7400 switch: an SNMP v1/v2c/v3 agent on one loopback address.\n"
        "Prints \"listening on ADDRESS:PORT\" once it answers; SIGTERM or SIGINT stops it.\n"
        "\n"
        "  --address ADDR        IPv4 loopback address to listen on (default 127.0.0.1)\n"
        "  --port PORT           UDP port, 0 picks a free one (default 16100)\n"
        "  --profile FILE        load a profile after the shipped one; repeatable, later\n"
        "                        files overlay earlier ones\n"
        "  --no-default-profile  do not load the shipped profile\n"
        "  --read-community C    read-only community (default public)\n"
        "  --write-community C   read-write community (default private)\n"
        "  --user NAME:AUTH:AUTHPASS:PRIV:PRIVPASS\n"
        "                        add an SNMPv3 user with read-write access; AUTH is MD5, SHA\n"
        "                        or none, PRIV is DES, AES or none (NAME:AUTH:AUTHPASS for\n"
        "                        authNoPriv, NAME alone for noAuthNoPriv); pass phrases have\n"
        "                        at least 8 characters; repeatable\n"
        "  --fill TABLE=N        give the table (entry or table OID) N synthetic rows\n"
        "                        after its profile rows; repeatable\n"
        "  --delay MS            answer every request MS milliseconds late\n"
        "  --drop-every K        drop every K-th request datagram unanswered\n"
        "  --v1-echo-end         an SNMPv1 get-next past the last object is answered with\n"
        "                        noSuchName and the request's own bindings\n"
        "  --stuck-walk OID      a get-next inside the subtree OID answers with an\n"
        "                        identifier that does not increase\n"
        "  --backwards-walk OID  a get-next inside the subtree OID answers with its first\n"
        "                        instance when that lies before the name asked\n"
        "  --endless ENTRY-OID   the columns of the table never end: past its last row a\n"
        "                        get-next answers a made-up next row, a copy of the first\n"
        "  --bulk-too-big N      a get-bulk asking more than N repetitions is answered with\n"
        "                        tooBig (0: every get-bulk)\n"
        "  --max-message BYTES   send no message longer than BYTES (at least 484); a get-bulk\n"
        "                        answer is cut short to fit\n"
        "  --verbose             log the agent library's messages to stderr\n"
        "  --help                show this text\n"
        "\n"
        "Built-in SNMPv3 users (read-write):\n";
    for (const UserSpec& user : builtInUsers()) {
        text += "  " + user.name + "  " + user.auth + " \"" + user.authPass + "\"";
        text += user.priv == "none" ? "  no privacy (authNoPriv)\n" : ", " + user.priv + " \"" + user.privPass + "\"\n";
    }
    return text;
}

std::variant<SimOptions, HelpRequest, OptionError> parseOptions(const std::vector<std::string>& args)
{
    SimOptions options;
    options.users = builtInUsers();
    using Handler = std::function<std::optional<std::string>(const std::string&)>;
    const std::map<std::string, Handler> withValue{
        {"--address", [&](const std::string& v) -> std::optional<std::string> {
             // Loopback only: the simulator answers anyone with well-known communities.
             auto oid = parseOid(v);
             bool quad = oid && oid->size() == 4 && v.front() != '.' &&
                         std::all_of(oid->begin(), oid->end(), [](std::uint32_t part) { return part <= 255; });
             if (!quad || oid->front() != 127)
                 return "--address wants an IPv4 loopback address (127.x.x.x)";
             options.address = v;
             return std::nullopt;
         }},
        {"--port", [&](const std::string& v) -> std::optional<std::string> {
             auto port = numberOf<std::uint16_t>(v);
             if (!port)
                 return "--port wants a number from 0 to 65535";
             options.port = *port;
             return std::nullopt;
         }},
        {"--profile", [&](const std::string& v) -> std::optional<std::string> {
             options.profiles.push_back(v);
             return std::nullopt;
         }},
        {"--read-community", [&](const std::string& v) { return communityProblem("--read-community", v, options.readCommunity); }},
        {"--write-community", [&](const std::string& v) { return communityProblem("--write-community", v, options.writeCommunity); }},
        {"--user", [&](const std::string& v) { return append(userOf(v), options.users); }},
        {"--fill", [&](const std::string& v) { return append(fillOf(v), options.fills); }},
        {"--delay", [&](const std::string& v) { return unsignedIn("--delay", v, 0, 600000, options.delayMs); }},
        {"--drop-every", [&](const std::string& v) { return unsignedIn("--drop-every", v, 1, UINT_MAX, options.dropEvery); }},
        {"--bulk-too-big", [&](const std::string& v) {
             unsigned most = 0;
             auto problem = unsignedIn("--bulk-too-big", v, 0, UINT_MAX, most);
             if (!problem)
                 options.bulkTooBig = most;
             return problem;
         }},
        {"--max-message", [&](const std::string& v) { return unsignedIn("--max-message", v, 484, 65507, options.maxMessage); }},
        {"--stuck-walk", [&](const std::string& v) { return oidIn("--stuck-walk", v, options.stuckWalk); }},
        {"--backwards-walk", [&](const std::string& v) { return oidIn("--backwards-walk", v, options.backwardsWalk); }},
        {"--endless", [&](const std::string& v) { return oidIn("--endless", v, options.endlessTable); }},
    };
    const std::map<std::string, bool*> flags{
        {"--no-default-profile", &options.noDefaultProfile}, {"--v1-echo-end", &options.v1EchoEnd}, {"--verbose", &options.verbose}};

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool inlineValue = false;
        if (auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (name == "--help" || name == "-h")
            return HelpRequest{};
        if (auto flag = flags.find(name); flag != flags.end() && !inlineValue) {
            *flag->second = true;
            continue;
        }
        auto handler = withValue.find(name);
        if (handler == withValue.end())
            return OptionError{"unknown option '" + args[i] + "'"};
        if (!inlineValue) {
            if (i + 1 == args.size())
                return OptionError{name + " needs a value"};
            value = args[++i];
        }
        if (auto problem = handler->second(value))
            return OptionError{*problem};
    }
    if (options.noDefaultProfile && options.profiles.empty())
        return OptionError{"--no-default-profile needs at least one --profile"};
    return options;
}
