#include "engine/hex_text.h"
#include "engine/snmp_adapter.h"
#include "engine/usm_keys.h"

#include <gtest/gtest.h>

namespace {

using namespace snmp;

// The localisation example of the user-based security model's definition: pass phrase
// "maplesyrup" for engine 00...02.
TEST(UsmKeys, LocalisedKeysMatchThePublishedExampleAndPrivacyKeysAreCutForTheCipher) {
    const std::string engine = FromHex("000000000000000000000002");
    struct Case {
        int auth;
        int priv;
        const char *key;
    };
    const Case cases[] = {
        {protocol::HmacMd5, protocol::None, "526F5EED9FCCE26F8964C2930787D82B"},
        {protocol::HmacSha, protocol::None, "6695FEBC9288E36282235FC7151F128497B38F3F"},
        {protocol::HmacMd5, protocol::Des, "526F5EED9FCCE26F8964C2930787D82B"},
        {protocol::HmacSha, protocol::Aes128, "6695FEBC9288E36282235FC7151F1284"},
    };
    for (const Case &c : cases) {
        const auto key = LocalizedKey(c.auth, c.priv, "maplesyrup", engine);
        ASSERT_TRUE(key) << c.auth << "/" << c.priv;
        EXPECT_EQ(ToHex(*key), c.key) << c.auth << "/" << c.priv;
    }
}

TEST(UsmKeys, NoKeyForAShortPassPhraseAnEmptyEngineOrAnUnknownProtocol) {
    const std::string engine = FromHex("000000000000000000000002");
    EXPECT_FALSE(LocalizedKey(protocol::HmacMd5, protocol::None, "1234567", engine));
    EXPECT_TRUE(LocalizedKey(protocol::HmacMd5, protocol::None, "12345678", engine));
    EXPECT_FALSE(LocalizedKey(protocol::HmacMd5, protocol::None, "maplesyrup", ""));
    EXPECT_FALSE(LocalizedKey(protocol::None, protocol::None, "maplesyrup", engine));
    EXPECT_FALSE(LocalizedKey(protocol::HmacMd5, protocol::Idea, "maplesyrup", engine));
}

TEST(UsmKeys, KeyChangeIsRandomThenMaskedAndTwiceTheKeyLong) {
    const std::string oldKey(16, '\x11');
    const std::string newKey(16, '\x22');
    const auto first = KeyChange(protocol::HmacMd5, oldKey, newKey);
    const auto second = KeyChange(protocol::HmacMd5, oldKey, newKey);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size(), 32u);
    // A fresh random part each time: a recorded KeyChange tells nothing about the next.
    EXPECT_NE(*first, *second);
    EXPECT_FALSE(KeyChange(protocol::HmacSha, oldKey, std::string(20, '\x22')));
    EXPECT_FALSE(KeyChange(protocol::None, oldKey, newKey));
}

}  // namespace
