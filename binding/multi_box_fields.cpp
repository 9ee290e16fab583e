#include "binding/multi_box_fields.h"

#include "binding/whole_value_check.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/date_time.h"
#include "engine/descriptor.h"
#include "engine/oid_text.h"
#include "engine/value_text.h"
#include "engine/var_list.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint64_t kTicksPerDay = 8640000, kTicksPerHour = 360000, kTicksPerMinute = 6000,
                        kTicksPerSecond = 100;
constexpr double kMillisecondsPerDay = 86400000.0;

std::string Hex2(std::uint8_t byte) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

std::uint8_t ByteAt(const std::string &raw, std::size_t i) { return static_cast<std::uint8_t>(raw[i]); }

// A box's leading decimal digits (after blanks), 0 when there are none; saturates instead of wrapping
// so that an oversized field is caught by its range check.
std::uint64_t BoxNumber(const std::string &box) {
    std::size_t i = box.find_first_not_of(' ');
    std::uint64_t n = 0;
    for (; i < box.size() && box[i] >= '0' && box[i] <= '9'; ++i) {
        const std::uint64_t digit = static_cast<std::uint64_t>(box[i] - '0');
        if (n > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) return std::numeric_limits<std::uint64_t>::max();
        n = n * 10 + digit;
    }
    return n;
}

std::uint64_t BoxAt(const std::vector<std::string> &boxes, std::size_t i, std::uint64_t maximum) {
    const std::uint64_t n = BoxNumber(boxes[i]);
    if (n > maximum) throw messages::FrameworkError(18);
    return n;
}

std::uint32_t LittleEndian32(const std::string &raw) {
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < 4 && i < raw.size(); ++i) n |= std::uint32_t{ByteAt(raw, i)} << (8 * i);
    return n;
}

double LittleEndianDouble(const std::string &raw) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8 && i < raw.size(); ++i) bits |= std::uint64_t{ByteAt(raw, i)} << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Octets, one per box as two hex digits; boxes past the value are emptied.
std::vector<std::string> OctetBoxes(const std::string &raw, std::size_t boxCount) {
    std::vector<std::string> boxes(boxCount);
    for (std::size_t i = 0; i < boxCount && i < raw.size(); ++i) boxes[i] = Hex2(ByteAt(raw, i));
    return boxes;
}

std::string OctetsFromBoxes(const std::vector<std::string> &boxes, std::size_t used) {
    std::string hex;
    for (std::size_t i = 0; i < used; ++i) {
        const std::string &box = boxes[i];
        hex += box.empty() ? "00" : box.size() == 1 ? "0" + box : box;
    }
    return hex;
}

std::string Decimal(std::uint64_t n) { return std::to_string(n); }

std::vector<std::string> TimeTicksBoxes(std::uint32_t t) {
    return {Decimal(t / kTicksPerDay), Decimal(t % kTicksPerDay / kTicksPerHour),
            Decimal(t % kTicksPerHour / kTicksPerMinute), Decimal(t % kTicksPerMinute / kTicksPerSecond),
            Decimal(t % kTicksPerSecond)};
}

std::string TimeTicksFromBoxes(const std::vector<std::string> &boxes) {
    const std::uint64_t max32 = std::numeric_limits<std::uint32_t>::max();
    const std::uint64_t ticks = BoxAt(boxes, 0, max32 / kTicksPerDay) * kTicksPerDay +
                                BoxAt(boxes, 1, max32 / kTicksPerHour) * kTicksPerHour +
                                BoxAt(boxes, 2, max32 / kTicksPerMinute) * kTicksPerMinute +
                                BoxAt(boxes, 3, max32 / kTicksPerSecond) * kTicksPerSecond +
                                BoxAt(boxes, 4, max32);
    if (ticks > max32) throw messages::FrameworkError(18);
    return TimeTicksText(static_cast<std::uint32_t>(ticks));
}

std::vector<std::string> DateAndTimeBoxes(const std::string &text) {
    const VdDateTime d(text);
    return {Decimal(d.year),           Decimal(d.month),        Decimal(d.day),
            Decimal(d.hour),           Decimal(d.minutes),      Decimal(d.seconds),
            Decimal(d.deciSeconds),    std::string(1, d.direction), Decimal(d.hoursFromUTC),
            Decimal(d.minutesFromUTC)};
}

std::string DateAndTimeFromBoxes(const std::vector<std::string> &boxes) {
    VdDateTime d(std::string{});
    d.year = static_cast<std::uint16_t>(BoxAt(boxes, 0, 65535));
    std::uint8_t *fields[] = {&d.month, &d.day, &d.hour, &d.minutes, &d.seconds, &d.deciSeconds};
    for (std::size_t i = 0; i < 6; ++i) *fields[i] = static_cast<std::uint8_t>(BoxAt(boxes, i + 1, 255));
    d.direction = boxes[7].empty() ? '+' : boxes[7][0];
    d.hoursFromUTC = static_cast<std::uint8_t>(BoxAt(boxes, 8, 255));
    d.minutesFromUTC = static_cast<std::uint8_t>(BoxAt(boxes, 9, 255));
    return d.ToText();
}

std::vector<std::string> DateTimeNumberBoxes(const std::string &raw) {
    const DateTimeFields f = SplitDateTimeNumber(LittleEndianDouble(raw));
    return {Decimal(static_cast<std::uint64_t>(f.year)), Decimal(static_cast<std::uint64_t>(f.month)),
            Decimal(static_cast<std::uint64_t>(f.day)), Decimal(static_cast<std::uint64_t>(f.hour)),
            Decimal(static_cast<std::uint64_t>(f.minutes)), Decimal(static_cast<std::uint64_t>(f.seconds)),
            Decimal(static_cast<std::uint64_t>(f.milliseconds))};
}

std::string DateTimeNumberFromBoxes(const std::vector<std::string> &boxes) {
    DateTimeFields f;
    int *fields[] = {&f.year, &f.month, &f.day, &f.hour, &f.minutes, &f.seconds, &f.milliseconds};
    for (std::size_t i = 0; i < 7; ++i) *fields[i] = static_cast<int>(BoxAt(boxes, i, 9999));
    const auto days = JoinDateTimeNumber(f);
    if (!days) throw messages::FrameworkError(18);
    return LocalDateTimeText(*days);
}

bool KeepsBoxesForNull(std::uint32_t s) {
    switch (s) {
    case syntax::IpAddress:
    case syntax::NsapAddress:
    case syntax::TimeTicks:
    case syntax::MacAddress:
    case syntax::Ipv6Address:
    case syntax::DateAndTime:
    case syntax::LocalDateTime: return true;
    default: return false;
    }
}

}  // namespace

std::size_t MinimumBoxes(std::uint32_t s, const std::string &text, std::size_t rawLength) {
    switch (s) {
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque: return rawLength;
    case syntax::ObjectId: {
        const auto subIds = SplitOid(text);
        return subIds ? subIds->size() : 0;
    }
    case syntax::IpAddress:
    case syntax::NsapAddress: return 4;
    case syntax::TimeTicks: return 5;
    case syntax::MacAddress: return 6;
    case syntax::Ipv6Address: return 16;
    case syntax::DateAndTime: return 10;
    case syntax::LocalDateTime: return 7;
    default: return 1;
    }
}

std::optional<std::vector<std::string>> ValueToBoxes(std::uint32_t s, const std::string &text,
                                                     const std::string &raw, std::size_t boxCount) {
    if (text == kNotDoneText) {
        std::vector<std::string> boxes(boxCount);
        if (boxCount > 0) boxes[0] = text;
        return boxes;
    }
    if (text == kNullText && KeepsBoxesForNull(s)) return std::nullopt;
    if (boxCount < MinimumBoxes(s, text, raw.size())) throw messages::FrameworkError(22);
    switch (s) {
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque:
    case syntax::MacAddress:
    case syntax::Ipv6Address: return OctetBoxes(raw, boxCount);
    case syntax::ObjectId: {
        std::vector<std::string> boxes(boxCount);
        const auto subIds = SplitOid(text);
        for (std::size_t i = 0; subIds && i < subIds->size(); ++i) boxes[i] = Decimal((*subIds)[i]);
        return boxes;
    }
    case syntax::IpAddress:
    case syntax::NsapAddress: {
        std::vector<std::string> boxes(4);
        for (std::size_t i = 0; i < 4 && i < raw.size(); ++i) boxes[i] = Decimal(ByteAt(raw, i));
        return boxes;
    }
    case syntax::TimeTicks: return TimeTicksBoxes(LittleEndian32(raw));
    case syntax::DateAndTime: return DateAndTimeBoxes(text);
    case syntax::LocalDateTime: return DateTimeNumberBoxes(raw);
    default: return std::vector<std::string>{text};
    }
}

std::string BoxesToValue(std::uint32_t s, const std::vector<std::string> &boxes,
                         const std::string &currentText, std::size_t rawLength) {
    for (const std::string &box : boxes)
        if (IsReservedValueText(box)) return box;
    const std::size_t minimum = MinimumBoxes(s, currentText, rawLength);
    if (boxes.size() < minimum) throw messages::FrameworkError(22);
    switch (s) {
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque: return OctetsFromBoxes(boxes, boxes.size());
    case syntax::MacAddress:
    case syntax::Ipv6Address: return OctetsFromBoxes(boxes, MinimumBoxes(s, {}, 0));
    case syntax::ObjectId: {
        std::vector<std::uint32_t> subIds;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            subIds.push_back(static_cast<std::uint32_t>(BoxAt(boxes, i, std::numeric_limits<std::uint32_t>::max())));
        return JoinOid(subIds);
    }
    case syntax::IpAddress:
    case syntax::NsapAddress:
        return Decimal(BoxAt(boxes, 0, 255)) + "." + Decimal(BoxAt(boxes, 1, 255)) + "." +
               Decimal(BoxAt(boxes, 2, 255)) + "." + Decimal(BoxAt(boxes, 3, 255));
    case syntax::TimeTicks: return TimeTicksFromBoxes(boxes);
    case syntax::DateAndTime: return DateAndTimeFromBoxes(boxes);
    case syntax::LocalDateTime: return DateTimeNumberFromBoxes(boxes);
    default: return boxes.empty() ? std::string{} : boxes[0];
    }
}

DateTimeFields SplitDateTimeNumber(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) days = 0;
    const double whole = std::floor(days);
    auto msecs = static_cast<qint64>(std::llround((days - whole) * kMillisecondsPerDay));
    QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    if (msecs >= static_cast<qint64>(kMillisecondsPerDay)) {
        msecs -= static_cast<qint64>(kMillisecondsPerDay);
        date = date.addDays(1);
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()};
}

std::optional<double> JoinDateTimeNumber(const DateTimeFields &f) {
    const QDate date(f.year, f.month, f.day);
    const QTime time(f.hour, f.minutes, f.seconds, f.milliseconds);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return static_cast<double>(QDate(1899, 12, 30).daysTo(date)) +
           time.msecsSinceStartOfDay() / kMillisecondsPerDay;
}
