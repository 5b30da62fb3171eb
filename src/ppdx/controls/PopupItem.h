#pragma once
// One choice of a popup control: its option keyword, translation and PostScript code.
// A parse makes its choices in the description's arena (their texts too), so a large file costs
// no allocation per choice; choices made anywhere else come from the heap and own their texts.
// The list's deleter knows which, so both kinds mix freely in one control.
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/CString.h"

struct _PopupItem {
  // `arena` holds the texts; null means the heap. The arena must outlive the item.
  _PopupItem(const char* optionKeyword, std::optional<std::string_view> displayName,
             const char* code, long codeLength, std::pmr::memory_resource* arena = nullptr);

  // The translation as 8-bit text in the system encoding, made on first use; null without one.
  const char* displayName();
  long postScriptDataLength() const { return static_cast<long>(postScriptData.size()); }

  std::pmr::string keyword;
  std::optional<std::pmr::string> mCFDisplayName;
  std::pmr::vector<char> postScriptData;
  bool isSelected = false;
  CString mLocalizedDisplayName;
};

// Frees a choice made on the heap; destroys one made in an arena in place (the arena keeps its
// memory until the description ends).
struct PopupItemDeleter {
  PopupItemDeleter() = default;
  PopupItemDeleter(std::default_delete<_PopupItem>) {}  // a heap choice from make_unique
  explicit PopupItemDeleter(std::pmr::memory_resource* itemArena) : arena(itemArena) {}
  void operator()(_PopupItem* item) const;

  std::pmr::memory_resource* arena = nullptr;
};

using PopupItemPtr = std::unique_ptr<_PopupItem, PopupItemDeleter>;
using PopupItemList = std::vector<PopupItemPtr>;

// A choice made in `arena`, with its texts; the arena must outlive it.
PopupItemPtr MakeArenaPopupItem(std::pmr::memory_resource& arena, const char* optionKeyword,
                                std::optional<std::string_view> displayName, const char* code,
                                long codeLength);
