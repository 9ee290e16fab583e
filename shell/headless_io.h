#pragma once

#include <QString>

#include <exception>
#include <string>
#include <vector>

struct BindingLine;
struct HeadlessOptions;
struct StartupOutcome;

// Exit statuses of a run without a window.
inline constexpr int kHeadlessFailed = 1;
inline constexpr int kHeadlessUsage = 2;

// A line on standard error.
void Complain(const std::string &text);

// The whole output at once, so that a failure leaves nothing behind on standard output. Returns the
// exit status: 0, or kHeadlessFailed when standard output could not be written.
int Print(const std::string &text);

// Runs the start-up sequence for a device exchange; its complaints go to standard error.
bool StartUp(const HeadlessOptions &options, const QString &moduleDirectory, StartupOutcome &outcome);

// The message for a failure; a time-out says where the request went and whence that address came.
std::string FailureText(const std::exception &error);

// The bindings of a SET as a person reads them, one a line: "OID = TYPE: value  # Label", with the
// entry's captions before the label when where is not empty ("# Menu>Entry: Label").
std::string BindingText(const std::vector<BindingLine> &lines, const std::string &where);
