#include "engine/value_text.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTime>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr std::uint64_t kTicksPerDay = 8640000, kTicksPerHour = 360000, kTicksPerMinute = 6000,
                        kTicksPerSecond = 100;
constexpr qint64 kMillisecondsPerDay = 86400000;
const QDate kDayZero(1899, 12, 30);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads an unsigned decimal at pos; saturates so that an oversized number stays out of range.
bool ReadNumber(const std::string &text, std::size_t &pos, std::uint64_t &n) {
    if (pos >= text.size() || !IsDigit(text[pos])) return false;
    n = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const auto digit = static_cast<std::uint64_t>(text[pos] - '0');
        n = n > (std::numeric_limits<std::uint64_t>::max() - digit) / 10 ? std::numeric_limits<std::uint64_t>::max()
                                                                        : n * 10 + digit;
    }
    return true;
}

void SkipBlanks(const std::string &text, std::size_t &pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

bool ReadWord(const std::string &text, std::size_t &pos, const std::string &word) {
    if (text.compare(pos, word.size(), word) != 0) return false;
    pos += word.size();
    return true;
}

// "h:mm:ss" with optional ".hh"; fields are not limited so that "0:90:00" reads as 90 minutes.
std::optional<std::uint64_t> ReadClock(const std::string &text, std::size_t &pos) {
    std::uint64_t h = 0, m = 0, s = 0, hundredths = 0;
    if (!ReadNumber(text, pos, h) || !ReadWord(text, pos, ":") || !ReadNumber(text, pos, m) ||
        !ReadWord(text, pos, ":") || !ReadNumber(text, pos, s))
        return std::nullopt;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        const std::size_t start = pos;
        if (!ReadNumber(text, pos, hundredths) || pos - start > 2) return std::nullopt;
        if (pos - start == 1) hundredths *= 10;  // ".5" is half a second
    }
    const std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    if (h > limit || m > limit || s > limit) return std::nullopt;
    return h * kTicksPerHour + m * kTicksPerMinute + s * kTicksPerSecond + hundredths;
}

// The first separator character of a locale format (as "/" of "M/d/yy"), or a fallback when the
// format has none, as the C locale's "d MMM yyyy".
QChar SeparatorOf(const QString &format, QChar fallback) {
    for (QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != u'\'' && c != u',') return c;
    return fallback;
}

QChar DateSeparator() { return SeparatorOf(QLocale().dateFormat(QLocale::ShortFormat), u'/'); }
QChar TimeSeparator() { return SeparatorOf(QLocale().timeFormat(QLocale::ShortFormat), u':'); }

std::optional<double> DaysOf(const QDate &date, const QTime &time) {
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return static_cast<double>(kDayZero.daysTo(date)) +
           static_cast<double>(time.msecsSinceStartOfDay()) / kMillisecondsPerDay;
}

// Year first, as LocalDateTimeText writes it, with the locale's separators or the common ones;
// the time is optional, on the 12-hour clock with a marker or on the 24-hour clock without.
std::optional<double> YearFirstDateTime(const QString &text) {
    const QString date = QRegularExpression::escape(QString(DateSeparator()));
    const QString time = QRegularExpression::escape(QString(TimeSeparator()));
    const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,4})[%1/.-](\d{1,2})[%1/.-](\d{1,2}))"
                       R"((?:\s+(\d{1,2})[%2:.](\d{1,2})(?:[%2:.](\d{1,2}))?\s*([aApP][mM])?)?\s*$)")
            .arg(date, time));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return std::nullopt;
    int hour = m.captured(4).toInt();
    const QString marker = m.captured(7).toLower();
    if (!marker.isEmpty()) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (marker == u"pm" ? 12 : 0);
    }
    return DaysOf(QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()),
                  QTime(hour, m.captured(5).toInt(), m.captured(6).toInt()));
}

// A two-digit year is taken within fifty years of today, not in the 1900s as the parser would.
QDate InCenturyWindow(const QDate &date, const QString &format) {
    if (format.contains(QStringLiteral("yyyy")) || !format.contains(QStringLiteral("yy"))) return date;
    const int thisYear = QDate::currentDate().year();
    int year = date.year();
    while (year < thisYear - 50) year += 100;
    while (year > thisYear + 49) year -= 100;
    return date.addYears(year - date.year());
}

std::optional<double> LocaleDateTime(const QString &text) {
    const QLocale locale;
    const QString t = text.trimmed();
    for (auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        if (const QDateTime dt = locale.toDateTime(t, format); dt.isValid())
            return DaysOf(InCenturyWindow(dt.date(), locale.dateTimeFormat(format)), dt.time());
        if (const QDate d = locale.toDate(t, format); d.isValid())
            return DaysOf(InCenturyWindow(d, locale.dateFormat(format)), QTime(0, 0));
    }
    return std::nullopt;
}

}  // namespace

std::string TimeTicksText(std::uint32_t ticks) {
    const std::uint64_t t = ticks;
    const std::uint64_t days = t / kTicksPerDay;
    char clock[48];
    std::snprintf(clock, sizeof clock, "%llu:%02llu:%02llu.%02llu",
                  static_cast<unsigned long long>(t % kTicksPerDay / kTicksPerHour),
                  static_cast<unsigned long long>(t % kTicksPerHour / kTicksPerMinute),
                  static_cast<unsigned long long>(t % kTicksPerMinute / kTicksPerSecond),
                  static_cast<unsigned long long>(t % kTicksPerSecond));
    if (days == 0) return clock;
    if (days == 1) return std::string("1 day ") + clock;
    return std::to_string(days) + " days, " + clock;
}

std::uint32_t ParseTimeTicks(const std::string &text) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    std::uint64_t days = 0;
    const std::size_t start = pos;
    if (ReadNumber(text, pos, days)) {
        SkipBlanks(text, pos);
        if (ReadWord(text, pos, "days") || ReadWord(text, pos, "day")) {
            SkipBlanks(text, pos);
            if (pos < text.size() && text[pos] == ',') ++pos;
            SkipBlanks(text, pos);
        } else {
            days = 0;
            pos = start;
        }
    }
    const auto clock = ReadClock(text, pos);
    SkipBlanks(text, pos);
    if (!clock || pos != text.size() || days > std::numeric_limits<std::uint32_t>::max()) return 0;
    const std::uint64_t ticks = days * kTicksPerDay + *clock;
    // A text beyond the 32-bit range is not a TimeTicks value; it reads as 0 like any other.
    return ticks > std::numeric_limits<std::uint32_t>::max() ? 0 : static_cast<std::uint32_t>(ticks);
}

std::string DoubleText(double value) {
    char text[40];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

namespace {

template <typename Float>
Float LeadingFloat(const std::string &text) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    // Only a number in decimal notation counts: no "inf", "nan" or hexadecimal.
    if (pos >= text.size() || !(IsDigit(text[pos]) || text[pos] == '.')) return 0;
    Float value = 0;
    const auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                           std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || end == text.data() + pos) return 0;
    return negative ? -value : value;
}

}  // namespace

double LeadingDouble(const std::string &text) { return LeadingFloat<double>(text); }

long double LeadingLongDouble(const std::string &text) { return LeadingFloat<long double>(text); }

std::int64_t LeadingInteger(const std::string &text) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::uint32_t low = 0;  // only the low 32 bits are kept, so unsigned wrap-around is what we want
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) low = low * 10u + static_cast<std::uint32_t>(text[pos] - '0');
    if (negative) low = 0u - low;
    return static_cast<std::int32_t>(low);
}

std::string LocalDateTimeText(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return {};
    double whole = std::floor(days);
    qint64 msecs = std::llround((days - whole) * static_cast<double>(kMillisecondsPerDay));
    if (msecs >= kMillisecondsPerDay) {
        msecs -= kMillisecondsPerDay;
        whole += 1;
    }
    const QDate date = kDayZero.addDays(static_cast<qint64>(whole));
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return {};
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString text = QStringLiteral("%1%2%3%2%4 %5%6%7%6%8 %9")
                             .arg(date.year(), 4, 10, QChar(u'0'))
                             .arg(DateSeparator())
                             .arg(date.month(), 2, 10, QChar(u'0'))
                             .arg(date.day(), 2, 10, QChar(u'0'))
                             .arg(hour12, 2, 10, QChar(u'0'))
                             .arg(TimeSeparator())
                             .arg(time.minute(), 2, 10, QChar(u'0'))
                             .arg(time.second(), 2, 10, QChar(u'0'))
                             .arg(time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
    return text.toStdString();
}

std::optional<double> LocalDateTimeNumber(const std::string &text) {
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (auto days = YearFirstDateTime(t)) return days;
    return LocaleDateTime(t);
}

double ParseLocalDateTime(const std::string &text) { return LocalDateTimeNumber(text).value_or(0); }
