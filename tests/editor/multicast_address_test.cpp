#include "editor/multicast_address.h"

#include <gtest/gtest.h>

#include <string>

TEST(MulticastAddress, AcceptsOnlyFourPartsInTheMulticastRange) {
    const struct {
        std::string text;
        bool multicast;
    } cases[] = {
        {"239.1.1.1", true},       {"224.0.0.1", true},         {"224..1.1.1", true},
        {"240.0.0.1", false},      {"223.255.255.255", false},  {"224.1.1", false},
        {".224.1.1.1", false},     {"224.1.1.1.", false},       {"224.1.1.256", false},
        {"224.1.1.1.1", false},    {"", false},                 {"230.99999999999999.1.1", false},
        // Longer than any address the rows hold, whatever follows.
        {"224.1.1." + std::string(16, '0') + "1", false},
        {"224.001.001.000000000001", true},
    };
    for (const auto &c : cases) EXPECT_EQ(IsMulticastAddress(c.text), c.multicast) << '"' << c.text << '"';
}
