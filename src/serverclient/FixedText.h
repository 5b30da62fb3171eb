#pragma once
// Copies into the fixed-size text fields of the session classes: always terminated, cut to fit,
// and a null source gives an empty text.
#include <cstddef>
#include <cstdio>

inline void CopyFixedText(char* to, std::size_t size, const char* from) {
  std::snprintf(to, size, "%s", from ? from : "");
}

template <std::size_t N>
void CopyFixedText(char (&to)[N], const char* from) {
  CopyFixedText(to, N, from);
}
