#include "ppdx/controls/PopupItem.h"

#include "ppdx/text/TextConverter.h"

namespace {

std::pmr::memory_resource* ResourceOrHeap(std::pmr::memory_resource* arena) {
  return arena ? arena : std::pmr::new_delete_resource();
}

std::optional<std::pmr::string> CopyName(std::optional<std::string_view> name,
                                         std::pmr::memory_resource* resource) {
  if (!name) return std::nullopt;
  return std::pmr::string(*name, resource);
}

}  // namespace

_PopupItem::_PopupItem(const char* optionKeyword, std::optional<std::string_view> displayName,
                       const char* code, long codeLength, std::pmr::memory_resource* arena)
    : keyword(optionKeyword ? optionKeyword : "", ResourceOrHeap(arena)),
      mCFDisplayName(CopyName(displayName, ResourceOrHeap(arena))),
      postScriptData(ResourceOrHeap(arena)) {
  if (code && codeLength > 0) postScriptData.assign(code, code + codeLength);
}

const char* _PopupItem::displayName() {
  if (!mCFDisplayName) return nullptr;
  if (mLocalizedDisplayName.Empty()) {
    std::vector<char> buffer(mCFDisplayName->size() + 1);
    TextConverter::CFStringToCstring(std::string(*mCFDisplayName), buffer.data(),
                                     static_cast<long>(buffer.size()));
    mLocalizedDisplayName = buffer.data();
  }
  return mLocalizedDisplayName;
}

void PopupItemDeleter::operator()(_PopupItem* item) const {
  if (!arena) {
    delete item;
    return;
  }
  std::pmr::polymorphic_allocator<_PopupItem>(arena).delete_object(item);
}

PopupItemPtr MakeArenaPopupItem(std::pmr::memory_resource& arena, const char* optionKeyword,
                                std::optional<std::string_view> displayName, const char* code,
                                long codeLength) {
  std::pmr::polymorphic_allocator<_PopupItem> allocator(&arena);
  _PopupItem* item =
      allocator.new_object<_PopupItem>(optionKeyword, displayName, code, codeLength, &arena);
  return PopupItemPtr(item, PopupItemDeleter(&arena));
}
