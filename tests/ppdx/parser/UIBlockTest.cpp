// "*%KTVFlags" lines and the UI blocks they introduce: placement, defaults, choices and errors.
#include <gtest/gtest.h>

#include "ModelFacts.h"
#include "ppdx/controls/PPDXPopupControl.h"

namespace {

const std::string kChoices =
    "*DefaultKTA: B\n*KTA A/Choice A: \"code a\"\n*KTA B/Choice B: \"code b\"\n";

TEST(ParserUIBlock, GroupedPopupIsPlacedInItsRollDownWithFlagsAndDefault) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                UIBlock("KTA", "Roll", kChoices, "\"Command|Spooler|Bogus\""));
  ExpectFacts(*ppd, {{"controls", "*KTA", R"({"kind": "popup", "name": "Name KTA",
      "parent": "Roll", "flags": ["Command", "Spooler", "Bogus"], "value": 2, "default": "B",
      "items": [{"keyword": "A", "name": "Choice A", "selected": false},
                {"keyword": "B", "name": "Choice B", "selected": true}]})"},
                     {"groups", "Roll", R"({"kind": "rolldown", "children": ["*KTA"]})"}});
  EXPECT_TRUE(ppd->IsValidPPD());
  EXPECT_FALSE(ppd.Has(PPDErr_NoControls));
}

// The forms of a choice line: the option keyword ends at a slash or colon, the translation at the
// next colon; blanks around either are dropped, and a missing or empty translation gives the
// option keyword.
TEST(ParserUIBlock, ChoiceLineFormsGiveKeywordAndName) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                UIBlock("KTA", "Roll",
                        "*DefaultKTA: A\n*KTA A: \"a\"\n*KTA  B /  Choice B  : \"b\"\n"
                        "*KTA C/Has: colon: \"c\"\n*KTA D/: \"d\"\n*KTA E/Slash/in: \"e\"\n"
                        "*KTA F/A translation well past a short string: \"f\"\n"
                        "*KTA /NoKeyword: \"x\"\n"));
  ExpectFacts(*ppd, {{"controls", "*KTA", R"({"items": [
      {"keyword": "A", "name": "A", "selected": true},
      {"keyword": "B", "name": "Choice B", "selected": false},
      {"keyword": "C", "name": "Has", "selected": false},
      {"keyword": "D", "name": "D", "selected": false},
      {"keyword": "E", "name": "Slash/in", "selected": false},
      {"keyword": "F", "name": "A translation well past a short string", "selected": false}]})"}});
}

// Whether a block makes a control, whether it is an orphan, and the one record the parse makes
// besides the warnings for empty containers (0: none).
TEST(ParserUIBlock, PlacementNeedsAFlagsLineAndARollDown) {
  const std::string ungrouped = PPDHeader() + UIBlock("KTA", "", kChoices);
  const struct {
    const char* name;
    std::string text;
    _PARSE_OPTIONS_ options;
    bool control, orphan;
    short code;
  } kCases[] = {
      {"no flags line",
       PPDHeader() + PPDLayout() + "*OpenUI *KTA/A: PickOne\n" + kChoices + "*CloseUI: *KTA\n",
       PO_PARSE_ALL, false, false, 0},
      {"group line for another control",
       PPDHeader() + PPDLayout() + "*%KTVFlags *KTA\n*%KTVGroup *KTOther Roll\n" +
           "*OpenUI *KTA/A: PickOne\n" + kChoices + "*CloseUI: *KTA\n",
       PO_PARSE_ALL, false, false, 0},
      {"plain group",
       PPDHeader() + "*%KTVGroupName Plain/Plain: True\n" + UIBlock("KTA", "Plain", kChoices),
       PO_PARSE_ALL, true, true, PPDErr_InvalidParent},
      {"no group, orphans not parsed", ungrouped, PO_NONE, false, false, PPDErr_NoParent},
      {"no group, orphans parsed", ungrouped, PO_PARSE_ORPHANS, true, true, PPDErr_InvalidParent},
  };
  for (const auto& c : kCases) {
    ParsedPPD ppd(c.text, c.options);
    PPDXControl* control = ppd.Control("*KTA");
    ASSERT_EQ(control != nullptr, c.control) << c.name;
    if (control) {
      EXPECT_EQ(control->IsOrphan(), c.orphan) << c.name;
    }
    for (short code : ppd.Codes()) {
      const bool emptyContainer = code >= PPDErr_NoPropertyPages && code <= PPDErr_NoControls;
      EXPECT_TRUE(emptyContainer || code == c.code) << c.name << ": " << code;
    }
    if (c.code != 0) {
      EXPECT_TRUE(ppd.Has(c.code, "*KTA")) << c.name;
    }
  }
}

TEST(ParserUIBlock, OpenerWithoutTranslationStillGivesAControl) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                "*%KTVFlags *KTA\n*%KTVGroup *KTA Roll\n*OpenUI *KTA: PickOne\n" + kChoices +
                "*CloseUI: *KTA\n");
  PPDXControl* control = ppd.Control("*KTA");
  ASSERT_NE(control, nullptr);
  EXPECT_STREQ(control->UserName(), "KTA");
  EXPECT_FALSE(ppd.Has(PPDErr_InvalidOpenUIType));
}

TEST(ParserUIBlock, SecondDefaultStopsTheParseFatally) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() + UIBlock("KTA", "Roll", kChoices + "*DefaultKTA: A\n") +
                UIBlock("KTZ", "Roll", "*DefaultKTZ: A\n*KTZ A/A: \"a\"\n"));
  EXPECT_TRUE(ppd.HasFatal(PPDErr_PopupParsing));
  EXPECT_FALSE(ppd->IsValidPPD());
  EXPECT_EQ(ppd.Control("*KTA"), nullptr);
  EXPECT_EQ(ppd.Control("*KTZ"), nullptr);
}

TEST(ParserUIBlock, MissingDefaultWarnsAndSelectsNothing) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() + UIBlock("KTA", "Roll", "*KTA A/A: \"a\"\n"));
  auto* popup = dynamic_cast<PPDXPopupControl*>(ppd.Control("*KTA"));
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->GetValue(), 0);
  EXPECT_TRUE(ppd.Has(PPDErr_NoDefaultValueFlag, "*KTA"));
  EXPECT_TRUE(ppd->IsValidPPD());
  ppd->AllErrorsFatal(true);  // then the warning invalidates
  EXPECT_FALSE(ppd->IsValidPPD());
}

TEST(ParserUIBlock, PickManyAndBooleanBlocks) {
  ParsedPPD ppd(
      PPDHeader() + PPDLayout() +
      "*%KTVFlags *KTM\n*%KTVGroup *KTM Roll\n*OpenUI *KTM/Many: PickMany\n*DefaultKTM: A\n"
      "*KTM A/A: \"a\"\n*KTM B/B: \"b\"\n*CloseUI: *KTM\n"
      "*%KTVFlags *KTB\n*%KTVGroup *KTB Roll\n*OpenUI *KTB/Switch: Boolean\n*DefaultKTB: True\n"
      "*KTB True/Install\xE9: \"on\"\n*KTB False/Off: \"off\"\n*CloseUI: *KTB\n");
  // The texts are decoded like every translation.
  ExpectFacts(*ppd, {{"controls", "*KTM", R"({"kind": "popup", "multi": true})"},
                     {"controls", "*KTB", R"({"kind": "boolean", "value": true, "default": true,
      "trueText": "Install\u00E9", "falseText": "Off",
      "postscript": "%%BeginFeature: *KTB True\non\n%%EndFeature\n"})"}});
}

TEST(ParserUIBlock, MalformedBlocksAreReported) {
  ParsedPPD ppd(
      PPDHeader() + PPDLayout() +
      "*%KTVFlags *KTB\n*%KTVGroup *KTB Roll\n*OpenUI *KTB/Switch: Boolean\n*DefaultKTB: True\n"
      "*KTB Maybe/Maybe: \"?\"\n*CloseUI: *KTB\n"
      "*%KTVFlags *KTT\n*%KTVGroup *KTT Roll\n*OpenUI *KTT/Typed: PickSome\n*CloseUI: *KTT\n"
      "*%KTVFlags *KTO\n*%KTVGroup *KTO Roll\n*OpenUI /NoKeyword: PickOne\n"
      "*%KTVFlags *KTN\n*Something: else\n"
      "*%KTVFlags\n"
      "*%KTVFlags *KTG\n*%KTVGroup\n"
      "*%KTVFlags *KTH\n*%KTVGroup *KTH Roll\n*Unexpected: line\n");
  EXPECT_TRUE(ppd.Has(PPDErr_BooleanParsing, "*KTB"));
  EXPECT_TRUE(ppd.Has(PPDErr_InvalidOpenUIType, "*KTT"));
  EXPECT_TRUE(ppd.Has(PPDErr_OpenUIParsing, "*KTO"));
  EXPECT_TRUE(ppd.Has(PPDErr_ControlParsing, "*KTN"));
  EXPECT_TRUE(ppd.Has(PPDErr_ControlParsing));
  EXPECT_TRUE(ppd.Has(PPDErr_GroupParsing, "*KTG"));
  EXPECT_TRUE(ppd.Has(PPDErr_GroupParsing, "*KTH"));
  EXPECT_TRUE(ppd->IsValidPPD());
  EXPECT_TRUE(ppd->GetControls()->Empty());
}

// A second block for a keyword is refused wherever the first one was placed, including outside
// any group, where the display filter of the parse does not show it.
TEST(ParserUIBlock, DuplicateControlKeywordIsReported) {
  for (const char* group : {"Roll", ""}) {
    ParsedPPD ppd(PPDHeader() + PPDLayout() + UIBlock("KTA", group, kChoices) +
                  UIBlock("KTA", group, kChoices));
    EXPECT_TRUE(ppd.Has(PPDErr_Duplicate, "*KTA")) << "group '" << group << "'";
    DisplayOptionsScope all(SO_SHOW_ALL);
    EXPECT_EQ(ppd->GetControls()->PopupCount(), 1) << "group '" << group << "'";
  }
}

}  // namespace
