#pragma once
// Locale names as the dialog writes them ("en_US") and as IPP does ("en-us").
#include <string>
#include <string_view>

namespace q10 {

std::string LocaleFromIppLanguage(std::string_view language);
std::string IppLanguageFromLocale(std::string_view locale);

}  // namespace q10
