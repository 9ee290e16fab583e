#include "engine/value_length.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"

namespace {

constexpr int kBadValueCode = -518;  // a text that does not convert to its syntax
constexpr std::size_t kMacOctets = 6;
constexpr std::size_t kIpv6Octets = 16;

// The text carries no full stop: status lines add their own after a message.
[[noreturn]] void Refuse(const std::string &text) { throw CodedError(text, kBadValueCode); }

void CheckExact(const std::string &octets, std::size_t wanted, const char *what) {
    if (octets.size() == wanted) return;
    Refuse(std::string(what) + " is " + std::to_string(wanted) + " octets (" + std::to_string(2 * wanted) +
           " hex digits); this one has " + std::to_string(octets.size()));
}

}  // namespace

void CheckOctetCount(const std::string &octets, std::uint32_t syntax) {
    switch (syntax) {
    case syntax::MacAddress: return CheckExact(octets, kMacOctets, "A MAC address");
    case syntax::Ipv6Address: return CheckExact(octets, kIpv6Octets, "An IPv6 address");
    case syntax::DisplayString:
        if (octets.size() > kDisplayStringMaxOctets)
            Refuse("The text is " + std::to_string(octets.size()) + " octets long; at most " +
                   std::to_string(kDisplayStringMaxOctets) + " fit");
        return;
    default: return;
    }
}
