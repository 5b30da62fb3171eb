#include "ui/CUPSHelper.h"

#include <cstring>

#include "platform/UTF8.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"

namespace {

// PPD names hold at most 40 characters plus the terminator.
constexpr size_t kPPDNameCompareLength = 41;
constexpr size_t kPPDMaxNameLength = 40;

bool SameName(const char* a, const char* b) {
  return std::strncmp(a, b, kPPDNameCompareLength) == 0;
}

}  // namespace

// libcups converts every string of the file to UTF-8 as it reads it, whatever the file declares;
// its language encoding then says "UTF-8", or is null when the file declares none.
CUPSHelper::CUPSHelper(ppd_file_t* ppd) : mBaseFile(ppd), mFileStringEncoding(kTextEncodingUTF8) {}

ppd_group_t* CUPSHelper::FindOptionGroup(const char* name, bool) {
  if (!mBaseFile || !name) return nullptr;
  for (int i = 0; i < mBaseFile->num_groups; ++i) {
    ppd_group_t* group = &mBaseFile->groups[i];
    if (SameName(group->name[0] ? group->name : group->text, name)) return group;
  }
  return nullptr;
}

ppd_option_t* CUPSHelper::FindOptionGroupAndOption(const char* groupName, const char* keyword,
                                                   bool unused) {
  ppd_group_t* group = FindOptionGroup(groupName, unused);
  if (!group || !keyword) return nullptr;
  for (int i = 0; i < group->num_options; ++i)
    if (SameName(group->options[i].keyword, keyword)) return &group->options[i];
  return nullptr;
}

ppd_option_t* CUPSHelper::FindNamedOption(const char* keyword) {
  return mBaseFile && keyword ? ppdFindOption(mBaseFile, keyword) : nullptr;
}

ppd_option_t* CUPSHelper::FindNamedOption(const std::string& keyword) {
  return FindNamedOption(KeywordBytes(keyword).c_str());
}

int CUPSHelper::MarkOption(const char* keyword, const char* choice) {
  return mBaseFile && keyword && choice ? ppdMarkOption(mBaseFile, keyword, choice) : 0;
}

void CUPSHelper::NamedOptionToMenu(const char* keyword, MenuRef menu) {
  ppd_option_t* option = FindNamedOption(keyword);
  if (!option || !menu) return;
  DeleteAllMenuItems(menu);
  for (int i = 0; i < option->num_choices; ++i)
    AppendMenuItemTextWithCFString(menu, PPDText(option->choices[i].text), 0, nullptr);
}

void CUPSHelper::NamedOptionToMenu(const std::string& keyword, MenuRef menu) {
  NamedOptionToMenu(KeywordBytes(keyword).c_str(), menu);
}

void CUPSHelper::NamedOptionToPopupControl(const char* keyword, ControlRef control) {
  ppd_option_t* option = FindNamedOption(keyword);
  MenuRef menu = GetControlPopupMenuHandle(control);
  if (!option || !menu) return;
  SetControlTitleWithCFString(control, PPDText(option->text) + ":");
  DeleteAllMenuItems(menu);
  SetControl32BitMaximum(control, option->num_choices);
  int32_t chosen = 1;
  for (int i = 0; i < option->num_choices; ++i) {
    AppendMenuItemTextWithCFString(menu, PPDText(option->choices[i].text), 0, nullptr);
    if (option->choices[i].marked) chosen = i + 1;  // a malformed PPD may mark two: the later wins
  }
  SetControl32BitValue(control, chosen);
}

void CUPSHelper::NamedOptionToPopupControl(const std::string& keyword, ControlRef control) {
  NamedOptionToPopupControl(KeywordBytes(keyword).c_str(), control);
}

std::string CUPSHelper::NamedOptionAndIndexToPPDKey(const char* keyword, short index) {
  ppd_option_t* option = FindNamedOption(keyword);
  if (!option || index < 1 || index > option->num_choices) return {};
  return PPDText(option->choices[index - 1].choice);
}

std::string CUPSHelper::PPDText(const char* text) const {
  if (!text) return {};
  if (std::optional<std::string> utf8 = ToUTF8(text, mFileStringEncoding)) return *utf8;
  return ToUTF8(text, kTextEncodingISOLatin1).value_or(std::string());
}

std::string CUPSHelper::KeywordBytes(const std::string& keyword) const {
  return keyword.substr(0, UTF8PrefixLength(keyword, kPPDMaxNameLength));
}
