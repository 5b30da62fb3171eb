#pragma once
// Languages whose 8-bit translation strings keep the declared encoding when converted in place.
// A constant table: nothing is built when a process starts or parses its first file.
#include <array>
#include <string_view>

class HexLanguageExceptions {
 public:
  constexpr bool IsException(std::string_view language) const {
    for (std::string_view exception : kExceptions)
      if (exception == language) return true;
    return false;
  }

 private:
  static constexpr std::array<std::string_view, 17> kExceptions = {
      "Japanese",   "ChineseTrad", "ChineseSimp", "Chinese", "Korean",    "Czech",
      "Russian",    "Bulg",        "Estonian",    "Greek",   "Hungarian", "Latvian",
      "Lithuanian", "Polish",      "Romanian",    "Slovak",  "Slovenian"};
};
