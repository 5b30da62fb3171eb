#pragma once
// The list control: named columns (property IDs), rows (item IDs), selection, and the two
// callbacks through which the list asks its owner for cell texts and reports changes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/toolkit/ToolkitTypes.h"

using DataBrowserItemID = uint32_t;
using DataBrowserPropertyID = uint32_t;
using DataBrowserItemNotification = uint32_t;

inline constexpr DataBrowserItemNotification kDataBrowserItemAdded = 1;
inline constexpr DataBrowserItemNotification kDataBrowserItemSelected = 5;
inline constexpr DataBrowserItemNotification kDataBrowserItemDeselected = 6;

// Where an item-data callback puts the cell's text.
struct DataBrowserItemData {
  std::string text;
  bool textSet = false;
};
using DataBrowserItemDataRef = DataBrowserItemData*;

using DataBrowserItemDataUPP = OSStatus (*)(ControlRef browser, DataBrowserItemID item,
                                            DataBrowserPropertyID property,
                                            DataBrowserItemDataRef itemData, bool setValue);
using DataBrowserItemNotificationUPP = void (*)(ControlRef browser, DataBrowserItemID item,
                                                DataBrowserItemNotification message);

struct DataBrowserCallbacks {
  DataBrowserItemDataUPP itemDataCallback = nullptr;
  DataBrowserItemNotificationUPP itemNotificationCallback = nullptr;
};

OSStatus SetDataBrowserCallbacks(ControlRef browser, const DataBrowserCallbacks* callbacks);
OSStatus SetDataBrowserItemDataText(DataBrowserItemDataRef itemData, const std::string& text);

// Adds rows (an item already present is not added again) and reports each new one.
OSStatus AddDataBrowserItems(ControlRef browser, uint32_t count, const DataBrowserItemID* items);
std::vector<DataBrowserItemID> GetDataBrowserItems(ControlRef browser);
std::vector<DataBrowserPropertyID> GetDataBrowserColumnProperties(ControlRef browser);
// The columns' titles, in column order; empty for a list that is not there.
std::vector<std::string> GetDataBrowserColumnTitles(ControlRef browser);

enum DataBrowserSetOption {
  kDataBrowserItemsAdd = 0,
  kDataBrowserItemsAssign = 1,
  kDataBrowserItemsRemove = 3
};
// Changes the selection; each row that becomes selected or deselected is reported, whether the
// user or the program changed it.
OSStatus SetDataBrowserSelectedItems(ControlRef browser, uint32_t count,
                                     const DataBrowserItemID* items, DataBrowserSetOption how);
bool IsDataBrowserItemSelected(ControlRef browser, DataBrowserItemID item);

// The text of one cell, asked from the item-data callback (empty when nobody answers).
std::string GetDataBrowserCellText(ControlRef browser, DataBrowserItemID item,
                                   DataBrowserPropertyID property);
