#pragma once
// The common base of property pages, groups and controls: a PPD keyword, a localized name, a
// visible state and a non-owning parent (none: the element is an orphan).
#include <string>

#include "platform/FourCC.h"
#include "platform/Status.h"
#include "ppdx/model/DisplayOptions.h"
#include "support/CString.h"

class Settings;

// Item tags of a saved element; the class marker tells which class to rebuild.
inline constexpr OSType kElementKeywordTag = FourCC("KyWd");
inline constexpr OSType kElementLocalNameTag = FourCC("LcNm");
inline constexpr OSType kElementLocalCFNameTag = FourCC("LcCF");
inline constexpr OSType kElementVisibleTag = FourCC("isVs");
inline constexpr OSType kElementParentTag = FourCC("PrNm");
inline constexpr OSType kElementClassTag = FourCC("Clas");

class PPDXElement {
 public:
  PPDXElement(const char* keyword, const std::string& localName, const bool& visible);
  PPDXElement(Settings& settings, const long& id);  // parent kept as keyword until re-linked
  PPDXElement(const PPDXElement&) = delete;
  PPDXElement& operator=(const PPDXElement&) = delete;
  virtual ~PPDXElement();

  virtual bool OkayToDisplay(const _DISPLAY_OPTIONS_& filter);
  virtual OSStatus Save(Settings& settings, const long& id);

  const char* Keyword() const { return mKeyWord; }
  const char* UserName();  // the localized name as 8-bit text, made on first use
  const std::string& CFStringUserName() const { return mLocalizedName; }
  bool IsVisible() const { return mVisibleState; }
  bool IsOrphan() const { return mParent == nullptr; }
  PPDXElement* GetParent() const { return mParent; }
  void SetParent(PPDXElement* parent) { mParent = parent; }
  // The parent's keyword as read from a Settings container (null otherwise).
  const char* SavedParentKeyword() const { return mSavedParentKeyword; }

  bool operator==(const PPDXElement& other) const;
  bool operator==(const char* keyword) const;

 protected:
  void SetLocalizedName(const std::string& name);
  OSStatus SaveClassMarker(Settings& settings, const long& id, OSType marker);

  CString mKeyWord;
  CString mLocalizedCName;
  std::string mLocalizedName;
  bool mVisibleState = false;
  PPDXElement* mParent = nullptr;
  CString mSavedParentKeyword;
};
