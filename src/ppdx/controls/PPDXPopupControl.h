#pragma once
// A list of choices from a PickOne or PickMany block; the selected choice's code is its output.
#include <string>
#include <unordered_map>

#include "ppdx/controls/PPDXControl.h"
#include "ppdx/controls/PopupItem.h"

inline constexpr OSType kPopupMarker = FourCC("Popu");
inline constexpr OSType kPopupMultipleTag = FourCC("Mult");
inline constexpr OSType kPopupItemsTag = FourCC("Itms");
inline constexpr OSType kPopupSelectionTag = FourCC("SlKw");

class PPDXPopupControl : public PPDXControl {
 public:
  PPDXPopupControl(const char* keyword, const std::string& name, const PointerList* flags,
                   const bool& visible, const bool& multiSelection, PopupItemList items,
                   const char* defaultKeyword);
  PPDXPopupControl(Settings& settings, const long& id);

  OSStatus Save(Settings& settings, const long& id) override;
  OSStatus Restore(Settings& settings, const long& id) override;
  void ResetToDefaultValue() override { SetValue(DefaultValue()); }
  long PostScript(unsigned char* out) override;
  std::string GetCurrentControlValueString() override;
  bool SetCurrentControlWithCFString(const std::string& value) override;

  long ItemCount() const { return static_cast<long>(mPopupItems.size()); }
  _PopupItem* FirstItem();
  _PopupItem* NextItem();
  // Choice `position` (1-based), or null; constant time.
  _PopupItem* ItemAt(long position) const;
  // 1-based position of the first choice with this keyword, or 0; constant time after the first
  // call, which indexes the choices.
  long PositionOf(const char* option) const;
  long GetValue() const;         // 1-based position of the first selected choice, 0 if none
  void SetValue(long position);  // selects that choice only; out of range deselects all
  long DefaultValue() const;     // 1-based position of the default choice, 0 if none
  const char* GetDefaultKeyword() const { return mDefaultKeyword; }
  bool CanSelectMultipleItems() const { return mMultiSelection; }
  bool IsKeywordSelected(const char* option) const;
  bool SetKeywordSelect(const char* option, bool on);
  const char* GetKeywordLocalName(const char* option);
  std::optional<std::string> GetKeywordCFLocalName(const char* option) const;
  long GetKeywordPSData(const char* option, unsigned char* out);
  void AppendPopupItem(std::unique_ptr<_PopupItem> item);
  // Replaces the choices, keeping the earlier selection when its keyword is still offered.
  bool Rebuild(const char* name, PopupItemList items, const char* defaultKeyword);

 private:
  _PopupItem* SelectedItem() const;
  _PopupItem* LastItemWith(const char* option) const;
  long FragmentFor(_PopupItem* item, unsigned char* out);

  bool mMultiSelection = false;
  CString mDefaultKeyword;
  PopupItemList mPopupItems;
  size_t mCurrentItem = 0;
  _PopupItem* mSelectedItem = nullptr;
  mutable std::unordered_map<std::string, long> mFirstPositions;  // keyword to PositionOf
  mutable bool mPositionsIndexed = false;
};
