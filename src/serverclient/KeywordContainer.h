#pragma once
// One colour keyword of the server: its display name, its default and its settings, each
// setting as the text sent to the server, the text shown, and its UTF-8 form.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/CString.h"

class MenuItemsTriplet {
 public:
  MenuItemsTriplet(const char* local, std::string display, const char* utf)
      : mLocalCString(local), mDisplayName(std::move(display)), mUTFVersionString(utf) {}
  virtual ~MenuItemsTriplet() = default;

  const char* GetLocalString() const { return mLocalCString; }
  const std::string& GetDisplayName() const { return mDisplayName; }
  const char* GetUTFString() const { return mUTFVersionString; }

 private:
  CString mLocalCString;
  std::string mDisplayName;
  CString mUTFVersionString;
};

class KeywordContainer {
 public:
  using Settings = std::vector<std::unique_ptr<MenuItemsTriplet>>;

  // The keyword is kept to 255 bytes.
  explicit KeywordContainer(const char* keyword);
  virtual ~KeywordContainer() = default;

  // Null takes the keyword itself (read as Mac Roman text).
  void SetLocalizedName(std::optional<std::string> name);
  // Kept to 255 bytes.
  void SetDefaultItem(const char* item);
  // A null display name shows `local` (read as Mac Roman text).
  void AddSettingString(const char* local, std::optional<std::string> display, const char* utf);

  int GetSettingsCount() const { return static_cast<int>(mAllSettings.size()); }
  const char* GetKeyword() const { return mKeyword; }
  // Empty when the server gives no default.
  const char* GetDefaultItem() const { return mDefaultItem; }
  const std::string& GetLocalizedName() const { return mLocalizedName; }
  Settings::const_iterator FirstSetting() const { return mAllSettings.begin(); }
  Settings::const_iterator NextSetting(Settings::const_iterator at) const { return ++at; }
  Settings::const_iterator EndSetting() const { return mAllSettings.end(); }

 private:
  char mKeyword[256] = {};
  std::string mLocalizedName;
  char mDefaultItem[256] = {};
  Settings mAllSettings;
};
