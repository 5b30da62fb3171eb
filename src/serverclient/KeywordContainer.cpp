#include "serverclient/KeywordContainer.h"

#include "platform/TextEncoding.h"
#include "serverclient/FixedText.h"

namespace {

std::string FromMacRoman(const char* text) {
  return ToUTF8(text ? text : "", kTextEncodingMacRoman).value_or("");
}

}  // namespace

KeywordContainer::KeywordContainer(const char* keyword) { CopyFixedText(mKeyword, keyword); }

void KeywordContainer::SetLocalizedName(std::optional<std::string> name) {
  mLocalizedName = name ? std::move(*name) : FromMacRoman(mKeyword);
}

void KeywordContainer::SetDefaultItem(const char* item) { CopyFixedText(mDefaultItem, item); }

void KeywordContainer::AddSettingString(const char* local, std::optional<std::string> display,
                                        const char* utf) {
  mAllSettings.push_back(std::make_unique<MenuItemsTriplet>(
      local, display ? std::move(*display) : FromMacRoman(local), utf));
}
