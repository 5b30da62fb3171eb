// The record as ticket entries: the defaults, the fixed tables and their fallbacks, the PPD
// choices, and the dispatch by pane selector.
#include <functional>

#include "options/OptionsTestSupport.h"

namespace {

using TicketOutput = ControllerTest;

TEST_F(TicketOutput, DefaultsGiveTheDocumentedEntries) {
  const PMPPDDict ticket = TicketOf();
  const std::pair<const char*, const char*> expected[] = {
      {"KTCV_Processing", "PrintDelete"},
      {"KTSeparations", "Automatic"},
      {"KTCV_SaveAs", "False"},
      {"KTDuplex", "False"},
      {"KTFaceDown", "True"},
      {"KTCollate", "True"},
      {"KTCV_Imposition", "None"},
      {"KTCV_SS_SecSize", "16"},
      {"KTCV_ImpCrpMrk", "CopyMarksMedium"},
      {"KTCV_FinishingType", "None"},
      {"KTStapler", "False"},
      {"KTOrientationOvr", "False"},
      {"KTOffsetJobs", "True"},
      {"KTPunchHoleType", "None"},
      {"KTPunchEdge", "Left"},
      {"KTTextGfxQual", "False"},
      {"KTCV_GlossPrint", "False"},
      {"KTCV_EdgeSmooth", "True"},
      {"KTOutputBin", "Auto"},
      {"KTMediaType", "Plain"},
  };
  for (const auto& [key, value] : expected) {
    ASSERT_TRUE(ticket.count(key)) << key;
    EXPECT_EQ(ticket.at(key), value) << key;
  }
  EXPECT_FALSE(ticket.count("KTCV_TIFFDPI"));
  EXPECT_FALSE(ticket.count("KTPlainQuality")) << "no media-types list, no quality entry";
}

TEST_F(TicketOutput, FieldsOutsideTheirTablesTakeTheirFallbacks) {
  const struct {
    const char* name;
    std::function<void(CorvelOptionsData&)> set;
    const char* key;
    const char* value;
  } cases[] = {
      {"separations 3", [](auto& d) { d.separationsMenuSelection = 3; }, "KTSeparations", "None"},
      {"separations 9", [](auto& d) { d.separationsMenuSelection = 9; }, "KTSeparations", "None"},
      {"output bin 0", [](auto& d) { d.outputMenuSelection = 0; }, "KTOutputBin", "FinisherTop"},
      {"output bin 8", [](auto& d) { d.outputMenuSelection = 8; }, "KTOutputBin", "FinisherTop"},
      {"fold past the choices", [](auto& d) { d.foldingMenuSelection = 40; }, "KTFold", ""},
      {"crop marks 0", [](auto& d) { d.cropMarks = 0; }, "KTCV_ImpCrpMrk", "CopyMarksMedium"},
      {"crop marks 7", [](auto& d) { d.cropMarks = 7; }, "KTCV_ImpCrpMrk", "CopyMarksMedium"},
      {"crop marks 6", [](auto& d) { d.cropMarks = 6; }, "KTCV_ImpCrpMrk", "CopyMarksNone"},
      {"resolution 4", [](auto& d) { d.saveAsType = 1, d.dpiMenuSelection = 4; }, "KTCV_TIFFDPI",
       "Save72"},
      {"resolution -1", [](auto& d) { d.saveAsType = 1, d.dpiMenuSelection = -1; }, "KTCV_TIFFDPI",
       "Save72"},
      {"resolution 3", [](auto& d) { d.saveAsType = 1, d.dpiMenuSelection = 3; }, "KTCV_TIFFDPI",
       "Save600"},
      {"staple 10", [](auto& d) { d.stapleMenuSelection = 10; }, "KTStapler", "False"},
      {"double left", [](auto& d) { d.stapleMenuSelection = 8; }, "KTStapler", "2Left"},
      {"punch edge 4", [](auto& d) { d.punchPositionMenuSelection = 4; }, "KTPunchEdge", "None"},
      {"finishing 5", [](auto& d) { d.finishingMenuSelection = 5; }, "KTCV_FinishingType", "None"},
      {"duplex 7", [](auto& d) { d.duplexMenuSelection = 7; }, "KTDuplex", "ShortEdge"},
      {"imposition on", [](auto& d) { d.imposition = 1; }, "KTCV_Imposition", "Saddle"},
      {"orientation 2", [](auto& d) { d.orientationSelection = 2; }, "KTOrientationOvr", "False"},
  };
  for (const auto& c : cases) {
    mController->SetCorvelOptionsInUI(All_CorvelOptions, DefaultOptions);
    c.set(Data());
    const PMPPDDict ticket = TicketOf();
    ASSERT_TRUE(ticket.count(c.key)) << c.name;
    EXPECT_EQ(ticket.at(c.key), c.value) << c.name;
  }
}

TEST_F(TicketOutput, MediaQualityFollowsTheMediaTypesList) {
  PlistValue::Dictionary menus{{"Coated", PlistValue("KTCoatedQuality")}};
  mController->mMediaDict = PlistValue(PlistValue::Dictionary{{"QualityMenu", menus}});
  Data().paperTypeMenuSelection = 4;  // Coated
  Data().mediaQualityMenuSelection = 2;
  PMPPDDict ticket = TicketOf(Page_CorvelOptions);
  EXPECT_EQ(ticket["KTMediaType"], "Coated");
  EXPECT_EQ(ticket["KTCoatedQuality"], "High");
  Data().paperTypeMenuSelection = 9;  // Labels: not in the list
  EXPECT_EQ(TicketOf(Page_CorvelOptions).size(), ticket.size() - 1);
}

// Each selector resets exactly its own pane, whatever the tab order says.
TEST_F(TicketOutput, SelectorsAddressTheirPanes) {
  const struct {
    int selector;
    bool infoReset, outputReset;
  } cases[] = {{Info_CorvelOptions, true, false},
               {Output_CorvelOptions, false, true},
               {All_CorvelOptions, true, true},
               {9, false, false}};
  for (const auto& c : cases) {
    SetPStringBytes("me", Data().owner);
    Data().outputMenuSelection = 5;
    mController->SetCorvelOptionsInUI(CorvelOptions(c.selector), DefaultOptions);
    EXPECT_EQ(Data().owner[0] == 0, c.infoReset) << c.selector;
    EXPECT_EQ(Data().outputMenuSelection == 1, c.outputReset) << c.selector;
  }
  mController->SetCorvelOptionsInUI(All_CorvelOptions, PPDDictOptions);
  EXPECT_EQ(Data().outputMenuSelection, 5);
}

}  // namespace
