#pragma once
// Length-prefixed strings (one length byte, up to 255 characters, no terminator) and their
// conversion to and from C strings. Operations given a null pointer do nothing.
#include <cstddef>
#include <cstdint>

class CUtil {
 public:
  static constexpr int32_t kPStrBufferSize = 256;  // a full length-prefixed buffer
  static constexpr int32_t kPStrMaxLength = 255;

  // Copies at most `max` characters of `src`.
  static void CpyPStr(unsigned char* dst, const unsigned char* src, int32_t max);
  // Appends `src` so that `dst` holds at most `max` - 1 characters (`max` is the buffer size).
  static void AppendPStr(unsigned char* dst, const unsigned char* src, int32_t max);
  // Copies at most `max` characters (never more than 255) of a C string; null prints "Err".
  static void CpyCToPStr(unsigned char* dst, const char* src, int32_t max);
  // `dst` holds at least 256 bytes; null prints "Err".
  static void CpyPToCStr(char* dst, const unsigned char* src);
  // `dst` holds at least `max` + 1 bytes; null prints "Err".
  static void CpyPToCStr(char* dst, const unsigned char* src, int32_t max);

  // In-place conversions; both return the converted buffer (null for a null argument).
  // A C string longer than 255 characters is left unchanged.
  static unsigned char* CToPStr(char* s);
  static char* PToCStr(unsigned char* p);

  // strncpy of up to `n` characters, then NUL at position `n` (`dst` holds `n` + 1 bytes).
  static void CpyNTerm(char* dst, const char* src, size_t n);
  // Copies at most `dstSize` - 1 characters (and at most `srcLen`) and terminates.
  static void CpyNTerm(char* dst, size_t dstSize, const char* src, size_t srcLen);

  // Orders two length-prefixed strings by their text: negative, 0 or positive.
  static int16_t Compare(const unsigned char* p1, const unsigned char* p2);

  static int32_t Min(int32_t a, int32_t b) { return a < b ? a : b; }
  static int32_t Max(int32_t a, int32_t b) { return a > b ? a : b; }

  // Rows of 16 bytes on standard output: characters, two spaces, the bytes in hex.
  static void HexDump(const void* data, long len);
};
