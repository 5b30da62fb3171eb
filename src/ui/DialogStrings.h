#pragma once
// Localized texts of the dialogs, from the string table "Dialogs" of the plug-in's bundle.
#include <optional>
#include <string>

class DialogStrings {
 public:
  // The text for `key` (the key itself when untranslated); nullopt when the bundle is not known.
  static std::optional<std::string> GetDialogString(const std::string& key);
};
