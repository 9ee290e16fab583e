#include "binding/status_line.h"

#include "engine/messages.h"

#include <cstdio>

std::string StatusTimeText(const QTime &time, const QLocale &locale) {
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d:%02d:%02d ", hour12, time.minute(), time.second());
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return digits + designator.toStdString();
}

std::string FormatStatusLine(const std::string &templateText, const std::string &message,
                             const std::string &caption, const std::string &timeText) {
    static const std::string kError = "[ERROR]";
    static const std::string kVarList = "[VARLIST]";
    std::string text = templateText;
    if (caption.empty()) {
        const auto e = text.find(kError);
        const auto v = text.find(kVarList);
        if (e != std::string::npos && v != std::string::npos && v > e)
            text.erase(e + kError.size(), v + kVarList.size() - (e + kError.size()));
    }
    text = ReplacePlaceholder(text, kVarList, caption);
    text = ReplacePlaceholder(text, kError, message);
    return ReplacePlaceholder(text, "[TIME]", timeText);
}
