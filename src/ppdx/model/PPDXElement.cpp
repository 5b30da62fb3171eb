#include "ppdx/model/PPDXElement.h"

#include <cstring>
#include <vector>

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"
#include "ppdx/settings/SettingsValues.h"
#include "ppdx/text/TextConverter.h"

PPDXElement::PPDXElement(const char* keyword, const std::string& localName, const bool& visible)
    : mLocalizedName(localName), mVisibleState(visible) {
  if (keyword && *keyword) mKeyWord = keyword;
}

PPDXElement::PPDXElement(Settings& settings, const long& id) {
  mKeyWord = ReadText(settings, kElementKeywordTag, id);
  if (mKeyWord.Empty()) mKeyWord.ClearBuffer();
  if (auto name = GetSettingsCFString(settings, kElementLocalCFNameTag, id))
    mLocalizedName = *name;
  else if (CString name = ReadText(settings, kElementLocalNameTag, id); !name.Empty())
    mLocalizedName = static_cast<const char*>(name);
  mVisibleState = ReadInt32(settings, kElementVisibleTag, id).value_or(0) != 0;
  mSavedParentKeyword = ReadText(settings, kElementParentTag, id);
}

PPDXElement::~PPDXElement() = default;

const char* PPDXElement::UserName() {
  if (mLocalizedCName.Empty() && !mLocalizedName.empty()) {
    std::vector<char> buffer(mLocalizedName.size() + 1);
    TextConverter::CFStringToCstring(mLocalizedName, buffer.data(),
                                     static_cast<long>(buffer.size()));
    mLocalizedCName = buffer.data();
  }
  return mLocalizedCName.Empty() ? nullptr : static_cast<const char*>(mLocalizedCName);
}

void PPDXElement::SetLocalizedName(const std::string& name) {
  mLocalizedName = name;
  mLocalizedCName.ClearBuffer();
}

bool PPDXElement::OkayToDisplay(const _DISPLAY_OPTIONS_& filter) {
  switch (filter) {
    case SO_DEFAULT:
      return IsVisible() && !IsOrphan();
    case SO_SHOW_ORPHANS:
      return IsVisible();
    case SO_SHOW_HIDDEN:
      return !IsOrphan();
    default:
      return true;
  }
}

OSStatus PPDXElement::Save(Settings& settings, const long& id) {
  OSStatus status = SaveText(settings, kElementKeywordTag, id, Keyword());
  if (status == noErr) status = SaveText(settings, kElementLocalNameTag, id, UserName());
  if (status == noErr)
    status = SavePlatformString(settings, kElementLocalCFNameTag, id, mLocalizedName);
  if (status == noErr) status = SaveInt32(settings, kElementVisibleTag, id, mVisibleState ? 1 : 0);
  if (status == noErr && mParent && mParent->Keyword())
    status = SaveText(settings, kElementParentTag, id, mParent->Keyword());
  return status;
}

OSStatus PPDXElement::SaveClassMarker(Settings& settings, const long& id, OSType marker) {
  return SaveInt32(settings, kElementClassTag, id, static_cast<int32_t>(marker));
}

bool PPDXElement::operator==(const PPDXElement& other) const {
  return Keyword() && other.Keyword() && std::strcmp(Keyword(), other.Keyword()) == 0;
}

bool PPDXElement::operator==(const char* keyword) const {
  return Keyword() && keyword && std::strcmp(Keyword(), keyword) == 0;
}
