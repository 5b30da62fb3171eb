// A parsed model saved into a Settings container and rebuilt from it, compared through the same
// full description of the model that ppdx-dump prints.
#include <gtest/gtest.h>

#include "ModelFacts.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/stream/MemoryDataStream.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"

namespace {

const std::filesystem::path kBundled =
    std::filesystem::path(CORVEL_SOURCE_DIR) / "ppd" / "crvmtqix.ppd";

// The model's description without what only a parse records (its errors and constraint answers).
json Model(KTVPPD& ppd) {
  json model = ModelOf(ppd);
  for (const char* parseOnly : {"errors", "constraints", "requires"}) model.erase(parseOnly);
  return model;
}

// Checks that got describes the same model as want; a failure lists the differences as a JSON
// patch from want to got.
void ExpectSameModel(KTVPPD& want, KTVPPD& got) {
  EXPECT_EQ(json::diff(Model(want), Model(got)), json::array());
}

// Every control of every kind off its default: the last choice, the other state, the maximum,
// typed notes.
void ChangeEveryValue(KTVPPD& ppd) {
  DisplayOptionsScope all(SO_SHOW_ALL);
  CNTL_TYPE kind;
  PPDXControls* controls = ppd.GetControls();
  for (PPDXControl* c = controls->First(kind); c; c = controls->Next(kind)) {
    if (auto* popup = dynamic_cast<PPDXPopupControl*>(c)) popup->SetValue(popup->ItemCount());
    if (auto* boolean = dynamic_cast<PPDXBooleanControl*>(c)) boolean->SetValue(!boolean->IsTrue());
    if (auto* range = dynamic_cast<PPDXRangeControl*>(c)) range->SetValue(range->MaxVal());
    if (auto* note = dynamic_cast<PPDXJobNote*>(c)) note->SetNotes("typed");
  }
}

void ResetEveryValue(KTVPPD& ppd) {
  DisplayOptionsScope all(SO_SHOW_ALL);
  CNTL_TYPE kind;
  PPDXControls* controls = ppd.GetControls();
  for (PPDXControl* c = controls->First(kind); c; c = controls->Next(kind))
    c->ResetToDefaultValue();
}

// The bundled description parsed, every value changed, and saved.
class ParserPersistence : public testing::Test {
 protected:
  void SetUp() override {
    ChangeEveryValue(parsed);
    ASSERT_EQ(parsed.Save(settings), noErr);
  }
  KTVPPD parsed{kBundled, PO_PARSE_ALL};
  Settings settings;
};

// Every element comes back with its kind, names, place, flags, values, defaults and code, also
// through a stream; a choice without a translation keeps having none.
TEST_F(ParserPersistence, SavedModelRebuildsTheSameModel) {
  PopupItemList items;
  items.push_back(std::make_unique<_PopupItem>("Plain", std::nullopt, "p\n", 2));
  items.push_back(std::make_unique<_PopupItem>("Matte", "Matt", "m\n", 2));
  ASSERT_NE(parsed.PPDCreatePopupMenu("Sides", "*KTMade", "Made", std::move(items), "Matte"),
            nullptr);
  ASSERT_EQ(parsed.Save(settings), noErr);
  MemoryDataStream stream;
  ASSERT_EQ(settings.Save(&stream), noErr);
  Settings read;
  ASSERT_EQ(read.Read(&stream, 0), noErr);

  KTVPPD rebuilt(read, kBundled);
  EXPECT_TRUE(rebuilt.IsValidPPD());
  EXPECT_STREQ(rebuilt.KTVersion(), parsed.KTVersion());
  EXPECT_NE(rebuilt.GetStringTextEncoding(), 0u);
  ExpectSameModel(parsed, rebuilt);
  ResetEveryValue(parsed);
  ResetEveryValue(rebuilt);
  ExpectSameModel(parsed, rebuilt);  // the defaults came along too

  DisplayOptionsScope all(SO_SHOW_ALL);
  CNTL_TYPE kind;
  PPDXControl* duplex = rebuilt.GetControls()->Find("*KTDuplex", kind, true);
  ASSERT_NE(duplex, nullptr);
  EXPECT_EQ(rebuilt.KeywordMap()->Lookup("*KTDuplex"), duplex);
  // The code of every choice, not only the selected one.
  for (auto* popup = parsed.GetControls()->FirstPopupControl(); popup;
       popup = parsed.GetControls()->NextPopupControl()) {
    PPDXPopupControl* back = rebuilt.GetControls()->FindPopup(popup->Keyword(), true);
    ASSERT_NE(back, nullptr) << popup->Keyword();
    for (long i = 1; i <= popup->ItemCount() && back->ItemAt(i); ++i)
      EXPECT_EQ(back->ItemAt(i)->postScriptData, popup->ItemAt(i)->postScriptData)
          << popup->Keyword() << " " << i;
  }
}

// A fresh parse takes back every current value and nothing else.
TEST_F(ParserPersistence, RestoreSetsTheCurrentValues) {
  KTVPPD target(kBundled, PO_PARSE_ALL);
  EXPECT_NE(Model(target), Model(parsed));
  EXPECT_EQ(target.Restore(settings), noErr);
  ExpectSameModel(parsed, target);
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
