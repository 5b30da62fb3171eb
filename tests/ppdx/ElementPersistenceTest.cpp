#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PPDXTestSupport.h"
#include "ppdx/stream/MemoryDataStream.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsValues.h"
#include "ppdx/controls/ControlRestore.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

namespace {

// Saves into a container, sends it through a stream and reads it back, as a stored model would.
Settings ThroughAStream(Settings& settings) {
  MemoryDataStream stream;
  EXPECT_EQ(settings.Save(&stream), noErr);
  Settings copy;
  EXPECT_EQ(copy.Read(&stream, 0), noErr);
  return copy;
}

TEST(ElementPersistence, GroupsKeepTheirClassNamesAndParent) {
  PPDXProperty page("Output", "Ausgabe", true, true, false);
  PPDXScrollPane pane("OutputPane", "Fläche", true);
  PPDXRollDown roll("Finishing", "Endverarbeitung", false);
  PPDXGroup plain("Plain", "Plain", true);
  pane.SetParent(&page);
  roll.SetParent(&pane);
  PPDXGroups groups;
  groups.Add(&pane);
  groups.Add(&roll);
  groups.Add(&plain);
  PPDXProperties pages;
  pages.Add(&page);

  Settings settings;
  ASSERT_EQ(pages.Save(settings), noErr);
  ASSERT_EQ(groups.Save(settings), noErr);
  Settings copy = ThroughAStream(settings);

  EXPECT_EQ(ReadInt32(copy, kGroupsTag, kGroupsCountId), 3);
  EXPECT_EQ(ReadInt32(copy, kPropertiesTag, kPropertiesCountId), 1);
  std::unique_ptr<PPDXGroup> paneBack(RestoreGroup(copy, kGroupsTag + 1));
  std::unique_ptr<PPDXGroup> rollBack(RestoreGroup(copy, kGroupsTag + 2));
  std::unique_ptr<PPDXGroup> plainBack(RestoreGroup(copy, kGroupsTag + 3));
  ASSERT_NE(dynamic_cast<PPDXScrollPane*>(paneBack.get()), nullptr);
  ASSERT_NE(dynamic_cast<PPDXRollDown*>(rollBack.get()), nullptr);
  ASSERT_NE(plainBack, nullptr);
  EXPECT_EQ(dynamic_cast<PPDXRollDown*>(plainBack.get()), nullptr);
  EXPECT_STREQ(rollBack->Keyword(), "Finishing");
  EXPECT_EQ(rollBack->CFStringUserName(), "Endverarbeitung");
  EXPECT_FALSE(rollBack->IsVisible());
  EXPECT_STREQ(rollBack->SavedParentKeyword(), "OutputPane");
  EXPECT_EQ(plainBack->SavedParentKeyword(), nullptr);
  EXPECT_EQ(RestoreGroup(copy, kGroupsTag + 4), nullptr);

  PPDXProperty pageBack(copy, kPropertiesTag + 1);
  EXPECT_STREQ(pageBack.Keyword(), "Output");
  EXPECT_TRUE(pageBack.ShowInPrintProp());
  EXPECT_FALSE(pageBack.ShowInApp());
}

TEST(ElementPersistence, ControlsAreRebuiltWithTheirValues) {
  PopupItemList items;
  items.push_back(std::make_unique<_PopupItem>("Letter", "US Letter", "L\n", 2));
  items.push_back(std::make_unique<_PopupItem>("A4", std::nullopt, "A\n", 2));
  FlagWords flags{"Command", "Setup"};
  PPDXPopupControl popup("*PageSize", "Page Size", flags.List(), true, false, std::move(items),
                         "Letter");
  popup.SetValue(2);
  PPDXBooleanControl boolean("*KTCollate", "Collate", nullptr, true, "Yes", "t\n", 2, "No", "f\n",
                             2, false);
  boolean.SetValue(true);
  PPDXRangeControl range("*KTCopies", "Copies", nullptr, "<*KTCopies>", 11, 1, 99, 1, 1, true);
  range.SetValue(42);
  PPDXJobNote note("*Notes1", "Note", nullptr, nullptr, 0, "default", "ISOLatin1", true, 63,
                   JNF_Default, 2);
  note.SetNotes("typed");
  PPDXSpecialOption special("KTServerModel", "KTServerModel", nullptr, "MTQ-ix", nullptr, 0, false);
  PPDXControls controls;
  for (PPDXControl* control :
       std::initializer_list<PPDXControl*>{&popup, &boolean, &range, &note, &special})
    controls.Add(control);

  Settings settings;
  ASSERT_EQ(controls.Save(settings), noErr);
  Settings copy = ThroughAStream(settings);
  EXPECT_EQ(ReadInt32(copy, kControlsTag, kControlsCountId), 5);

  std::vector<std::unique_ptr<PPDXControl>> back;
  for (long i = 1; i <= 6; ++i) back.emplace_back(RestoreControl(copy, kControlsTag + i));
  EXPECT_EQ(back[5], nullptr);  // only five were saved
  auto* restoredPopup = dynamic_cast<PPDXPopupControl*>(back[0].get());
  ASSERT_NE(restoredPopup, nullptr);
  EXPECT_EQ(restoredPopup->GetValue(), 2);
  EXPECT_STREQ(restoredPopup->GetDefaultKeyword(), "Letter");
  EXPECT_EQ(restoredPopup->GetKeywordCFLocalName("Letter"), "US Letter");
  EXPECT_EQ(restoredPopup->GetKeywordCFLocalName("A4"), std::nullopt);
  EXPECT_TRUE(restoredPopup->IsSetup());
  EXPECT_EQ(restoredPopup->GetKeywordPSData("A4", nullptr), popup.GetKeywordPSData("A4", nullptr));

  auto* restoredBoolean = dynamic_cast<PPDXBooleanControl*>(back[1].get());
  ASSERT_NE(restoredBoolean, nullptr);
  EXPECT_TRUE(restoredBoolean->IsTrue());
  EXPECT_FALSE(restoredBoolean->DefaultState());
  EXPECT_EQ(restoredBoolean->PostScript(nullptr), boolean.PostScript(nullptr));

  auto* restoredRange = dynamic_cast<PPDXRangeControl*>(back[2].get());
  ASSERT_NE(restoredRange, nullptr);
  EXPECT_EQ(restoredRange->GetValue(), 42);
  EXPECT_EQ(restoredRange->MaxVal(), 99);

  auto* restoredNote = dynamic_cast<PPDXJobNote*>(back[3].get());
  ASSERT_NE(restoredNote, nullptr);
  EXPECT_STREQ(restoredNote->GetNotes(), "typed");
  EXPECT_STREQ(restoredNote->GetDefaultNotes(), "default");
  EXPECT_EQ(restoredNote->MinLength(), 2);
  EXPECT_EQ(restoredNote->NoteFlags(), uint32_t(JNF_Default));

  ASSERT_NE(dynamic_cast<PPDXSpecialOption*>(back[4].get()), nullptr);
  EXPECT_FALSE(back[4]->IsVisible());
}

}  // namespace
