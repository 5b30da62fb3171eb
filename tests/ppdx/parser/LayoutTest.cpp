// Property pages, group names, parents, orphan groups and the installable-options roll-down.
#include <gtest/gtest.h>

#include "ModelFacts.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXScrollPane.h"

namespace {

TEST(ParserLayout, PropertyPageFlagsSetVisibilityAndWhereItShows) {
  const struct {
    const char* lines;
    _PARSE_OPTIONS_ options;
    const char* keyword;
    const char* name;  // null: no page
    bool visible, showInPrintProp, showInApp;
  } kCases[] = {
      {"*%KTVPropPage P1/One: \"True|Prop\"\n", PO_PARSE_ALL, "P1", "One", true, true, false},
      {"*%KTVPropPage P2/Two: True|App\n", PO_PARSE_ALL, "P2", "Two", true, false, true},
      {"*%KTVPropPage P3/Three: Prop\n", PO_PARSE_ALL, "P3", "Three", false, true, false},
      {"*%KTVPropPage P3/Three: Prop\n", PO_PARSE_ORPHANS, "P3", nullptr, false, false,
       false},  // hidden
      {"*%KTVPropPage P1/One: True\n*%KTVPropPage P1/Again: True\n", PO_PARSE_ALL, "P1", "One",
       true, true, true},  // a duplicate leaves the first
      {"*%KTVPropPage NoTranslation\n", PO_PARSE_ALL, "NoTranslation", nullptr, false, false,
       false},
  };
  for (const auto& c : kCases) {
    ParsedPPD ppd(PPDHeader() + c.lines, c.options);
    PPDXProperty* page = ppd->GetProperties()->Find(c.keyword, true);
    ASSERT_EQ(page != nullptr, c.name != nullptr) << c.lines;
    if (!page) continue;
    EXPECT_STREQ(page->UserName(), c.name) << c.lines;
    EXPECT_EQ(page->IsVisible(), c.visible) << c.lines;
    EXPECT_EQ(page->ShowInPrintProp(), c.showInPrintProp) << c.lines;
    EXPECT_EQ(page->ShowInApp(), c.showInApp) << c.lines;
  }
}

TEST(ParserLayout, MalformedLayoutLinesAreReported) {
  const struct {
    std::string lines;
    short code;
    const char* keyword;
  } kCases[] = {
      {"*%KTVPropPage /Nameless: True\n", PPDErr_PropPageParsing, nullptr},
      {"*%KTVPropPage P1/One: True\n*%KTVPropPage P1/Again: True\n", PPDErr_Duplicate, "P1"},
      {"*%KTVGroupName Pane/Pane: True\n*%KTVParent Pane/NoPage: True|Scrollpane\n",
       PPDErr_ParentParsingNoParent, "NoPage"},
      {"*%KTVGroupName Roll/Roll: True\n*%KTVParent Roll/NoPane: True|Rolldown\n",
       PPDErr_ParentParsingNoParent, "NoPane"},
      {"*%KTVParent Roll\n", PPDErr_ParentParsing, "Roll"},
      {"*%KTVParent /x: True\n", PPDErr_ParentParsing, nullptr},
      {PPDLayout() + "*%KTVGroupName Roll/Again: True\n", PPDErr_Duplicate, "Roll"},
      {"*%KTVGroupName : True\n", PPDErr_GroupNameParsing, nullptr},
  };
  for (const auto& c : kCases) {
    ParsedPPD ppd(PPDHeader() + c.lines);
    EXPECT_TRUE(ppd.Has(c.code, c.keyword)) << c.lines;
  }
}

TEST(ParserLayout, PageScrollPaneRollDownChainIsLinked) {
  ParsedPPD ppd(PPDHeader() + PPDLayout());
  ExpectFacts(
      *ppd, {{"properties", "Pg", R"({"scrollPane": "Pane"})"},
             {"groups", "Pane", R"({"kind": "scrollpane", "parent": "Pg", "children": ["Roll"]})"},
             {"groups", "Roll", R"({"kind": "rolldown", "parent": "Pane"})"}});
  EXPECT_FALSE(ppd.Has(PPDErr_NoPropertyPages));
  EXPECT_FALSE(ppd.Has(PPDErr_NoGroups));
  EXPECT_TRUE(ppd.Has(PPDErr_NoControls));
}

// A parent line for an undeclared child does nothing; of two kind words the last wins.
TEST(ParserLayout, ParentLinesForUndeclaredChildrenAndWithTwoKinds) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVPropPage Pg/Page: True\n*%KTVParent Ghost/Pg: True|Scrollpane\n"
                "*%KTVGroupName Pane/Pane: True\n*%KTVParent Pane/Pg: True|Rolldown|Scrollpane\n");
  EXPECT_EQ(ppd->GetGroups()->Find("Ghost", true), nullptr);
  EXPECT_FALSE(ppd.Has(PPDErr_ParentParsingNoParent));
  auto* pane = dynamic_cast<PPDXScrollPane*>(ppd->GetGroups()->Find("Pane", true));
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(ppd->GetProperties()->Find("Pg", true)->GetScrollDown(), pane);
}

TEST(ParserLayout, PendingGroupNamesBecomeOrphanGroupsOnlyWhenOrphansAreParsed) {
  const std::string text =
      PPDHeader() + "*%KTVGroupName Lonely/Lonely: True\n*%KTVGroupName Hidden/Hidden: False\n";
  ParsedPPD all(text, PO_PARSE_ALL);
  PPDXGroup* lonely = all->GetGroups()->Find("Lonely", true);
  ASSERT_NE(lonely, nullptr);
  EXPECT_TRUE(lonely->IsOrphan());
  EXPECT_NE(all->GetGroups()->Find("Hidden", true), nullptr);
  ParsedPPD none(text, PO_NONE);
  EXPECT_EQ(none->GetGroups()->Find("Lonely", true), nullptr);
}

TEST(ParserLayout, InstallableOptionsGoIntoTheirOwnRollDown) {
  ParsedPPD ppd(PPDHeader() +
                "*OpenGroup: InstallableOptions/Installed Options\n"
                "*%KTVFlags *KTFinisher\n*OpenUI *KTFinisher/Finisher: PickOne\n"
                "*DefaultKTFinisher: None\n*KTFinisher None/None: \"\"\n"
                "*KTFinisher Finisher/Finisher: \"\"\n*CloseUI: *KTFinisher\n"
                "*CloseGroup: InstallableOptions\n"
                "*%KTVFlags *KTAfter\n*OpenUI *KTAfter/After: Boolean\n*DefaultKTAfter: False\n"
                "*KTAfter True/Yes: \"\"\n*KTAfter False/No: \"\"\n*CloseUI: *KTAfter\n");
  ExpectFacts(*ppd, {{"groups", "InstallableOptions", R"({"kind": "rolldown",
      "name": "Installed Options", "children": ["*KTFinisher"]})"},
                     {"controls", "*KTFinisher", R"({"parent": "InstallableOptions"})"},
                     {"controls", "*KTAfter", R"({"parent": null})"}});
  EXPECT_TRUE(ppd.Has(PPDErr_InvalidParent, "*KTAfter"));

  // Without a translation the keyword names the group, as for a UI block.
  ParsedPPD bare(PPDHeader() + "*OpenGroup: InstallableOptions\n*CloseGroup: InstallableOptions\n");
  ExpectFacts(*bare, {{"groups", "InstallableOptions", R"({"name": "InstallableOptions"})"}});
}

}  // namespace
