// Property pages, group names, parents, orphan groups and the installable-options roll-down.
#include <gtest/gtest.h>

#include "ParserTestSupport.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/controls/PPDXControl.h"

namespace {

TEST(ParserLayout, PropertyPageFlagsSetVisibilityAndWhereItShows) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVPropPage P1/One: \"True|Prop\"\n*%KTVPropPage P2/Two: True|App\n"
                "*%KTVPropPage P3/Three: Prop\n");
  PPDXProperty* one = ppd->GetProperties()->Find("P1", true);
  ASSERT_NE(one, nullptr);
  EXPECT_TRUE(one->IsVisible());
  EXPECT_TRUE(one->ShowInPrintProp());
  EXPECT_FALSE(one->ShowInApp());
  EXPECT_STREQ(one->UserName(), "One");
  PPDXProperty* two = ppd->GetProperties()->Find("P2", true);
  ASSERT_NE(two, nullptr);
  EXPECT_FALSE(two->ShowInPrintProp());
  EXPECT_TRUE(two->ShowInApp());
  PPDXProperty* three = ppd->GetProperties()->Find("P3", true);
  ASSERT_NE(three, nullptr);
  EXPECT_FALSE(three->IsVisible());
}

TEST(ParserLayout, HiddenPageIsSkippedUnlessHiddenElementsAreParsed) {
  ParsedPPD ppd(PPDHeader() + "*%KTVPropPage P3/Three: Prop\n", PO_PARSE_ORPHANS);
  EXPECT_EQ(ppd->GetProperties()->Find("P3", true), nullptr);
}

TEST(ParserLayout, MalformedAndDuplicatePagesAreReported) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVPropPage /Nameless: True\n*%KTVPropPage P1/One: True\n"
                "*%KTVPropPage P1/Again: True\n*%KTVPropPage NoTranslation\n");
  EXPECT_TRUE(ppd.Has(PPDErr_PropPageParsing));
  EXPECT_TRUE(ppd.Has(PPDErr_Duplicate, "P1"));
  EXPECT_EQ(ppd->GetProperties()->Count(), 1);
  EXPECT_STREQ(ppd->GetProperties()->First()->UserName(), "One");
}

TEST(ParserLayout, PageScrollPaneRollDownChainIsLinked) {
  ParsedPPD ppd(PPDHeader() + PPDLayout());
  PPDXProperty* page = ppd->GetProperties()->Find("Pg", true);
  auto* pane = dynamic_cast<PPDXScrollPane*>(ppd->GetGroups()->Find("Pane", true));
  auto* roll = dynamic_cast<PPDXRollDown*>(ppd->GetGroups()->Find("Roll", true));
  ASSERT_NE(page, nullptr);
  ASSERT_NE(pane, nullptr);
  ASSERT_NE(roll, nullptr);
  EXPECT_EQ(page->GetScrollDown(), pane);
  EXPECT_EQ(pane->GetParent(), page);
  EXPECT_EQ(roll->GetParent(), pane);
  EXPECT_EQ(pane->RollDowns()->First(), roll);
  EXPECT_FALSE(ppd.Has(PPDErr_NoPropertyPages));
  EXPECT_FALSE(ppd.Has(PPDErr_NoGroups));
  EXPECT_TRUE(ppd.Has(PPDErr_NoControls));
}

TEST(ParserLayout, ParentOfAnUndeclaredChildDoesNothing) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVPropPage Pg/Page: True\n*%KTVParent Ghost/Pg: True|Scrollpane\n");
  EXPECT_EQ(ppd->GetGroups()->Find("Ghost", true), nullptr);
  EXPECT_EQ(ppd->GetProperties()->Find("Pg", true)->GetScrollDown(), nullptr);
  EXPECT_FALSE(ppd.Has(PPDErr_ParentParsingNoParent));
}

TEST(ParserLayout, ParentsOfTheWrongKindAreReported) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVGroupName Pane/Pane: True\n*%KTVParent Pane/NoPage: True|Scrollpane\n"
                "*%KTVGroupName Roll/Roll: True\n*%KTVParent Roll/NoPane: True|Rolldown\n"
                "*%KTVParent Roll\n*%KTVParent /x: True\n");
  EXPECT_TRUE(ppd.Has(PPDErr_ParentParsingNoParent, "NoPage"));
  EXPECT_TRUE(ppd.Has(PPDErr_ParentParsingNoParent, "NoPane"));
  EXPECT_TRUE(ppd.Has(PPDErr_ParentParsing, "Roll"));
  EXPECT_TRUE(ppd.Has(PPDErr_ParentParsing));
}

TEST(ParserLayout, LastKindWordOfAParentLineWins) {
  ParsedPPD ppd(PPDHeader() +
                "*%KTVPropPage Pg/Page: True\n*%KTVGroupName Pane/Pane: True\n"
                "*%KTVParent Pane/Pg: True|Rolldown|Scrollpane\n");
  EXPECT_NE(dynamic_cast<PPDXScrollPane*>(ppd->GetGroups()->Find("Pane", true)), nullptr);
}

TEST(ParserLayout, DuplicateGroupNameIsReported) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                "*%KTVGroupName Roll/Again: True\n*%KTVGroupName : True\n");
  EXPECT_TRUE(ppd.Has(PPDErr_Duplicate, "Roll"));
  EXPECT_TRUE(ppd.Has(PPDErr_GroupNameParsing));
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
  auto* roll = dynamic_cast<PPDXRollDown*>(ppd->GetGroups()->Find("InstallableOptions", true));
  ASSERT_NE(roll, nullptr);
  EXPECT_STREQ(roll->UserName(), "Installed Options");
  PPDXControl* finisher = ppd.Control("*KTFinisher");
  ASSERT_NE(finisher, nullptr);
  EXPECT_EQ(finisher->GetParent(), roll);
  PPDXControl* after = ppd.Control("*KTAfter");
  ASSERT_NE(after, nullptr);
  EXPECT_TRUE(after->IsOrphan());
  EXPECT_TRUE(ppd.Has(PPDErr_InvalidParent, "*KTAfter"));

  // Without a translation the keyword names the group, as for a UI block.
  ParsedPPD bare(PPDHeader() + "*OpenGroup: InstallableOptions\n*CloseGroup: InstallableOptions\n");
  PPDXGroup* unnamed = bare->GetGroups()->Find("InstallableOptions", true);
  ASSERT_NE(unnamed, nullptr);
  EXPECT_STREQ(unnamed->UserName(), "InstallableOptions");
}

}  // namespace
