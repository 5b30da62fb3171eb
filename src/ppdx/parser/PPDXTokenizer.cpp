// The tokenizer members of PPDX: tokens, quoted values and PostScript code blocks.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ppdx/parser/PPDX.h"

namespace {

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// The bytes that may end a token (the delimiters and the line ends) as a bit per byte value, so
// that each ordinary byte of a token costs one test.
class TokenStops {
 public:
  explicit TokenStops(const char* delimiters) {
    Add("\n\r");
    Add(delimiters);
  }
  bool Contains(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return (mBits[byte >> 6] >> (byte & 63)) & 1;
  }

 private:
  void Add(const char* bytes) {
    for (const char* b = bytes; b && *b; ++b) {
      const auto byte = static_cast<unsigned char>(*b);
      mBits[byte >> 6] |= uint64_t(1) << (byte & 63);
    }
  }

  uint64_t mBits[4] = {0, 0, 0, 0};
};

// Skips the bytes up to and including the first double quote; false when there is none.
bool SkipToOpeningQuote(PPDStream& s) {
  char c;
  while (s.GetChar(c))
    if (c == '"') return true;
  return false;
}

// A value buffer of `size` bytes that never takes more than size - 1 stored bytes.
struct BoundedValue {
  char* out;
  unsigned long size;
  unsigned long count = 0;

  bool Full() const { return count >= size - 1; }
  void Put(char c) { out[count++] = c; }
};

}  // namespace

bool PPDX::NextToken(PPDStream& s, char* out, const char* delimiters, bool strip) {
  if (!out) return false;
  const TokenStops stops(delimiters);
  // Scanned in place: the token is the bytes before the first stop, at most 255 of them. A CR
  // right before an LF is no stop; the LF ends the token and the CR is dropped with it.
  const char* const text = s.Cursor();
  const long scanned = std::min(s.Unread(), kLineSizeLimit - 1);
  long stop = 0;
  while (stop < scanned &&
         !(stops.Contains(text[stop]) &&
           (text[stop] != '\r' || s.Unread() <= stop + 1 || text[stop + 1] != '\n')))
    ++stop;
  long stored = stop;
  if (stop < scanned) {
    s.Skip(stop + 1);
    if (text[stop] == '\n' && stop > 0 && text[stop - 1] == '\r') --stored;
  } else {
    s.Skip(scanned);
    char end;
    if (scanned < kLineSizeLimit - 1) s.GetChar(end);  // runs out: the stream reports its end
  }
  if (stored > 0) std::memmove(out, text, static_cast<size_t>(stored));
  out[stored] = '\0';
  if (stored == 0) return false;
  if (strip) {
    // The same as StripLeadingWhiteSpace then StripTrailingWhiteSpace, with the length at hand.
    long begin = 0;
    while (begin < stored && IsSpaceOrTab(out[begin])) ++begin;
    long end = stored;
    while (end - begin > 1 && IsSpaceOrTab(out[end - 1])) --end;
    if (begin > 0) std::memmove(out, out + begin, static_cast<size_t>(end - begin));
    out[end - begin] = '\0';
  }
  return true;
}

unsigned long PPDX::GetQuotedString(PPDStream& s, char* out, const unsigned long& size) {
  if (!out || size == 0) return 0;
  out[0] = '\0';
  if (!SkipToOpeningQuote(s)) return 0;

  BoundedValue value{out, size};
  char c;
  while (!value.Full() && s.GetChar(c)) {
    if (c == '"') {
      out[value.count] = '\0';
      return value.count == 0 ? 0 : value.count + 1;
    }
    value.Put(c);
  }
  // The value goes on over the following lines; each is introduced by a NUL separator.
  char line[kLineSizeLimit];
  while (!value.Full()) {
    if (!NextFileLine(line)) {
      out[value.count] = '\0';
      return 0;
    }
    if (line[0] == '\0') continue;
    value.Put('\0');
    if (value.Full() || line[0] == '*') break;
    for (const char* p = line; *p; ++p) {
      if (*p == '"') {
        out[value.count] = '\0';
        return value.count + 1;
      }
      value.Put(*p);
      if (value.Full()) break;
    }
  }
  out[value.count] = '\0';
  return value.count;
}

unsigned long PPDX::GetPostscriptString(PPDStream& s, char* out, const unsigned long& size) {
  if (!out || size < 2) return 0;
  if (!SkipToOpeningQuote(s)) return 0;

  BoundedValue code{out, size};
  // The limit ends the code with a line feed in its last byte.
  auto cut = [&]() -> unsigned long {
    out[size - 1] = '\n';
    return size;
  };
  auto finish = [&]() -> unsigned long {
    if (code.count == 0) return 0;
    if (code.Full()) return cut();
    code.Put('\n');
    return code.count;
  };

  // The rest of this line at once: up to the closing quote, the size limit or the end.
  const char* const text = s.Cursor();
  const long unread = s.Unread();
  const auto* quote =
      unread > 0 ? static_cast<const char*>(std::memchr(text, '"', size_t(unread))) : nullptr;
  const long before = quote ? long(quote - text) : unread;
  const long room = long(size - 1 - code.count);
  const long taken = std::min(before, room);
  if (taken > 0) std::memcpy(out + code.count, text, size_t(taken));
  code.count += size_t(taken);
  if (before >= room) {
    s.Skip(room);
    return cut();
  }
  if (quote) {
    s.Skip(before + 1);
    return finish();
  }
  s.Skip(before);
  char end;
  s.GetChar(end);  // runs out: the stream reports its end
  char line[kLineSizeLimit];
  for (;;) {
    if (!NextFileLine(line)) return finish();
    if (line[0] == '\0') continue;
    code.Put('\n');
    if (code.Full()) return cut();
    const char* p = line;
    if (line[0] == '*') {
      if (line[1] != '%') return finish();
      p += 2;
    }
    for (; *p; ++p) {
      if (*p == '"') return finish();
      code.Put(*p);
      if (code.Full()) return cut();
    }
  }
}

void PPDX::StripLeadingWhiteSpace(char* text) {
  if (!text) return;
  char* start = text;
  while (IsSpaceOrTab(*start)) ++start;
  if (start != text) std::memmove(text, start, std::strlen(start) + 1);
}

void PPDX::StripTrailingWhiteSpace(char* text) {
  if (!text || text[0] == '\0') return;
  size_t length = std::strlen(text);
  while (length > 1 && IsSpaceOrTab(text[length - 1])) text[--length] = '\0';
}

void PPDX::ParseMainKeyword(const char* text, char* out) {
  if (!out) return;
  out[0] = '\0';
  const char* slash = text ? std::strchr(text, '/') : nullptr;
  if (!slash) return;
  size_t length = std::min<size_t>(std::strlen(slash + 1), kLineSizeLimit - 1);
  std::memcpy(out, slash + 1, length);
  out[length] = '\0';
}
