#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The raw (byte) form of a value of each syntax, for bindings that show bits, fields or octets of
// a value. The three conversions raise CodedError (-511 unknown syntax, -518 value too short or a
// text that does not convert, -519 field beyond the value).
std::string TextToRaw(const std::string &text, std::uint32_t syntax);
std::string RawToText(const std::string &raw, std::uint32_t syntax);
std::string ExtractPart(const std::string &raw, std::size_t offset, std::uint32_t syntax);
