#pragma once

#include <string>

// The persistent SNMPv3 engine boot counter: one line per engine ID, "<engine ID in hex> <boots>".
namespace boot_counter {

inline constexpr int Found = 0;
inline constexpr int NoEntry = -1;
inline constexpr int CannotOpen = -2;
inline constexpr int EngineIdTooLong = -3;
inline constexpr int MalformedLine = -4;
inline constexpr int CannotWrite = -5;

inline constexpr std::size_t kMaxEngineIdLength = 32;

// Sets boots to 0 first, then to the stored count when the file has an entry for the engine ID.
int Get(const std::string &file, const std::string &engineId, unsigned &boots);

// Stores the count for the engine ID, keeping the other entries. The file is replaced whole
// through a temporary file in the same folder, so a failed write never loses the old counter.
int Save(const std::string &file, const std::string &engineId, unsigned boots);

}  // namespace boot_counter
