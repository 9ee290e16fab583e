#include "engine/date_time.h"

#include <QDateTime>

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t kOctets = 11;

// Reads the "%d-%d-%d,%d:%d:%d.%d[,±%d:%d]" forms number by number, as a scanf would: blanks may
// precede a number, literals must match exactly.
class Scanner {
public:
    explicit Scanner(const std::string &text) : text_(text) {}

    bool Literal(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    // A signed decimal; saturates far outside every field so that an oversized number never fits.
    std::optional<long long> Number() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        std::size_t p = pos_;
        bool negative = false;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
        if (p >= text_.size() || text_[p] < '0' || text_[p] > '9') return std::nullopt;
        long long n = 0;
        for (; p < text_.size() && text_[p] >= '0' && text_[p] <= '9'; ++p)
            n = n > kCap ? kCap : n * 10 + (text_[p] - '0');
        pos_ = p;
        return negative ? -n : n;
    }

    bool AtEnd() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        return pos_ == text_.size();
    }

private:
    static constexpr long long kCap = std::numeric_limits<long long>::max() / 100;
    const std::string &text_;
    std::size_t pos_ = 0;
};

// The numbers of the text in form order (seven, or nine with the offsets) and the direction.
struct Scanned {
    long long numbers[9] = {};
    int count = 0;  // numbers read before the text left the form
    char direction = '+';
    bool complete = false;  // one of the forms matched to the end
};

Scanned Scan(const std::string &text) {
    Scanned out;
    Scanner s(text);
    const char before[] = {0, '-', '-', ',', ':', ':', '.'};
    for (int i = 0; i < 7; ++i) {
        if (i > 0 && !s.Literal(before[i])) return out;
        const auto n = s.Number();
        if (!n) return out;
        out.numbers[out.count++] = *n;
    }
    if (s.AtEnd()) {
        out.complete = true;
        return out;
    }
    if (!s.Literal(',')) return out;
    const bool plus = s.Literal('+');
    if (!plus && !s.Literal('-')) return out;
    const auto hours = s.Number();
    if (!hours || !s.Literal(':')) return out;
    const auto mins = s.Number();
    if (!mins) return out;
    out.numbers[7] = *hours;
    out.numbers[8] = *mins;
    out.count = 9;
    out.direction = plus ? '+' : '-';
    out.complete = s.AtEnd();
    return out;
}

template <typename Field>
bool Fits(long long n) {
    return n >= 0 && n <= std::numeric_limits<Field>::max();
}

}  // namespace

VdDateTime::VdDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    year = static_cast<std::uint16_t>(now.date().year());
    month = static_cast<std::uint8_t>(now.date().month());
    day = static_cast<std::uint8_t>(now.date().day());
    hour = static_cast<std::uint8_t>(now.time().hour());
    minutes = static_cast<std::uint8_t>(now.time().minute());
    seconds = static_cast<std::uint8_t>(now.time().second());
}

VdDateTime::VdDateTime(const std::string &text) {
    const Scanned s = Scan(text);
    std::uint8_t *small[] = {&month, &day, &hour, &minutes, &seconds, &deciSeconds, &hoursFromUTC, &minutesFromUTC};
    // Only the long forms carry offsets; a text that leaves them half-read keeps them zero.
    const int used = s.count == 9 ? 9 : std::min(s.count, 7);
    if (used > 0) year = static_cast<std::uint16_t>(s.numbers[0]);
    for (int i = 1; i < used; ++i) *small[i - 1] = static_cast<std::uint8_t>(s.numbers[i]);
    if (used == 9) direction = s.direction;
}

std::optional<VdDateTime> VdDateTime::Parse(const std::string &text) {
    const Scanned s = Scan(text);
    if (!s.complete || !Fits<std::uint16_t>(s.numbers[0])) return std::nullopt;
    for (int i = 1; i < s.count; ++i)
        if (!Fits<std::uint8_t>(s.numbers[i])) return std::nullopt;
    return VdDateTime(text);
}

std::string VdDateTime::ToText() const {
    std::string text = std::to_string(year) + '-' + std::to_string(month) + '-' + std::to_string(day) + ',' +
                       std::to_string(hour) + ':' + std::to_string(minutes) + ':' + std::to_string(seconds) + '.' +
                       std::to_string(deciSeconds);
    if ((hoursFromUTC != 0 || minutesFromUTC != 0) && (direction == '+' || direction == '-'))
        text += std::string(",") + direction + std::to_string(hoursFromUTC) + ':' + std::to_string(minutesFromUTC);
    return text;
}

void VdDateTime::SwapYearOrder() { year = static_cast<std::uint16_t>((year >> 8) | (year << 8)); }

std::string VdDateTime::ToOctets() const {
    const char octets[kOctets] = {static_cast<char>(year >> 8),
                                  static_cast<char>(year & 0xFF),
                                  static_cast<char>(month),
                                  static_cast<char>(day),
                                  static_cast<char>(hour),
                                  static_cast<char>(minutes),
                                  static_cast<char>(seconds),
                                  static_cast<char>(deciSeconds),
                                  direction,
                                  static_cast<char>(hoursFromUTC),
                                  static_cast<char>(minutesFromUTC)};
    return std::string(octets, kOctets);
}

VdDateTime VdDateTime::FromOctets(const std::string &octets) {
    // Octets missing from a short value read as zero rather than from beyond it.
    auto at = [&](std::size_t i) { return i < octets.size() ? static_cast<std::uint8_t>(octets[i]) : std::uint8_t{0}; };
    VdDateTime d{Zero{}};
    d.year = static_cast<std::uint16_t>((at(0) << 8) | at(1));
    std::uint8_t *fields[] = {&d.month, &d.day, &d.hour, &d.minutes, &d.seconds, &d.deciSeconds};
    for (std::size_t i = 0; i < 6; ++i) *fields[i] = at(i + 2);
    d.direction = octets.size() > 8 ? octets[8] : '+';
    d.hoursFromUTC = at(9);
    d.minutesFromUTC = at(10);
    return d;
}
