// A parsed model saved into a Settings container and rebuilt from it.
#include <gtest/gtest.h>

#include "ParserTestSupport.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"

namespace {

const std::filesystem::path kBundled =
    std::filesystem::path(CORVEL_SOURCE_DIR) / "ppd" / "crvmtqix.ppd";

// The bundled description parsed and saved.
class ParserPersistence : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parsed.Save(settings), noErr); }
  KTVPPD parsed{kBundled, PO_PARSE_ALL};
  Settings settings;
};

TEST_F(ParserPersistence, SavedModelRebuildsTheSameTree) {
  KTVPPD rebuilt(settings, kBundled);
  EXPECT_TRUE(rebuilt.IsValidPPD());
  EXPECT_STREQ(rebuilt.PCFileName(), "CRVMTQIX.PPD");
  EXPECT_STREQ(rebuilt.KTVersion(), parsed.KTVersion());
  EXPECT_NE(rebuilt.GetStringTextEncoding(), 0u);

  DisplayOptionsScope all(SO_SHOW_ALL);
  EXPECT_EQ(rebuilt.GetProperties()->Count(), parsed.GetProperties()->Count());
  EXPECT_EQ(rebuilt.GetGroups()->Count(), parsed.GetGroups()->Count());
  EXPECT_EQ(rebuilt.GetControls()->ControlCount(), parsed.GetControls()->ControlCount());
  EXPECT_EQ(rebuilt.GetControls()->SpecialOptionsCount(),
            parsed.GetControls()->SpecialOptionsCount());
  EXPECT_EQ(rebuilt.GetShortcuts()->Count(), parsed.GetShortcuts()->Count());

  PPDXProperty* page = rebuilt.GetProperties()->Find("PageLayout", true);
  ASSERT_NE(page, nullptr);
  ASSERT_NE(page->GetScrollDown(), nullptr);
  EXPECT_STREQ(page->GetScrollDown()->Keyword(), "LayoutScroll");
  auto* sides = dynamic_cast<PPDXRollDown*>(rebuilt.GetGroups()->Find("Sides", true));
  ASSERT_NE(sides, nullptr);
  EXPECT_EQ(sides->GetParent(), page->GetScrollDown());
  CNTL_TYPE kind;
  PPDXControl* duplex = rebuilt.GetControls()->Find("*KTDuplex", kind, true);
  ASSERT_NE(duplex, nullptr);
  EXPECT_EQ(duplex->GetParent(), sides);
  EXPECT_EQ(sides->Controls()->Find("*KTDuplex", kind, true), duplex);
  EXPECT_EQ(rebuilt.KeywordMap()->Lookup("*KTDuplex"), duplex);
}

TEST_F(ParserPersistence, RestoreSetsOnlyTheCurrentValues) {
  DisplayOptionsScope all(SO_SHOW_ALL);
  auto* fold = parsed.GetControls()->FindPopup("*KTFold", true);
  ASSERT_NE(fold, nullptr);
  fold->SetValue(3);
  ASSERT_EQ(parsed.Save(settings), noErr);

  KTVPPD target(kBundled, PO_PARSE_ALL);
  auto* targetFold = target.GetControls()->FindPopup("*KTFold", true);
  ASSERT_NE(targetFold, nullptr);
  EXPECT_EQ(targetFold->GetValue(), 1);
  EXPECT_EQ(target.Restore(settings), noErr);
  EXPECT_EQ(targetFold->GetValue(), 3);
}

TEST_F(ParserPersistence, CorruptElementCountsStopAtTheContainersItems) {
  const int32_t billions = INT32_MAX;  // a damaged container: far more elements than items
  ASSERT_EQ(settings.Add(kGroupsTag, kGroupsCountId, &billions, 4), noErr);
  ASSERT_EQ(settings.Add(kControlsTag, kControlsCountId, &billions, 4), noErr);
  ASSERT_EQ(settings.Add(kShortcutsTag, kShortcutsCountId, &billions, 4), noErr);

  KTVPPD rebuilt(settings, kBundled);
  DisplayOptionsScope all(SO_SHOW_ALL);
  ASSERT_NE(rebuilt.GetControls(), nullptr);
  EXPECT_EQ(rebuilt.GetGroups()->Count(), parsed.GetGroups()->Count());
  EXPECT_EQ(rebuilt.GetControls()->ControlCount(), parsed.GetControls()->ControlCount());
  EXPECT_EQ(rebuilt.GetShortcuts()->Count(), parsed.GetShortcuts()->Count());
  EXPECT_EQ(rebuilt.Restore(settings), noErr);
}

// A fault the fuzzer found: a boolean and a job note that share a keyword. Each takes back its
// own saved value, in a fresh parse and in a model rebuilt from the container alike.
TEST(ParserPersistenceShared, ControlsSharingAKeywordEachGetTheirOwnValueBack) {
  const std::string text =
      PPDHeader() + PPDLayout() +
      UIBlock("KTPass", "Roll", "*DefaultKTPass: False\n*KTPass True: \"t\"\n", "", "Boolean") +
      "*%KTVFlags *KTPass\n*%KTVGroup *KTPass Roll\n*%KTVJobNote *KTPass/Password: 8|Alpha\n";
  ParsedPPD parsed(text);
  PPDXControls& controls = *parsed->GetControls();
  ASSERT_NE(controls.FirstBooleanControl(), nullptr);
  ASSERT_NE(controls.FirstJobNote(), nullptr);
  controls.FirstBooleanControl()->SetValue(true);
  controls.FirstJobNote()->SetNotes("secret");
  Settings settings;
  ASSERT_EQ(parsed->Save(settings), noErr);

  ParsedPPD fresh(text);
  KTVPPD rebuilt(settings, {});
  for (KTVPPD* target : {&*fresh, &rebuilt}) {
    ASSERT_EQ(target->Restore(settings), noErr);
    EXPECT_TRUE(target->GetControls()->FirstBooleanControl()->IsTrue());
    EXPECT_STREQ(target->GetControls()->FirstJobNote()->GetNotes(), "secret");
  }
}

TEST(ParserPersistenceEmpty, ContainerWithoutAModelBuildsNothing) {
  Settings empty;
  KTVPPD nothing(empty, kBundled);
  EXPECT_FALSE(nothing.IsValidPPD());
  EXPECT_EQ(nothing.GetControls(), nullptr);
}

}  // namespace
