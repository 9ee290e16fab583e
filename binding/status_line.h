#pragma once

#include <QLocale>
#include <QTime>

#include <string>

// The time of a status line: two-digit hour on the 12-hour clock, minutes, seconds, a blank and the
// locale's morning or afternoon designator ("02:15:07 PM").
std::string StatusTimeText(const QTime &time, const QLocale &locale = QLocale::system());

// Fills a status template: "[ERROR]" gets the message, "[VARLIST]" the list's caption, "[TIME]" the
// time. Without a caption the text from just after the first "[ERROR]" up to and including the first
// "[VARLIST]" is dropped ("Get: Ok!. Receive at ...").
std::string FormatStatusLine(const std::string &templateText, const std::string &message,
                             const std::string &caption, const std::string &timeText);
