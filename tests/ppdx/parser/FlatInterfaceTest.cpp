// The flat C interface: null handles, and a walk over a parsed file through it alone.
#include <gtest/gtest.h>

#include <string>

#include "../PPDXTestSupport.h"
#include "ppdx/PPDXInterface.h"
#include "ppdx/controls/ControlTypes.h"

namespace {

TEST(FlatInterface, NullHandlesGiveNeutralResults) {
  for (auto* isEmpty :
       {ErrorListIsEmpty, IsGrouPointerListEmpty, IsPropertyListEmpty, IsShortcutsListEmpty,
        GetEmpty, GetNoPopups, GetNoBooleanControls, GetNoRangeControls, GetNoJobNotes, IsOrphan})
    EXPECT_EQ(isEmpty(nullptr), 1) << "the emptiness tests and IsOrphan answer true";
  for (auto* count : {ErrorCount, GroupCount, PropertyCount, GetControlCount, GetRangeValue})
    EXPECT_EQ(count(nullptr), 0);
  for (auto* walk : {FirstError, FirstGroup, FirstProperty, FirstShortcut, GetChromvaleShortcut})
    EXPECT_EQ(walk(nullptr), nullptr);
  EXPECT_EQ(IsVisible(nullptr), 0);
  EXPECT_EQ(Keyword(nullptr), nullptr);
  EXPECT_EQ(GetErrorDescription(nullptr), nullptr);
  EXPECT_EQ(GetPostScript(nullptr, nullptr), 0);
  PPDXControlKind kind = 7;
  EXPECT_EQ(GetFirst(nullptr, &kind), nullptr);
  EXPECT_EQ(kind, 7);
  PPDXPopupItemRecord item{"stale", "stale"};
  EXPECT_EQ(FirstItem(nullptr, &item), 0);
  EXPECT_EQ(item.keyword, nullptr);
  EXPECT_EQ(item.name, nullptr);
  SetRangeValue(nullptr, 5);
  ResetControlToDefault(nullptr);
  SetPropertyScrollDown(nullptr, nullptr);
}

TEST(FlatInterface, WalksAParsedFile) {
  ParsedPPD ppd(
      PPDHeader() + PPDLayout() +
      "*%KTVFlags *KTA Command\n*%KTVGroup *KTA Roll\n*OpenUI *KTA/Alpha: PickOne\n*DefaultKTA: y\n"
      "*KTA x/Ex: \"X\"\n*KTA y/Why: \"Y\"\n*CloseUI: *KTA\n"
      "*%KTVFlags *KTR\n*%KTVGroup *KTR Roll\n*%KTVRange *KTR/Range: (1;999;5;1) \"<*KTR>\"\n"
      "*%KTShortcut *KTA\n*UIConstraints: *KTA\n");
  PPDXHandle errors = ppd->GetErrors();
  ASSERT_EQ(ErrorCount(errors), 1);
  PPDXHandle error = FirstError(errors);
  EXPECT_STREQ(GetErrorKeyword(error), "*KTA");
  EXPECT_FALSE(IsErrorFatal(error));
  EXPECT_EQ(NextError(errors), nullptr);

  PPDXHandle pages = ppd->GetProperties();
  PPDXHandle page = FirstProperty(pages);
  EXPECT_TRUE(IsPropertyPage(page));
  EXPECT_STREQ(UserName(page), "Page");
  PPDXHandle pane = GetPropertyScrollDown(page);
  EXPECT_TRUE(IsScrollPane(pane));
  PPDXHandle roll = FirstGroup(GetScrollPaneRollDowns(pane));
  EXPECT_TRUE(IsRollDown(roll));
  EXPECT_FALSE(IsPropertyPage(roll));
  EXPECT_EQ(GetParent(roll), pane);

  PPDXHandle controls = GetRollDownControlList(roll);
  EXPECT_EQ(GetControlCount(controls), 2);
  const int exact = 1;
  PPDXControlKind kind = 0;
  PPDXHandle popup = Find(controls, "*KTA", &kind, &exact);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(kind, ctPopup);
  EXPECT_TRUE(IsCommandControl(popup));
  EXPECT_EQ(GetPopupValue(popup), 2);
  PPDXPopupItemRecord item;
  ASSERT_EQ(FirstItem(popup, &item), 1);
  EXPECT_STREQ(item.keyword, "x");
  EXPECT_STREQ(item.name, "Ex");
  ASSERT_EQ(NextItem(popup, &item), 1);
  EXPECT_STREQ(item.keyword, "y");
  EXPECT_EQ(NextItem(popup, &item), 0);
  EXPECT_EQ(item.keyword, nullptr);
  SetPopupValue(popup, 1);
  std::string code(size_t(GetPostScript(popup, nullptr)), '\0');
  GetPostScript(popup, reinterpret_cast<unsigned char*>(code.data()));
  EXPECT_EQ(code, "%%BeginFeature: *KTA x\nX\n%%EndFeature\n");
  EXPECT_TRUE(EqualsKeyWord(popup, "*KTA"));
  EXPECT_FALSE(EqualsElement(popup, nullptr));
  EXPECT_TRUE(EqualsElement(popup, popup));

  PPDXHandle range = GetFindRangeControl(controls, "KTR", nullptr);  // not exact: a substring
  ASSERT_NE(range, nullptr);
  SetRangeValue(range, 1000);
  EXPECT_EQ(GetRangeValue(range), 995);

  PPDXHandle shortcuts = ppd->GetShortcuts();
  EXPECT_EQ(GetShortcutCount(shortcuts), 1);
  EXPECT_EQ(FirstShortcut(shortcuts), popup);
  EXPECT_EQ(GetChromvaleShortcut(shortcuts), nullptr);

  PPDXHandle empty = ppd->PPDCreatePopupMenu("Roll", "*KTEmpty", "Empty", PopupItemList(), nullptr);
  ASSERT_NE(empty, nullptr);
  item = {"stale", "stale"};
  EXPECT_EQ(FirstItem(empty, &item), 0);
  EXPECT_EQ(item.keyword, nullptr);
  EXPECT_EQ(item.name, nullptr);
}

}  // namespace
