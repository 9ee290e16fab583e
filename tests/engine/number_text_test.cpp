#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

// Every whole number the module reads (typed values, option values, menu data, the configuration
// file, the boot counter) goes through these; a text that is not exactly one number fitting the type
// must be refused, never cut or wrapped.
TEST(NumberText, WholeNumbersAreOneNumberThatFitsOrNothing) {
    const struct {
        const char *text;
        std::optional<std::int32_t> typed;    // blanks allowed
        std::optional<std::int32_t> exact;    // blanks refused
        std::optional<std::uint32_t> unsig;   // blanks allowed
    } cases[] = {
        {"42", 42, 42, 42u},
        {"+7", 7, 7, 7u},
        {"-5", -5, -5, std::nullopt},
        {" 12\t", 12, std::nullopt, 12u},
        {"2147483647", 2147483647, 2147483647, 2147483647u},
        {"2147483648", std::nullopt, std::nullopt, 2147483648u},
        {"-2147483649", std::nullopt, std::nullopt, std::nullopt},
        {"4294967296", std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
        {"  ", std::nullopt, std::nullopt, std::nullopt},
        {"+", std::nullopt, std::nullopt, std::nullopt},
        {"1x", std::nullopt, std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt, std::nullopt},
        {"++1", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(ParseSigned32(c.text), c.typed);
        EXPECT_EQ(ParseSigned32(c.text, Blanks::Refused), c.exact);
        EXPECT_EQ(ParseUnsigned32(c.text), c.unsig);
    }
    EXPECT_EQ(ParseUnsigned64("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(ParseUnsigned64("18446744073709551616"), std::nullopt);
}

}  // namespace
