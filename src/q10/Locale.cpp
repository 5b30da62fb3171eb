#include "q10/Locale.h"

#include <cctype>

namespace q10 {

std::string LocaleFromIppLanguage(std::string_view language) {
  std::string locale;
  bool region = false;
  for (char c : language) {
    if (c == '-' || c == '_') {
      region = true;
      locale += '_';
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    locale += static_cast<char>(region ? std::toupper(byte) : std::tolower(byte));
  }
  return locale;
}

std::string IppLanguageFromLocale(std::string_view locale) {
  std::string language;
  for (char c : locale.substr(0, locale.find('.'))) {
    language += c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return language;
}

}  // namespace q10
