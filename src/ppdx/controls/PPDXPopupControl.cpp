#include "ppdx/controls/PPDXPopupControl.h"

#include <algorithm>
#include <cstring>

#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"
#include "ppdx/settings/SettingsValues.h"

namespace {

bool SameKeyword(const _PopupItem& item, const char* option) {
  return option && item.keyword == option;
}

// Saved choices: for each, four length-prefixed fields (keyword, translation in external form,
// code, selected byte); the translation's length is -1 when there is none.
void PutField(std::vector<uint8_t>& out, const void* data, int32_t length) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&length);
  out.insert(out.end(), bytes, bytes + 4);
  if (length > 0)
    out.insert(out.end(), static_cast<const uint8_t*>(data),
               static_cast<const uint8_t*>(data) + length);
}

bool TakeField(const std::vector<uint8_t>& in, size_t& at, std::vector<uint8_t>& field,
               bool& present) {
  int32_t length = 0;
  if (in.size() - at < 4) return false;
  std::memcpy(&length, in.data() + at, 4);
  at += 4;
  present = length >= 0;
  if (length < 0) length = 0;
  if (in.size() - at < static_cast<size_t>(length)) return false;
  field.assign(in.begin() + long(at), in.begin() + long(at + size_t(length)));
  at += size_t(length);
  return true;
}

std::vector<uint8_t> FlattenItems(const PopupItemList& items) {
  std::vector<uint8_t> out;
  for (const auto& item : items) {
    PutField(out, item->keyword.data(), int32_t(item->keyword.size()));
    if (item->mCFDisplayName) {
      std::vector<uint8_t> name = CFStringToExternal(std::string(*item->mCFDisplayName));
      PutField(out, name.data(), int32_t(name.size()));
    } else {
      PutField(out, nullptr, -1);
    }
    PutField(out, item->postScriptData.data(), int32_t(item->postScriptData.size()));
    uint8_t selected = item->isSelected;
    PutField(out, &selected, 1);
  }
  return out;
}

PopupItemList UnflattenItems(const std::vector<uint8_t>& in) {
  PopupItemList items;
  size_t at = 0;
  while (at < in.size()) {
    std::vector<uint8_t> keyword, name, code, selected;
    bool hasKeyword, hasName, hasCode, hasSelected;
    if (!TakeField(in, at, keyword, hasKeyword) || !TakeField(in, at, name, hasName) ||
        !TakeField(in, at, code, hasCode) || !TakeField(in, at, selected, hasSelected))
      break;
    keyword.push_back(0);
    std::optional<std::string> displayName;
    if (hasName) displayName = ExtenalToCFString(name.data(), long(name.size()));
    auto item =
        std::make_unique<_PopupItem>(reinterpret_cast<const char*>(keyword.data()), displayName,
                                     reinterpret_cast<const char*>(code.data()), long(code.size()));
    item->isSelected = !selected.empty() && selected[0];
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

PPDXPopupControl::PPDXPopupControl(const char* keyword, const std::string& name,
                                   const PointerList* flags, const bool& visible,
                                   const bool& multiSelection, PopupItemList items,
                                   const char* defaultKeyword)
    : PPDXControl(keyword, name, flags, visible, ctPopup),
      mMultiSelection(multiSelection),
      mDefaultKeyword(defaultKeyword),
      mPopupItems(std::move(items)) {
  if (defaultKeyword) SetKeywordSelect(defaultKeyword, true);
}

PPDXPopupControl::PPDXPopupControl(Settings& settings, const long& id)
    : PPDXControl(settings, id, ctPopup) {
  mMultiSelection = ReadInt32(settings, kPopupMultipleTag, id).value_or(0) != 0;
  mDefaultKeyword = ReadText(settings, kControlDefaultTag, id);
  if (auto items = GetSettingsBytes(settings, kPopupItemsTag, id))
    mPopupItems = UnflattenItems(*items);
  for (auto& item : mPopupItems)
    if (item->isSelected && !mSelectedItem) mSelectedItem = item.get();
}

OSStatus PPDXPopupControl::Save(Settings& settings, const long& id) {
  OSStatus status = SaveKind(settings, id, kPopupMarker);
  if (status == noErr) status = SaveInt32(settings, kPopupMultipleTag, id, mMultiSelection);
  if (status == noErr) status = SaveText(settings, kControlDefaultTag, id, mDefaultKeyword);
  if (status == noErr && !mPopupItems.empty()) {
    std::vector<uint8_t> items = FlattenItems(mPopupItems);
    status = settings.Add(kPopupItemsTag, id, items.data(), long(items.size()));
  }
  if (status == noErr) {
    std::vector<uint8_t> selection;  // selected keywords, each NUL-terminated
    for (const auto& item : mPopupItems)
      if (item->isSelected && !item->keyword.empty())
        selection.insert(selection.end(), item->keyword.c_str(),
                         item->keyword.c_str() + item->keyword.size() + 1);
    if (selection.empty())
      settings.Remove(kPopupSelectionTag, id);  // no stale selection from an earlier save
    else
      status = settings.Add(kPopupSelectionTag, id, selection.data(), long(selection.size()));
  }
  return status;
}

OSStatus PPDXPopupControl::Restore(Settings& settings, const long& id) {
  SetValue(0);
  auto selection = GetSettingsBytes(settings, kPopupSelectionTag, id);
  if (!selection) return noErr;
  selection->push_back(0);
  for (const char* p = reinterpret_cast<const char*>(selection->data());
       p < reinterpret_cast<const char*>(selection->data()) + selection->size() - 1;
       p += std::strlen(p) + 1)
    if (*p) SetKeywordSelect(p, true);
  return noErr;
}

_PopupItem* PPDXPopupControl::FirstItem() {
  mCurrentItem = 0;
  return mPopupItems.empty() ? nullptr : mPopupItems[0].get();
}

_PopupItem* PPDXPopupControl::NextItem() {
  if (mCurrentItem >= mPopupItems.size()) return nullptr;
  ++mCurrentItem;
  return mCurrentItem < mPopupItems.size() ? mPopupItems[mCurrentItem].get() : nullptr;
}

long PPDXPopupControl::GetValue() const {
  for (size_t i = 0; i < mPopupItems.size(); ++i)
    if (mPopupItems[i]->isSelected) return long(i + 1);
  return 0;
}

void PPDXPopupControl::SetValue(long position) {
  mSelectedItem = nullptr;
  for (size_t i = 0; i < mPopupItems.size(); ++i) {
    bool chosen = long(i + 1) == position;
    mPopupItems[i]->isSelected = chosen;
    if (chosen) mSelectedItem = mPopupItems[i].get();
  }
}

long PPDXPopupControl::DefaultValue() const {
  for (size_t i = 0; i < mPopupItems.size(); ++i)
    if (!mDefaultKeyword.Empty() && SameKeyword(*mPopupItems[i], mDefaultKeyword))
      return long(i + 1);
  return 0;
}

bool PPDXPopupControl::IsKeywordSelected(const char* option) const {
  for (const auto& item : mPopupItems)
    if (item->isSelected && SameKeyword(*item, option)) return true;
  return false;
}

bool PPDXPopupControl::SetKeywordSelect(const char* option, bool on) {
  bool found = false;
  for (auto& item : mPopupItems) {
    if (SameKeyword(*item, option)) {
      item->isSelected = on;
      mSelectedItem = item.get();
      found = true;
      if (mMultiSelection) break;
    } else if (!mMultiSelection) {
      item->isSelected = false;
    }
  }
  return found;
}

_PopupItem* PPDXPopupControl::LastItemWith(const char* option) const {
  _PopupItem* match = nullptr;
  for (const auto& item : mPopupItems)
    if (SameKeyword(*item, option)) match = item.get();
  return match;
}

const char* PPDXPopupControl::GetKeywordLocalName(const char* option) {
  _PopupItem* item = LastItemWith(option);
  return item ? item->displayName() : nullptr;
}

std::optional<std::string> PPDXPopupControl::GetKeywordCFLocalName(const char* option) const {
  _PopupItem* item = LastItemWith(option);
  if (!item || !item->mCFDisplayName) return std::nullopt;
  return std::string(*item->mCFDisplayName);
}

long PPDXPopupControl::FragmentFor(_PopupItem* item, unsigned char* out) {
  return GeneratePSOutputData(out, item->postScriptData.data(), item->postScriptDataLength(),
                              item->keyword.c_str(), true);
}

long PPDXPopupControl::GetKeywordPSData(const char* option, unsigned char* out) {
  for (auto& item : mPopupItems)
    if (SameKeyword(*item, option)) return FragmentFor(item.get(), out);
  return 0;
}

_PopupItem* PPDXPopupControl::SelectedItem() const {
  for (const auto& item : mPopupItems)
    if (item->isSelected) return item.get();
  return nullptr;
}

long PPDXPopupControl::PostScript(unsigned char* out) {
  _PopupItem* selected = SelectedItem();
  return selected ? FragmentFor(selected, out) : 0;
}

std::string PPDXPopupControl::GetCurrentControlValueString() {
  _PopupItem* selected = SelectedItem();
  return selected ? std::string(selected->keyword) : std::string();
}

bool PPDXPopupControl::SetCurrentControlWithCFString(const std::string& value) {
  if (!LastItemWith(value.c_str())) return false;
  return SetKeywordSelect(value.c_str(), true);
}

_PopupItem* PPDXPopupControl::ItemAt(long position) const {
  if (position < 1 || position > ItemCount()) return nullptr;
  return mPopupItems[size_t(position - 1)].get();
}

long PPDXPopupControl::PositionOf(const char* option) const {
  if (!option) return 0;
  if (!mPositionsIndexed) {
    mFirstPositions.clear();
    for (size_t i = 0; i < mPopupItems.size(); ++i)
      if (!mPopupItems[i]->keyword.empty())
        mFirstPositions.emplace(mPopupItems[i]->keyword, long(i + 1));
    mPositionsIndexed = true;
  }
  const auto found = mFirstPositions.find(option);
  return found == mFirstPositions.end() ? 0 : found->second;
}

void PPDXPopupControl::AppendPopupItem(std::unique_ptr<_PopupItem> item) {
  if (!item) return;
  if (mPositionsIndexed && !item->keyword.empty())
    mFirstPositions.emplace(item->keyword, ItemCount() + 1);
  mPopupItems.push_back(std::move(item));
}

bool PPDXPopupControl::Rebuild(const char* name, PopupItemList items, const char* defaultKeyword) {
  _PopupItem* selected = SelectedItem();
  if (!selected) return false;
  CString remembered(selected->keyword.c_str());

  const char* current = UserName();
  if (name && (!current || std::strcmp(current, name) != 0)) {
    std::string localized(name, std::min<size_t>(std::strlen(name), size_t(kLineSizeLimit - 1)));
    SetLocalizedName(localized);
    UserName();
  }
  mSelectedItem = nullptr;
  mCurrentItem = 0;
  mPopupItems = std::move(items);
  mPositionsIndexed = false;
  mDefaultKeyword = defaultKeyword;
  if (defaultKeyword) SetKeywordSelect(defaultKeyword, true);
  if (!remembered.Empty() && LastItemWith(remembered)) SetKeywordSelect(remembered, true);
  return true;
}
