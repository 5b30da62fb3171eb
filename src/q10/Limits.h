#pragma once
// How much of what a server sends the library keeps. A server answers with whatever it likes;
// nothing it sends may make the library hold more than these bounds or wait longer than the
// handle's time-out.
#include <cstddef>
#include <cstdint>

namespace q10 {

inline constexpr std::size_t kMaxAnswerBytes = 4 * 1024 * 1024;  // one IPP answer
inline constexpr std::size_t kMaxStringsFileBytes = 1024 * 1024;
inline constexpr std::size_t kMaxAttributes = 4096;   // attributes kept of one answer
inline constexpr std::size_t kMaxValues = 1024;       // values kept of one attribute
inline constexpr std::size_t kMaxValueLength = 4096;  // bytes kept of one value
inline constexpr std::size_t kMaxStrings = 16384;     // entries kept of a strings file
inline constexpr std::size_t kMaxTrays = 64;
inline constexpr std::size_t kMaxJobsCounted = 100000;
inline constexpr int32_t kDefaultTimeoutSeconds = 30;
// A strings file is small: its fetch gets at most this long, whatever the session's time-out, so
// a server that never ends the file's body holds the dialog only briefly.
inline constexpr int32_t kStringsFileSeconds = 5;
inline constexpr int32_t kMaxTimeoutSeconds = 3600;
inline constexpr double kWaitSliceSeconds = 0.1;  // how often a waiting request checks for cancel

}  // namespace q10
