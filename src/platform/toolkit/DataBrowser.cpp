// The list control: rows, selection, and the owner's callbacks.
#include "platform/toolkit/DataBrowser.h"

#include <algorithm>

#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

bool IsList(ControlRef control) {
  return IsLiveControl(control) && control->kind == ControlKind::DataBrowser;
}

bool Contains(const std::vector<DataBrowserItemID>& v, DataBrowserItemID item) {
  return std::find(v.begin(), v.end(), item) != v.end();
}

void Notify(ControlRef list, DataBrowserItemID item, DataBrowserItemNotification message) {
  if (list->callbacks.itemNotificationCallback)
    list->callbacks.itemNotificationCallback(list, item, message);
}

// Applies a new selection and reports the differences: deselections first, then selections.
void ChangeSelection(ControlRef list, std::vector<DataBrowserItemID> selected) {
  const std::vector<DataBrowserItemID> before = list->selection;
  list->selection = std::move(selected);
  NotifyControlChanged(list, ControlChange::ListSelection);
  const std::vector<DataBrowserItemID> after = list->selection;
  for (DataBrowserItemID item : before)
    if (!Contains(after, item) && IsLiveControl(list))
      Notify(list, item, kDataBrowserItemDeselected);
  for (DataBrowserItemID item : after)
    if (!Contains(before, item) && IsLiveControl(list))
      Notify(list, item, kDataBrowserItemSelected);
}

}  // namespace

OSStatus SetDataBrowserCallbacks(ControlRef browser, const DataBrowserCallbacks* callbacks) {
  if (!IsList(browser)) return errUnknownControl;
  browser->callbacks = callbacks ? *callbacks : DataBrowserCallbacks{};
  return noErr;
}

OSStatus SetDataBrowserItemDataText(DataBrowserItemDataRef itemData, const std::string& text) {
  if (!itemData) return paramErr;
  itemData->text = text;
  itemData->textSet = true;
  return noErr;
}

OSStatus AddDataBrowserItems(ControlRef browser, uint32_t count, const DataBrowserItemID* items) {
  if (!IsList(browser)) return errUnknownControl;
  if (count > 0 && !items) return paramErr;
  std::vector<DataBrowserItemID> added;
  for (uint32_t i = 0; i < count; ++i) {
    if (items[i] == 0 || Contains(browser->rows, items[i])) continue;  // 0 is no item
    browser->rows.push_back(items[i]);
    added.push_back(items[i]);
  }
  if (added.empty()) return noErr;
  NotifyControlChanged(browser, ControlChange::ListRows);
  for (DataBrowserItemID item : added)
    if (IsLiveControl(browser)) Notify(browser, item, kDataBrowserItemAdded);
  return noErr;
}

OSStatus RemoveDataBrowserItems(ControlRef browser, uint32_t count,
                                const DataBrowserItemID* items) {
  if (!IsList(browser)) return errUnknownControl;
  if (count > 0 && !items) return paramErr;
  const std::vector<DataBrowserItemID> doomed =
      count == 0 ? browser->rows : std::vector<DataBrowserItemID>(items, items + count);
  std::vector<DataBrowserItemID> keptSelection;
  for (DataBrowserItemID item : browser->selection)
    if (!Contains(doomed, item)) keptSelection.push_back(item);
  if (keptSelection.size() != browser->selection.size()) ChangeSelection(browser, keptSelection);
  std::vector<DataBrowserItemID> removed;
  std::erase_if(browser->rows, [&](DataBrowserItemID item) {
    if (!Contains(doomed, item)) return false;
    removed.push_back(item);
    return true;
  });
  if (removed.empty()) return noErr;
  NotifyControlChanged(browser, ControlChange::ListRows);
  for (DataBrowserItemID item : removed)
    if (IsLiveControl(browser)) Notify(browser, item, kDataBrowserItemRemoved);
  return noErr;
}

OSStatus GetDataBrowserItemCount(ControlRef browser, uint32_t* count) {
  if (!IsList(browser) || !count) return errUnknownControl;
  *count = uint32_t(browser->rows.size());
  return noErr;
}

std::vector<DataBrowserItemID> GetDataBrowserItems(ControlRef browser) {
  return IsList(browser) ? browser->rows : std::vector<DataBrowserItemID>{};
}

std::vector<DataBrowserPropertyID> GetDataBrowserColumnProperties(ControlRef browser) {
  std::vector<DataBrowserPropertyID> properties;
  if (IsList(browser))
    for (const ListColumn& column : browser->columns) properties.push_back(column.property);
  return properties;
}

OSStatus SetDataBrowserSelectedItems(ControlRef browser, uint32_t count,
                                     const DataBrowserItemID* items, DataBrowserSetOption how) {
  if (!IsList(browser)) return errUnknownControl;
  if (count > 0 && !items) return paramErr;
  std::vector<DataBrowserItemID> given;
  for (uint32_t i = 0; i < count; ++i)
    if (Contains(browser->rows, items[i]) && !Contains(given, items[i])) given.push_back(items[i]);
  std::vector<DataBrowserItemID> next = how == kDataBrowserItemsAssign ? given : browser->selection;
  if (how == kDataBrowserItemsAdd) {
    for (DataBrowserItemID item : given)
      if (!Contains(next, item)) next.push_back(item);
  } else if (how == kDataBrowserItemsRemove) {
    std::erase_if(next, [&](DataBrowserItemID item) { return Contains(given, item); });
  }
  ChangeSelection(browser, next);
  return noErr;
}

bool IsDataBrowserItemSelected(ControlRef browser, DataBrowserItemID item) {
  return IsList(browser) && Contains(browser->selection, item);
}

std::vector<DataBrowserItemID> GetDataBrowserSelection(ControlRef browser) {
  return IsList(browser) ? browser->selection : std::vector<DataBrowserItemID>{};
}

std::string GetDataBrowserCellText(ControlRef browser, DataBrowserItemID item,
                                   DataBrowserPropertyID property) {
  if (!IsList(browser) || !Contains(browser->rows, item) || !browser->callbacks.itemDataCallback)
    return {};
  DataBrowserItemData data;
  browser->callbacks.itemDataCallback(browser, item, property, &data, false);
  return data.textSet ? data.text : std::string();
}
