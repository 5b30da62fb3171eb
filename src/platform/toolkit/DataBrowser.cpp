// The list control: rows, selection, and the owner's callbacks.
#include "platform/toolkit/DataBrowser.h"

#include <algorithm>

#include "platform/toolkit/ToolkitState.h"

namespace {

// The list of a handle; null for other handles and kinds.
ToolkitControl* ResolveList(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c && c->kind == ControlKind::DataBrowser ? c : nullptr;
}

bool Contains(const std::vector<DataBrowserItemID>& v, DataBrowserItemID item) {
  return std::find(v.begin(), v.end(), item) != v.end();
}

// Tells the owner about each item while the list lives (the owner may dispose of it meanwhile).
void NotifyEach(ControlRef handle, const std::vector<DataBrowserItemID>& items,
                DataBrowserItemNotification message) {
  for (DataBrowserItemID item : items) {
    ToolkitControl* list = ResolveControl(handle);
    if (!list) return;
    if (list->callbacks.itemNotificationCallback)
      list->callbacks.itemNotificationCallback(handle, item, message);
  }
}

std::vector<DataBrowserItemID> Without(const std::vector<DataBrowserItemID>& from,
                                       const std::vector<DataBrowserItemID>& taken) {
  std::vector<DataBrowserItemID> rest;
  for (DataBrowserItemID item : from)
    if (!Contains(taken, item)) rest.push_back(item);
  return rest;
}

// Applies a new selection and reports the differences: deselections first, then selections.
void ChangeSelection(ToolkitControl* list, std::vector<DataBrowserItemID> selected) {
  const std::vector<DataBrowserItemID> before = list->selection;
  list->selection = std::move(selected);
  NotifyControlChanged(list, ControlChange::ListSelection);
  const std::vector<DataBrowserItemID> after = list->selection;
  NotifyEach(list->handle, Without(before, after), kDataBrowserItemDeselected);
  NotifyEach(list->handle, Without(after, before), kDataBrowserItemSelected);
}

}  // namespace

OSStatus SetDataBrowserCallbacks(ControlRef browser, const DataBrowserCallbacks* callbacks) {
  ToolkitControl* list = ResolveList(browser);
  if (!list) return errUnknownControl;
  list->callbacks = callbacks ? *callbacks : DataBrowserCallbacks{};
  return noErr;
}

OSStatus SetDataBrowserItemDataText(DataBrowserItemDataRef itemData, const std::string& text) {
  if (!itemData) return paramErr;
  itemData->text = text;
  itemData->textSet = true;
  return noErr;
}

OSStatus AddDataBrowserItems(ControlRef browser, uint32_t count, const DataBrowserItemID* items) {
  ToolkitControl* list = ResolveList(browser);
  if (!list) return errUnknownControl;
  if (count > 0 && !items) return paramErr;
  std::vector<DataBrowserItemID> added;
  for (uint32_t i = 0; i < count; ++i) {
    if (items[i] == 0 || Contains(list->rows, items[i])) continue;  // 0 is no item
    list->rows.push_back(items[i]);
    added.push_back(items[i]);
  }
  if (added.empty()) return noErr;
  NotifyControlChanged(list, ControlChange::ListRows);
  NotifyEach(browser, added, kDataBrowserItemAdded);
  return noErr;
}

std::vector<DataBrowserItemID> GetDataBrowserItems(ControlRef browser) {
  ToolkitControl* list = ResolveList(browser);
  return list ? list->rows : std::vector<DataBrowserItemID>{};
}

std::vector<DataBrowserPropertyID> GetDataBrowserColumnProperties(ControlRef browser) {
  std::vector<DataBrowserPropertyID> properties;
  if (ToolkitControl* list = ResolveList(browser))
    for (const ListColumn& column : list->columns) properties.push_back(column.property);
  return properties;
}

std::vector<std::string> GetDataBrowserColumnTitles(ControlRef browser) {
  std::vector<std::string> titles;
  if (ToolkitControl* list = ResolveList(browser))
    for (const ListColumn& column : list->columns) titles.push_back(column.title);
  return titles;
}

OSStatus SetDataBrowserSelectedItems(ControlRef browser, uint32_t count,
                                     const DataBrowserItemID* items, DataBrowserSetOption how) {
  ToolkitControl* list = ResolveList(browser);
  if (!list) return errUnknownControl;
  if (count > 0 && !items) return paramErr;
  std::vector<DataBrowserItemID> given;
  for (uint32_t i = 0; i < count; ++i)
    if (Contains(list->rows, items[i]) && !Contains(given, items[i])) given.push_back(items[i]);
  std::vector<DataBrowserItemID> next = how == kDataBrowserItemsAssign ? given : list->selection;
  if (how == kDataBrowserItemsAdd) {
    for (DataBrowserItemID item : given)
      if (!Contains(next, item)) next.push_back(item);
  } else if (how == kDataBrowserItemsRemove) {
    next = Without(next, given);
  }
  ChangeSelection(list, next);
  return noErr;
}

bool IsDataBrowserItemSelected(ControlRef browser, DataBrowserItemID item) {
  ToolkitControl* list = ResolveList(browser);
  return list && Contains(list->selection, item);
}

std::string GetDataBrowserCellText(ControlRef browser, DataBrowserItemID item,
                                   DataBrowserPropertyID property) {
  ToolkitControl* list = ResolveList(browser);
  if (!list || !Contains(list->rows, item) || !list->callbacks.itemDataCallback) return {};
  DataBrowserItemData data;
  list->callbacks.itemDataCallback(browser, item, property, &data, false);
  return data.textSet ? data.text : std::string();
}
