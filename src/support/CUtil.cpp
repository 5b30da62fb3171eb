#include "support/CUtil.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
void ReportNullArgument() { std::fputs("Err", stdout); }

// How many characters fit a length-prefixed buffer of `max` bytes (a count, not a size).
int32_t ClampedCount(int32_t max) { return std::clamp<int32_t>(max, 0, CUtil::kPStrMaxLength); }
}  // namespace

void CUtil::CpyPStr(unsigned char* dst, const unsigned char* src, int32_t max) {
  if (!dst || !src) return;
  const int32_t length = std::min<int32_t>(src[0], ClampedCount(max));
  std::memmove(dst + 1, src + 1, length);
  dst[0] = static_cast<unsigned char>(length);
}

void CUtil::AppendPStr(unsigned char* dst, const unsigned char* src, int32_t max) {
  if (!dst || !src) return;
  // The result keeps room for the length byte and never outgrows it.
  const int32_t limit = std::min(max, kPStrBufferSize) - 1;
  int32_t count = src[0];
  if (dst[0] + count > limit) count = std::max(limit - dst[0], 0);
  std::memmove(dst + 1 + dst[0], src + 1, count);
  dst[0] = static_cast<unsigned char>(dst[0] + count);
}

void CUtil::CpyCToPStr(unsigned char* dst, const char* src, int32_t max) {
  if (!dst || !src) {
    ReportNullArgument();
    return;
  }
  char scratch[kPStrBufferSize] = {};
  const size_t count = static_cast<size_t>(ClampedCount(max));
  std::strncpy(scratch, src, count);
  scratch[count] = '\0';
  CpyPStr(dst, CToPStr(scratch), kPStrMaxLength);
}

void CUtil::CpyPToCStr(char* dst, const unsigned char* src) {
  CpyPToCStr(dst, src, kPStrMaxLength);
}

void CUtil::CpyPToCStr(char* dst, const unsigned char* src, int32_t max) {
  if (!dst || !src) {
    ReportNullArgument();
    return;
  }
  const int32_t length = std::min<int32_t>(src[0], std::max(max, 0));
  std::memmove(dst, src + 1, length);
  dst[length] = '\0';
}

unsigned char* CUtil::CToPStr(char* s) {
  if (!s) return nullptr;
  const size_t length = std::strlen(s);
  auto* p = reinterpret_cast<unsigned char*>(s);
  if (length <= kPStrMaxLength) {
    std::memmove(p + 1, p, length);
    p[0] = static_cast<unsigned char>(length);
  }
  return p;
}

char* CUtil::PToCStr(unsigned char* p) {
  if (!p) return nullptr;
  const unsigned char length = p[0];
  std::memmove(p, p + 1, length);
  p[length] = '\0';
  return reinterpret_cast<char*>(p);
}

void CUtil::CpyNTerm(char* dst, const char* src, size_t n) {
  if (!dst || !src) return;
  std::strncpy(dst, src, n);
  dst[n] = '\0';
}

void CUtil::CpyNTerm(char* dst, size_t dstSize, const char* src, size_t srcLen) {
  if (!dst || !src || dstSize == 0) return;
  const size_t count = std::min(strnlen(src, srcLen), dstSize - 1);
  std::memmove(dst, src, count);
  dst[count] = '\0';
}

int16_t CUtil::Compare(const unsigned char* p1, const unsigned char* p2) {
  if (!p1 || !p2) return 0;
  // Compared by their characters: the texts carry no terminator to stop a strcmp.
  const int result = std::memcmp(p1 + 1, p2 + 1, std::min(p1[0], p2[0]));
  if (result != 0) return result < 0 ? -1 : 1;
  return p1[0] == p2[0] ? 0 : (p1[0] < p2[0] ? -1 : 1);
}

namespace {
constexpr long kHexDumpRow = 16;

void PrintHexDumpRow(const unsigned char* row, long count) {
  for (long i = 0; i < kHexDumpRow; ++i)
    std::putchar(i < count ? (std::isprint(row[i]) ? row[i] : '.') : ' ');
  std::fputs("  ", stdout);
  for (long i = 0; i < count; ++i) std::printf("%02X", row[i]);
  std::putchar('\n');
}
}  // namespace

void CUtil::HexDump(const void* data, long len) {
  if (!data) return;
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (long offset = 0; offset < len; offset += kHexDumpRow)
    PrintHexDumpRow(bytes + offset, std::min(kHexDumpRow, len - offset));
  std::putchar('\n');
  std::fflush(stdout);
}
