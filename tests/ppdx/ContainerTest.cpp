#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PPDXTestSupport.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

namespace {

// Owns the elements of one test (the containers never do) and restores the display filter.
class Model : public ::testing::Test {
 protected:
  void SetUp() override { PPDX::Options(SO_DEFAULT); }
  void TearDown() override { PPDX::Options(SO_DEFAULT); }

  template <class T, class... Args>
  T* Make(Args&&... args) {
    auto element = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = element.get();
    mOwned.push_back(std::move(element));
    return raw;
  }
  // The element, in the roll-down when placed (otherwise an orphan).
  template <class T>
  T* Placed(T* element, bool placed) {
    if (placed) element->SetParent(&mRollDown);
    return element;
  }
  PPDXPopupControl* Popup(const char* keyword, bool visible, bool placed) {
    PopupItemList items;
    items.push_back(std::make_unique<_PopupItem>("A", "Choice A", "codeA", 5));
    return Placed(
        Make<PPDXPopupControl>(keyword, "Popup", nullptr, visible, false, std::move(items), "A"),
        placed);
  }
  PPDXBooleanControl* Boolean(const char* keyword, bool visible, bool placed) {
    return Placed(Make<PPDXBooleanControl>(keyword, "Bool", nullptr, visible, "On", nullptr, 0,
                                           "Off", nullptr, 0, false),
                  placed);
  }

  PPDXRollDown mRollDown{"Section", "Section", true};
  std::vector<std::unique_ptr<PPDXElement>> mOwned;
};

TEST_F(Model, ElementsDisplayByVisibilityAndParent) {
  PPDXGroup placedVisible("a", "A", true), placedHidden("b", "B", false), orphan("c", "C", true);
  placedVisible.SetParent(&mRollDown);
  placedHidden.SetParent(&mRollDown);
  EXPECT_TRUE(placedVisible.OkayToDisplay(SO_DEFAULT));
  EXPECT_FALSE(placedHidden.OkayToDisplay(SO_DEFAULT));
  EXPECT_FALSE(orphan.OkayToDisplay(SO_DEFAULT));
  EXPECT_TRUE(orphan.OkayToDisplay(SO_SHOW_ORPHANS));
  EXPECT_FALSE(placedHidden.OkayToDisplay(SO_SHOW_ORPHANS));
  EXPECT_TRUE(placedHidden.OkayToDisplay(SO_SHOW_HIDDEN));
  EXPECT_FALSE(orphan.OkayToDisplay(SO_SHOW_HIDDEN));
  EXPECT_TRUE(orphan.OkayToDisplay(SO_SHOW_ALL));
  EXPECT_TRUE(orphan.OkayToDisplay(static_cast<_DISPLAY_OPTIONS_>(7)));
  // The filter operations add to the filter; either exclusion goes back to the default.
  PPDX::IncludeOrphans();
  EXPECT_EQ(PPDX::Options(), SO_SHOW_ORPHANS);
  PPDX::IncludeHidden();
  EXPECT_EQ(PPDX::Options(), SO_SHOW_ALL);
  PPDX::ExcludeOrphans();
  EXPECT_EQ(PPDX::Options(), SO_DEFAULT);
  PPDX::IncludeHidden();
  PPDX::ExcludeHidden();
  EXPECT_EQ(PPDX::Options(), SO_DEFAULT);
}

TEST_F(Model, HiddenControlIsSkippedByTheWalkButNotByItsKindWalk) {
  PPDXControls controls;
  PPDXPopupControl* hidden = Popup("*Hidden", false, true);
  PPDXPopupControl* shown = Popup("*Shown", true, true);
  controls.Add(hidden);
  controls.Add(shown);
  CNTL_TYPE kind = ctNone;
  EXPECT_EQ(controls.First(kind), shown);
  EXPECT_EQ(kind, ctPopup);
  EXPECT_EQ(controls.Next(kind), nullptr);
  EXPECT_EQ(kind, ctNone);
  EXPECT_EQ(controls.FirstPopupControl(), hidden);
  EXPECT_EQ(controls.NextPopupControl(), shown);
  EXPECT_EQ(controls.NextPopupControl(), nullptr);
  PPDX::Options(SO_SHOW_HIDDEN);
  EXPECT_EQ(controls.First(kind), hidden);
}

TEST_F(Model, CountsOfEveryKindFollowTheFilter) {
  PPDXControls controls;
  // Per kind: placed visible, placed hidden, orphan visible, orphan hidden.
  for (bool placed : {true, false}) {
    for (bool visible : {true, false}) {
      controls.Add(Popup("*P", visible, placed));
      controls.Add(Boolean("*B", visible, placed));
      controls.Add(
          Placed(Make<PPDXRangeControl>("*R", "Range", nullptr, nullptr, 0, 1, 10, 1, 1, visible),
                 placed));
      controls.Add(Placed(Make<PPDXJobNote>("*N", "Note", nullptr, nullptr, 0, "", "ISOLatin1",
                                            visible, 32, JNF_Default, 0),
                          placed));
    }
  }
  controls.Add(Make<PPDXSpecialOption>("KTServerModel", "KTServerModel", nullptr, "MTQ-ix", nullptr,
                                       0, false));

  EXPECT_EQ(controls.PopupCount(), 1);
  EXPECT_EQ(controls.BooleanCount(), 1);
  EXPECT_EQ(controls.RangeCount(), 1);
  EXPECT_EQ(controls.JobNoteCount(), 2);  // visible notes, orphans or not
  EXPECT_EQ(controls.SpecialOptionsCount(), 1);
  EXPECT_EQ(controls.ControlCount(), 5);
  EXPECT_EQ(PPDX::Options(), SO_DEFAULT);  // the note count leaves the filter as it was
  // The walk yields the visible orphan note too: job notes need only be visible.
  std::vector<PPDXControl*> walked;
  CNTL_TYPE kind;
  for (PPDXControl* c = controls.First(kind); c; c = controls.Next(kind)) walked.push_back(c);
  EXPECT_EQ(walked.size(), 5u);  // four placed, the orphan note; the special option is hidden
  EXPECT_NE(controls.FirstJobNote(), nullptr);

  PPDX::Options(SO_SHOW_ORPHANS);
  EXPECT_EQ(controls.PopupCount(), 2);
  EXPECT_EQ(controls.ControlCount(), 8);
  PPDX::Options(SO_SHOW_HIDDEN);
  EXPECT_EQ(controls.RangeCount(), 2);
  PPDX::Options(SO_SHOW_ALL);
  EXPECT_EQ(controls.BooleanCount(), 4);
  EXPECT_EQ(controls.ControlCount(), 14);
  PPDX::Options(static_cast<_DISPLAY_OPTIONS_>(9));
  EXPECT_EQ(controls.PopupCount(), 0);
  EXPECT_TRUE(controls.NoPopups());
}

TEST_F(Model, CountsKeepTheStateAtAddTime) {
  PPDXControls controls;
  PPDXPopupControl* popup = Popup("*Later", true, false);
  controls.Add(popup);
  EXPECT_EQ(controls.PopupCount(), 0);
  popup->SetParent(&mRollDown);
  EXPECT_EQ(controls.PopupCount(), 0);
  EXPECT_TRUE(controls.Empty());
}

TEST_F(Model, FindExactAndBySubstring) {
  PPDXControls controls;
  PPDXPopupControl* mediaPage = Popup("*KTMediaPage", true, true);
  PPDXPopupControl* pageSize = Popup("*PageSize", true, true);
  PPDXBooleanControl* collate = Boolean("*KTCollate", true, true);
  controls.Add(mediaPage);
  controls.Add(pageSize);
  controls.Add(collate);
  CNTL_TYPE kind = ctNone;
  EXPECT_EQ(controls.Find("Page", kind, false), mediaPage);
  EXPECT_EQ(controls.Find("*PageSize", kind, true), pageSize);
  EXPECT_EQ(controls.Find("PageSize", kind, true), nullptr);
  EXPECT_EQ(controls.Find(nullptr, kind, false), nullptr);
  EXPECT_EQ(controls.Find("Collate", kind, false), collate);
  EXPECT_EQ(kind, ctBoolean);
  EXPECT_EQ(controls.FindPopup("Collate", false), nullptr);
  EXPECT_EQ(controls.FindBoolean("*KTCollate", true), collate);
  EXPECT_EQ(controls.FindPopup("Size", false), pageSize);
}

TEST_F(Model, GroupCountsAndWalks) {
  PPDXGroups groups;
  PPDXGroup* shown = Make<PPDXGroup>("Shown", "Shown", true);
  PPDXGroup* hidden = Make<PPDXGroup>("Hidden", "Hidden", false);
  shown->SetParent(&mRollDown);
  hidden->SetParent(&mRollDown);
  groups.Add(shown);
  groups.Add(hidden);
  EXPECT_EQ(groups.Count(), 2);
  PPDX::Options(SO_SHOW_ALL);
  EXPECT_EQ(groups.Count(), 3);  // base 2 plus hidden 1
  PPDX::Options(SO_DEFAULT);
  EXPECT_EQ(groups.First(), shown);
  EXPECT_EQ(groups.Next(), nullptr);
  EXPECT_EQ(groups.Find("Hidden", true), hidden);  // the search ignores the filter
  EXPECT_EQ(groups.Find("idd", false), hidden);
  PPDX::Options(SO_SHOW_ALL);
  EXPECT_EQ(groups.Find("Shown", true), shown);
  EXPECT_EQ(groups.Next(), hidden);  // the walk goes on from the group found
  PPDXGroup* twin = Make<PPDXGroup>("Shown", "Twin", true);
  twin->SetParent(&mRollDown);
  groups.Add(twin);
  EXPECT_EQ(groups.Find("Shown", true), shown);  // the first one added under the keyword
  EXPECT_EQ(groups.Find("Absent", true), nullptr);
  EXPECT_EQ(groups.Next(), nullptr);  // a failed search leaves the walk at the end
  PPDX::Options(SO_DEFAULT);

  PPDXGroups orphans;
  orphans.Add(Make<PPDXGroup>("Alone", "Alone", true));
  EXPECT_EQ(orphans.First(), nullptr);
  EXPECT_FALSE(orphans.Empty());
  PPDX::Options(SO_SHOW_ORPHANS);
  EXPECT_EQ(orphans.Count(), 2);
}

TEST_F(Model, PropertyPagesAndTheirScrollPanes) {
  PPDXProperties pages;
  PPDXProperty* output = Make<PPDXProperty>("Output", "Output", false, true, false);
  PPDXScrollPane* pane = Make<PPDXScrollPane>("OutputPane", "Pane", true);
  PPDXRollDown* roll = Make<PPDXRollDown>("Finishing", "Finishing", true);
  pane->SetParent(output);
  output->SetScrollDown(pane);
  roll->SetParent(pane);
  pane->RollDowns()->Add(roll);
  pages.Add(output);
  EXPECT_EQ(pages.First(), output);  // pages are walked whatever the filter
  EXPECT_EQ(pages.Find("Out", false), output);
  EXPECT_EQ(output->GetScrollDown()->RollDowns()->First(), roll);
}

TEST_F(Model, ShortcutsYieldPopupsAndFixedLookUps) {
  PointerList list;
  PPDXPopupControl* pageSize = Popup("*PageSize", true, true);
  PPDXControl* boolean = Boolean("*KTChromvaleLike", true, true);
  PPDXPopupControl* duplex = Popup("*KTDuplex", true, true);
  list.PushBack(static_cast<PPDXControl*>(pageSize));
  list.PushBack(boolean);
  list.PushBack(static_cast<PPDXControl*>(duplex));
  PPDXShortcuts shortcuts(list);
  EXPECT_EQ(shortcuts.Count(), 2);  // as many as the walk yields
  EXPECT_EQ(shortcuts.First(), pageSize);
  EXPECT_EQ(shortcuts.Next(), duplex);
  EXPECT_EQ(shortcuts.Next(), nullptr);
  EXPECT_EQ(shortcuts.PageSize(), pageSize);
  EXPECT_EQ(shortcuts.Duplex(), duplex);
  EXPECT_EQ(shortcuts.InputSlot(), nullptr);
  EXPECT_EQ(shortcuts.Chromvale(), nullptr);
  EXPECT_EQ(shortcuts.MediaSource(), nullptr);
}

TEST_F(Model, ElementIdentity) {
  PPDXGroup a("Same", "One", true), b("Same", "Two", true), none("", "Nameless", true);
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(a == "Same");
  EXPECT_FALSE(a == static_cast<const char*>(nullptr));
  EXPECT_EQ(none.Keyword(), nullptr);
  EXPECT_FALSE(none == none);
}

}  // namespace
