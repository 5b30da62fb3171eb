// Removal of <hex> escapes from PPD strings.
#include <cstring>

#include "ppdx/text/TextConverter.h"

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsEscapeSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

// An escape from open ("<") to close (">") is well formed when it holds an even, non-zero number
// of hex digits, white space only between them or after the opening bracket, and nothing else.
bool WellFormedEscape(const char* open, const char* close) {
  int digits = 0;
  for (const char* p = open + 1; p < close; ++p) {
    if (IsHexDigit(*p))
      ++digits;
    else if (!IsEscapeSpace(*p))
      return false;
  }
  return digits > 0 && digits % 2 == 0 && IsHexDigit(close[-1]);
}

char* DecodeEscape(const char* open, const char* close, char* out) {
  int high = -1;
  for (const char* p = open + 1; p < close; ++p) {
    if (!IsHexDigit(*p)) continue;
    if (high < 0) {
      high = HexValue(*p);
    } else {
      *out++ = static_cast<char>(high * 16 + HexValue(*p));
      high = -1;
    }
  }
  return out;
}

}  // namespace

long TextConverter::DehexBufferFill(const char* in, char* out) {
  if (!in || !out) return 0;
  char* write = out;
  const char* read = in;
  for (;;) {
    const char* open = std::strchr(read, '<');
    const char* close = open ? std::strchr(open, '>') : nullptr;
    if (!open || !close || !WellFormedEscape(open, close)) {
      size_t rest = std::strlen(read) + 1;  // a malformed escape stays as it was written
      std::memmove(write, read, rest);
      return static_cast<long>(write - out) + static_cast<long>(rest);
    }
    size_t before = static_cast<size_t>(open - read);
    std::memmove(write, read, before);
    write = DecodeEscape(open, close, write + before);
    read = close + 1;
  }
}
