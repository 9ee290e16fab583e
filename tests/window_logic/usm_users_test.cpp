#include "engine/hex_text.h"
#include "engine/snmp_adapter.h"
#include "windows/logic/settings_file.h"
#include "windows/logic/usm_users.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

using namespace usm_users;
namespace p = snmp::protocol;

const std::string kEngine = FromHex("8000000001020304");
const User kTemplate{kEngine, "template", p::HmacMd5, p::Des};

std::vector<std::string> Columns(const std::vector<Step> &steps) {
    // Each step as the columns it writes (or "proof"), with "+lock" when it carries the spin lock.
    std::vector<std::string> out;
    for (const Step &s : steps) {
        std::string line = s.kind == Step::Kind::Proof ? "proof" : "";
        for (const Binding &b : s.bindings) {
            if (s.kind == Step::Kind::Proof) continue;
            const std::string rest = b.oid.substr(std::string(kUserEntryOid).size() + 1);
            line += (line.empty() ? "" : " ") + rest.substr(0, rest.find('.'));
        }
        if (s.spinLock) line += " +lock";
        if (s.as) line += " as " + s.as->name;
        out.push_back(line);
    }
    return out;
}

TEST(UsmUserSteps, AddClonesThenChangesPrivacyThenAuthenticationKeyThenActivates) {
    const NewUser request{kEngine, "alice", kTemplate, "templateAuth", "templatePriv", p::HmacMd5, p::Des,
                          "alicesAuthPhrase", "alicesPrivPhrase"};
    const auto steps = std::get<std::vector<Step>>(AddUserSteps(request));
    EXPECT_EQ(Columns(steps), (std::vector<std::string>{"proof as template", "13 4 +lock", "9 +lock", "6 +lock", "13"}));
    const std::string index = "8.128.0.0.0.1.2.3.4.5.97.108.105.99.101";
    EXPECT_EQ(steps[1].bindings[0].oid, std::string(kUserEntryOid) + ".13." + index);
    EXPECT_EQ(steps[1].bindings[0].value, "5");  // createAndWait
    EXPECT_EQ(steps[1].bindings[1].value, std::string(kUserEntryOid) + ".3.8.128.0.0.0.1.2.3.4.8.116.101.109.112.108.97.116.101");
    EXPECT_EQ(steps[2].bindings[0].value.size(), 64u);  // 32 octets of KeyChange for a 16-octet key, in hex
    EXPECT_EQ(steps[4].bindings[0].value, "1");  // active
    EXPECT_EQ(steps[0].as->Level(), 3);
}

TEST(UsmUserSteps, ProtocolsDroppedToNoneAndChoicesTheCloneCannotGive) {
    NewUser request{kEngine, "carol", kTemplate, "templateAuth", "templatePriv", p::HmacMd5, p::None,
                    "carolsAuthPhrase", ""};
    EXPECT_EQ(Columns(std::get<std::vector<Step>>(AddUserSteps(request))),
              (std::vector<std::string>{"proof as template", "13 4 +lock", "8", "6 +lock", "13"}));
    struct Refused {
        int auth;
        int priv;
        const char *message;
    };
    for (const Refused &r : {Refused{p::HmacSha, p::Des, "authenticates with MD5"},
                             Refused{p::HmacMd5, p::Aes128, "encrypts with DES"},
                             Refused{p::None, p::Des, "Privacy needs authentication"}}) {
        request.auth = r.auth;
        request.priv = r.priv;
        const Plan plan = AddUserSteps(request);
        const auto *why = std::get_if<std::string>(&plan);
        ASSERT_NE(why, nullptr) << r.message;
        EXPECT_NE(why->find(r.message), std::string::npos) << *why;
    }
}

TEST(UsmUserSteps, ChangeWritesOwnKeysAsTheUserPrivacyFirstThenAuthenticationWithTheNewPrivacyPhrase) {
    const PassPhraseChange request{kEngine, {kEngine, "bob", p::HmacSha, p::Aes128}, "oldAuthPhrase", "oldPrivPhrase",
                                   "newAuthPhrase", "newPrivPhrase"};
    const auto steps = std::get<std::vector<Step>>(ChangePassPhraseSteps(request));
    EXPECT_EQ(Columns(steps), (std::vector<std::string>{"10 +lock as bob", "7 +lock as bob"}));
    EXPECT_EQ(steps[0].as->privPass, "oldPrivPhrase");
    EXPECT_EQ(steps[1].as->privPass, "newPrivPhrase");
    EXPECT_EQ(steps[1].as->authPass, "oldAuthPhrase");
    EXPECT_EQ(steps[1].bindings[0].value.size(), 80u);  // SHA keys are 20 octets

    const PassPhraseChange none{kEngine, {kEngine, "anon", p::None, p::None}, "", "", "x", "y"};
    EXPECT_NE(std::get<std::string>(ChangePassPhraseSteps(none)).find("does not authenticate"), std::string::npos);
}

TEST(UsmUserChecks, NamesAndPassPhrasesAreRefusedBeforeAnythingIsSent) {
    const std::vector<User> users{kTemplate};
    struct Case {
        std::string message;
        const char *expected;  // part of the message, "" when accepted
    };
    const Case cases[] = {
        {CheckUserName("", users, kEngine), "is empty"},
        {CheckUserName(std::string(33, 'u'), users, kEngine), "at most 32"},
        {CheckUserName("template", users, kEngine), "exists already"},
        {CheckUserName("template", users, "other engine"), ""},
        {CheckNewPassPhrase("Auth Pass Phrase", "1234567", "1234567"), "at least 8 characters"},
        {CheckNewPassPhrase("Auth Pass Phrase", "12345678", "12345679"), "repetition differ"},
        {CheckNewPassPhrase("Auth Pass Phrase", "12345678", "12345678"), ""},
        {CheckOldPassPhrase("Old Auth Pass Phrase", "short"), "at least 8 characters"},
    };
    for (const Case &c : cases) {
        if (*c.expected == '\0') EXPECT_EQ(c.message, "");
        else EXPECT_NE(c.message.find(c.expected), std::string::npos) << c.message;
    }
}

TEST(SettingsFile, KeysReplacedInPlaceOrAddedToTheSectionEverythingElseKept) {
    struct Case {
        const char *before;
        const char *after;
    };
    const std::vector<std::pair<std::string, std::string>> keys{{"AuthPassword", "new1"}, {"PrivPassword", "new2"}};
    const Case cases[] = {
        {"[Program Information]\r\nVersion=3\r\nauthpassword = old\r\nMaxRows=5",
         "[Program Information]\r\nVersion=3\r\nAuthPassword=new1\r\nMaxRows=5\r\nPrivPassword=new2"},
        {"; note\n[Other]\nAuthPassword=keep\n[Program Information]\nVersion=3\n\n[Later]\nx=1\n",
         "; note\n[Other]\nAuthPassword=keep\n[Program Information]\nVersion=3\nAuthPassword=new1\nPrivPassword=new2\n\n[Later]\nx=1\n"},
        {"", "[Program Information]\nAuthPassword=new1\nPrivPassword=new2"},
    };
    for (const Case &c : cases) EXPECT_EQ(settings_file::WithKeys(c.before, keys), c.after) << c.before;
}

TEST(SettingsFile, ReadTakesARegularFileAndRefusesAFifoWithoutWaitingOnIt) {
    char folder[] = "/tmp/settings-file-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/host.cfg";
    const std::string fifo = std::string(folder) + "/fifo.cfg";
    EXPECT_FALSE(settings_file::Read(file).has_value());
    EXPECT_EQ(settings_file::Write(file, "[Program Information]\nVersion=3\n"), "");
    EXPECT_EQ(settings_file::Read(file), "[Program Information]\nVersion=3\n");
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Nobody writes to the FIFO: a plain open and read of it would never return.
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(settings_file::Read(fifo).has_value());
    unlink(fifo.c_str());
    unlink(file.c_str());
    rmdir(folder);
}

}  // namespace
