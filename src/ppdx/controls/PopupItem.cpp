#include "ppdx/controls/PopupItem.h"

#include "ppdx/text/TextConverter.h"
#include "ppdx/controls/PPDXControl.h"

_PopupItem::_PopupItem(const char* optionKeyword, std::optional<std::string> displayName,
                       const char* code, long codeLength)
    : keyword(optionKeyword),
      mCFDisplayName(std::move(displayName)),
      postScriptData(CopyCode(code, codeLength)) {}

const char* _PopupItem::displayName() {
  if (!mCFDisplayName) return nullptr;
  if (mLocalizedDisplayName.Empty()) {
    std::vector<char> buffer(mCFDisplayName->size() + 1);
    TextConverter::CFStringToCstring(mCFDisplayName, buffer.data(),
                                     static_cast<long>(buffer.size()));
    mLocalizedDisplayName = buffer.data();
  }
  return mLocalizedDisplayName;
}
