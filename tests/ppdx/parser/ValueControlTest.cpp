// Ranges, job notes (grouped and standalone, flags, extension levels, minimum lengths), special
// options and shortcuts.
#include <gtest/gtest.h>

#include "ModelFacts.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXRangeControl.h"

namespace {

std::string Grouped(const std::string& keyword, const std::string& line,
                    const std::string& after = "") {
  return "*%KTVFlags *" + keyword + " Spooler\n*%KTVGroup *" + keyword + " Roll\n" + line + "\n" +
         after;
}

// Restores the process-wide extension level after a test changes it.
struct ExtensionLevel {
  explicit ExtensionLevel(_EXTENSIONS_SUPPORT_ level) { KTVPPD::SetExtensions(level); }
  ~ExtensionLevel() { KTVPPD::SetExtensions(ES_ALL); }
};

// A range without code is created with a warning; ten-digit values are read whole.
TEST(ParserRange, RangeWithoutCodeIsCreatedWithAWarning) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                Grouped("KTR", "*%KTVRange *KTR/X: (-1234567890;1234567890;2;4)"));
  ExpectFacts(*ppd, {{"controls", "*KTR", R"({"kind": "range", "min": -1234567890,
      "max": 1234567890, "increment": 2, "default": 4, "flags": ["Spooler"], "parent": "Roll"})"}});
  EXPECT_TRUE(ppd.Has(PPDErr_NoPostscript, "*KTR"));
}

TEST(ParserRange, UnitRangeCodeReceivesTheValue) {
  ParsedPPD ppd(
      PPDHeader() + PPDLayout() +
      Grouped("KTR", "*%KTVUnitRange *KTR/Creep: ( 0 ; 50 ; 5 ; 10 ) \"/Creep <*ktr> def\""));
  auto* range = dynamic_cast<PPDXRangeControl*>(ppd.Control("*KTR"));
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(range->GetValue(), 10);
  EXPECT_EQ(PostScriptText(*range), "%%BeginFeature: *KTR 10\n/Creep 10 def\n%%EndFeature\n");
  range->SetValue(35);  // the current value, not the default, goes out
  EXPECT_EQ(PostScriptText(*range), "%%BeginFeature: *KTR 35\n/Creep 35 def\n%%EndFeature\n");
  EXPECT_EQ(range->GetCurrentControlValueString(), "35");
}

TEST(ParserRange, MalformedRangesAreReported) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() + Grouped("KTR", "*%KTVRange *KTOther/X: (1;2;1;1)") +
                Grouped("KTS", "*%KTVRange *KTS/X: 1;2;1;1") +
                Grouped("KTU", "*%KTVRange *KTU/X: (1;2") +
                Grouped("KTV", "*%KTVRange *KTV/X: (1;2147483648;1;1)") +
                Grouped("KTN", "*%KTVJobNote *KTN/N: 99999999999|Alpha"));
  for (const char* keyword : {"*KTR", "*KTS", "*KTU", "*KTV"})
    EXPECT_TRUE(ppd.Has(PPDErr_RangeParsing, keyword)) << keyword;
  EXPECT_TRUE(ppd->GetControls()->NoRangeControls());
  EXPECT_TRUE(ppd.Has(PPDErr_JobNoteParsing, "*KTN"));  // a length beyond 32 bits is refused
  EXPECT_EQ(ppd.Control("*KTN"), nullptr);
}

TEST(ParserJobNote, GroupedNoteReadsLengthFlagsMinimumAndCode) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                Grouped("KTN",
                        "*%KTVJobNote *KTN/Note: 32|Alpha|Numeric|Required|MinLength12|Bogus",
                        "*%KTN: \"%%Note: <*KTN>\"\n"));
  // The flag bits: Alpha 1, Numeric 2, Required 8, MinLength 4194304.
  ExpectFacts(*ppd, {{"controls", "*KTN", R"({"kind": "jobnote", "maxLength": 32, "minLength": 12,
      "flagBits": 4194315, "flags": ["Spooler"], "parent": "Roll"})"}});
  auto* note = dynamic_cast<PPDXJobNote*>(ppd.Control("*KTN"));
  ASSERT_NE(note, nullptr);
  note->SetNotes("hi");
  EXPECT_EQ(PostScriptText(*note), "%%BeginFeature: *KTN hi\n%%Note: hi\n%%EndFeature\n");
}

TEST(ParserJobNote, MinLengthForms) {
  struct Case {
    const char* word;
    int32_t minLength;
  } cases[] = {{"MinLength", 0},
               {"MinLength7", 7},
               {"MinLengthx", -1},
               {"MinLength123", -2},
               {"MinLength1x", -3}};
  for (const Case& c : cases) {
    ParsedPPD ppd(PPDHeader() + PPDLayout() +
                  Grouped("KTN", std::string("*%KTVJobNote *KTN/N: 8|") + c.word));
    auto* note = dynamic_cast<PPDXJobNote*>(ppd.Control("*KTN"));
    ASSERT_NE(note, nullptr) << c.word;
    EXPECT_EQ(note->MinLength(), c.minLength) << c.word;
    EXPECT_EQ(note->NoteFlags(), uint32_t(JNF_MinLength)) << c.word;
  }
}

TEST(ParserJobNote, StandaloneNoteTakesItsDefaultAndTheNotesGroup) {
  ParsedPPD ppd(
      PPDHeader() +
      "*%KTVGroupName FPKTNotes/Notes: True\n*%KTVJobNote *Notes2/Note 2: 63|Alpha|MinLength12\n"
      "*%DefaultNotes2: Proof\n*%KTVJobNote *Notes1/Note 1: 8\n*%Other: line\n");
  // "FPKTNotes" is only a pending name here, no roll-down: the note stays an orphan.
  ExpectFacts(*ppd, {{"controls", "*Notes2", R"({"kind": "jobnote", "notes": "Proof",
      "minLength": 0, "flagBits": 1, "flags": [], "parent": null})"},
                     {"controls", "*Notes1", R"({"kind": "jobnote", "notes": null})"}});
  EXPECT_FALSE(ppd.Has(PPDErr_InvalidParent, "*Notes2"));
}

TEST(ParserJobNote, ExtensionLevelBoundaries) {
  struct Case {
    _EXTENSIONS_SUPPORT_ level;
    const char* accepted;
    const char* rejected;
  } cases[] = {{ES_1_0, "Member", "OnOfSwitch"},
               {ES_1_1, "SecPrint", "Command"},
               {ES_1_2, "Negative", "Encrypt"}};
  for (const Case& c : cases) {
    ExtensionLevel level(c.level);
    ParsedPPD ok(PPDHeader() + PPDLayout() +
                 Grouped("KTN", std::string("*%KTVJobNote *KTN/N: 8|") + c.accepted));
    EXPECT_FALSE(ok.Has(PPDErr_UnsupportedJobNoteFlag)) << c.accepted;
    // A newer flag is reported and ends the flags; the note keeps those before it.
    ParsedPPD bad(
        PPDHeader() + PPDLayout() +
        Grouped("KTN", std::string("*%KTVJobNote *KTN/N: 8|Alpha|") + c.rejected + "|Numeric"));
    EXPECT_TRUE(bad.Has(PPDErr_UnsupportedJobNoteFlag, "*KTN")) << c.rejected;
    auto* note = dynamic_cast<PPDXJobNote*>(bad.Control("*KTN"));
    ASSERT_NE(note, nullptr) << c.rejected;
    EXPECT_EQ(note->NoteFlags(), uint32_t(JNF_Alpha)) << c.rejected;
  }
}

TEST(ParserJobNote, MalformedNotes) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() + Grouped("KTN", "*%KTVJobNote *KTOther/N: 8") +
                "*%KTVJobNote /N: 8\n*%KTVJobNote *KTQuiet/N\n");
  EXPECT_TRUE(ppd.Has(PPDErr_JobNoteParsing, "*KTOther"));
  EXPECT_TRUE(ppd.Has(PPDErr_JobNoteParsing));
  EXPECT_EQ(ppd.Control("*KTQuiet"), nullptr);
}

TEST(ParserSpecialOption, HiddenOptionWithValueOutsideTheKeywordMap) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVSpecialOption KTServerModel: MTQ-ix \n*%KTVSpecialOption Empty:\n");
  ExpectFacts(*ppd, {{"controls", "KTServerModel",
                      R"({"kind": "special", "value": "MTQ-ix", "visible": false})"}});
  DisplayOptionsScope all(SO_SHOW_ALL);
  EXPECT_EQ(ppd->GetControls()->SpecialOptionsCount(), 1);
  EXPECT_EQ(ppd->KeywordMap()->Lookup("KTServerModel"), nullptr);
}

TEST(ParserShortcut, ShortcutsResolveInOrderAndReportUnknownAndReservedKeywords) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                "*%KTShortcut *KTB\n*%KTShortcut *Missing\n*%KTShortcut *KTChromvale\n" +
                Grouped("KTA", "*OpenUI *KTA/A: PickOne",
                        "*DefaultKTA: X\n*KTA X/X: \"x\"\n*CloseUI: *KTA\n") +
                Grouped("KTB", "*OpenUI *KTB/B: PickOne",
                        "*DefaultKTB: X\n*KTB X/X: \"x\"\n*CloseUI: *KTB\n") +
                Grouped("KTS", "*OpenUI *KTS/S: Boolean",
                        "*DefaultKTS: True\n*KTS True/On: \"\"\n*CloseUI: *KTS\n") +
                "*%KTShortcut *KTA\n*%KTShortcut *KTS\n");
  PPDXShortcuts* shortcuts = ppd->GetShortcuts();
  EXPECT_EQ(shortcuts->Count(), 2);  // the count and the walk agree: popups only
  EXPECT_EQ(ModelOf(*ppd)["shortcuts"], json({"*KTB", "*KTA"}));
  EXPECT_TRUE(ppd.Has(PPDErr_BadShortcut, "*KTS"));
  EXPECT_TRUE(ppd.Has(PPDErr_BadShortcut, "*Missing"));
  EXPECT_TRUE(ppd.Has(PPDErr_BadShortcut, "*KTChromvale"));
  EXPECT_EQ(shortcuts->Chromvale(), nullptr);
}

}  // namespace
