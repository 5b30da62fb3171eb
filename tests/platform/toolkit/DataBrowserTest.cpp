#include "ToolkitFixture.h"

namespace {

// The list's owner: names per row and a log of notifications.
struct ListOwner {
  std::vector<std::string> names;
  std::vector<std::pair<DataBrowserItemID, DataBrowserItemNotification>> log;
};

OSStatus ItemData(ControlRef list, DataBrowserItemID item, DataBrowserPropertyID property,
                  DataBrowserItemDataRef data, bool) {
  auto* owner = static_cast<ListOwner*>(GetControlReference(list));
  if (!owner || property != FourCC("bNam") || item > owner->names.size()) return noErr;
  return SetDataBrowserItemDataText(data, owner->names[item - 1]);
}

void ItemChanged(ControlRef list, DataBrowserItemID item, DataBrowserItemNotification message) {
  static_cast<ListOwner*>(GetControlReference(list))->log.emplace_back(item, message);
}

using DataBrowserTest = ToolkitTest;

TEST_F(DataBrowserTest, RowsAskTheOwnerForTextsAndReportChanges) {
  WindowRef window = Open("Panel");
  ControlRef list = Find(window, "pane", 9);
  ListOwner owner{{"alpha", "beta"}, {}};
  SetControlReference(list, &owner);
  const DataBrowserCallbacks callbacks{ItemData, ItemChanged};
  SetDataBrowserCallbacks(list, &callbacks);

  const DataBrowserItemID rows[] = {1, 2, 1};
  AddDataBrowserItems(list, 3, rows);  // a row already present is not added twice
  EXPECT_EQ(GetDataBrowserItems(list), (std::vector<DataBrowserItemID>{1, 2}));
  EXPECT_EQ(GetDataBrowserCellText(list, 2, FourCC("bNam")), "beta");
  EXPECT_EQ(GetDataBrowserCellText(list, 2, FourCC("ipAd")), "");

  owner.log.clear();
  EXPECT_EQ(UserSelectListRow(list, 1), noErr);
  EXPECT_EQ(UserSelectListRow(list, 2), noErr);
  EXPECT_EQ(UserSelectListRow(list, 7), paramErr);
  using Log = decltype(owner.log);
  EXPECT_EQ(owner.log, (Log{{1, kDataBrowserItemSelected},
                            {1, kDataBrowserItemDeselected},
                            {2, kDataBrowserItemSelected}}));
}

TEST_F(DataBrowserTest, ListWithoutOwnerOrOfWrongKindIsHandledSafely) {
  WindowRef window = Open("Panel");
  ControlRef list = Find(window, "pane", 9);
  const DataBrowserItemID row = 1;
  AddDataBrowserItems(list, 1, &row);
  EXPECT_EQ(GetDataBrowserCellText(list, 1, FourCC("bNam")), "");  // no callbacks
  EXPECT_EQ(SetDataBrowserSelectedItems(list, 1, &row, kDataBrowserItemsAssign), noErr);
  EXPECT_TRUE(IsDataBrowserItemSelected(list, 1));
  EXPECT_EQ(AddDataBrowserItems(Find(window, "pane", 1), 1, &row), errUnknownControl);
}

}  // namespace
