#pragma once

#include "engine/coded_error.h"

#include <string>

// Set-up mistakes of a menu handler and refused row operations; they carry no catalogue entry.
inline constexpr int kEditorErrorCode = -1;

[[noreturn]] inline void RaiseEditorError(const std::string &text) { throw CodedError(text, kEditorErrorCode); }
