#include "support/StringUtils.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "support/CUtil.h"

void ctoPStr(const char* c, unsigned char* p) {
  if (c && p) CUtil::CpyCToPStr(p, c, CUtil::kPStrMaxLength);
}

void ptoCStr(const unsigned char* p, char* c) {
  if (p && c) CUtil::CpyPToCStr(c, p);
}

char* findChar(char* s, char c) {
  return const_cast<char*>(findChar(static_cast<const char*>(s), c));
}

const char* findChar(const char* s, char c) {
  if (!s || !*s) return nullptr;
  for (; *s; ++s)
    if (*s == c) return s;
  return nullptr;
}

char* newInitalizedCString(int32_t n, char c) {
  if (n < 0) return nullptr;
  char* text = new char[static_cast<size_t>(n) + 1];
  std::memset(text, c, static_cast<size_t>(n));
  text[n] = '\0';
  return text;
}

void deleteCharRangeInStr(char* s, int32_t from, int32_t to) {
  if (!s || from < 0 || to <= from) return;
  const size_t length = std::strlen(s);
  if (static_cast<size_t>(from) >= length) return;
  const size_t end = std::min(static_cast<size_t>(to), length);
  std::memmove(s + from, s + end, length - end + 1);
}

bool validateRangeValues(const char* s, int32_t limit) {
  if (!s) return true;
  int32_t run = 0;
  for (; *s; ++s) {
    run = std::isdigit(static_cast<unsigned char>(*s)) ? run + 1 : 0;
    if (run > limit) return false;
  }
  return true;
}
