#include "oid.h"

#include <charconv>

std::optional<Oid> parseOid(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    Oid oid;
    while (!text.empty()) {
        std::uint32_t part = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), part);
        if (ec != std::errc() || end == text.data())
            return std::nullopt;
        oid.push_back(part);
        text.remove_prefix(end - text.data());
        if (text.empty())
            break;
        if (text.front() != '.' || text.size() == 1)
            return std::nullopt;
        text.remove_prefix(1);
    }
    if (oid.empty())
        return std::nullopt;
    return oid;
}

std::string formatOid(const Oid& oid)
{
    std::string text;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool hasPrefix(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid concat(const Oid& head, const Oid& tail)
{
    Oid oid = head;
    oid.insert(oid.end(), tail.begin(), tail.end());
    return oid;
}
