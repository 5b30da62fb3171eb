#pragma once
// One choice of a popup control: its option keyword, translation and PostScript code.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/CString.h"

struct _PopupItem {
  _PopupItem(const char* optionKeyword, std::optional<std::string> displayName, const char* code,
             long codeLength);

  // The translation as 8-bit text in the system encoding, made on first use; null without one.
  const char* displayName();
  long postScriptDataLength() const { return static_cast<long>(postScriptData.size()); }

  CString keyword;
  std::optional<std::string> mCFDisplayName;
  std::vector<char> postScriptData;
  bool isSelected = false;
  CString mLocalizedDisplayName;
};

using PopupItemList = std::vector<std::unique_ptr<_PopupItem>>;
