// The constraint rules as a user meets them: choices made in the installed panes, or stored values
// written into them, and what the rules leave enabled, disabled or changed.
#include <string>
#include <vector>

#include "options/PaneTestSupport.h"
#include "printsys/PMTicket.h"

namespace {

using Items = std::vector<int32_t>;

// The controller with the queue command and the server read replaced by a record of their calls.
class RecordingOptions : public CCorvelOptions {
 public:
  using CCorvelOptions::CCorvelOptions;
  void GetInstallableOptionsFromServer(const std::string& address) override {
    calls.push_back("read " + address);
  }
  void SetServerOption(char* address, char* keyword, char* choice) override {
    calls.push_back(std::string(address) + " " + keyword + "=" + choice);
  }
  std::vector<std::string> calls;
};

class PaneConstraints : public PaneTest {
 protected:
  CCorvelOptions* MakeController(bool secureAccess) override {
    return new RecordingOptions(mPane, secureAccess);
  }

  // Shows the control's pane, as a user must before clicking it.
  void ShowPaneOf(const char (&signature)[5]) {
    static constexpr const char* kTabs[] = {"file", "page", "outp", "qual", "xtra", "info", "accs"};
    for (uint16_t tab = 1; tab <= 7; ++tab)
      if (std::string(kTabs[tab - 1]) == signature) UserClickTab(Control("crvl", 128), tab);
  }
  void Choose(const char (&signature)[5], int32_t id, uint16_t item) {
    ShowPaneOf(signature);
    const OSStatus status = UserChoosePopupItem(Control(signature, id), item);
    EXPECT_TRUE(status == noErr || status == eventNotHandledErr) << signature << id;
  }
  void Click(const char (&signature)[5], int32_t id) {
    ShowPaneOf(signature);
    UserClickControl(Control(signature, id));
  }
  // A stored value written into its control, as the pane writers do.
  void Store(const char (&signature)[5], int32_t id, int16_t value) {
    mController->SetCorvelControlValue(FourCC(signature), id, value);
  }
  Items EnabledItems(const char (&signature)[5], int32_t id) {
    MenuRef menu = GetControlPopupMenuHandle(Control(signature, id));
    Items enabled;
    for (uint16_t item = 1; item <= CountMenuItems(menu); ++item)
      if (IsMenuItemEnabled(menu, item)) enabled.push_back(item);
    return enabled;
  }
  bool Enabled(const char (&signature)[5], int32_t id) {
    return IsControlEnabled(Control(signature, id));
  }
};

TEST_F(PaneConstraints, StaplingForcesFaceDownCollatedAndNoStapleRestores) {
  Install(false, "Finisher6");
  Choose("outp", 29, 2);
  Click("page", 14);  // face up on
  Click("page", 15);  // collate off
  for (uint16_t staple : {2, 8}) {
    Choose("outp", 11, staple);  // the Output handler applies the Page rules too
    EXPECT_EQ(Value("page", 14), 0) << staple;
    EXPECT_EQ(Value("page", 15), 1) << staple;
  }
  Choose("outp", 11, 1);
  EXPECT_EQ(Value("page", 14), 1) << "the values before the first staple, not the forced ones";
  EXPECT_EQ(Value("page", 15), 0);
}

TEST_F(PaneConstraints, PunchEdgeLeavesOnlyTheStaplesItHasRoomFor) {
  const struct {
    int16_t edge, staple, stapleAfter;
    Items staples, edges;
  } cases[] = {
      {1, 4, 1, {1, 2, 3, 8}, {1, 2, 3}}, {1, 7, 1, {1, 2, 3, 8}, {1, 2, 3}},
      {2, 7, 1, {1, 4, 5, 9}, {1, 2, 3}}, {3, 7, 1, {1, 2, 4, 6}, {1, 2, 3}},
      {3, 6, 6, {1, 2, 4, 6}, {3}},       {1, 6, 1, {1, 2, 3, 8}, {1, 2, 3}},
      {2, 6, 1, {1, 4, 5, 9}, {1, 2, 3}}, {1, 8, 8, {1, 2, 3, 8}, {1}},
  };
  Install(false, "Finisher6");
  Choose("outp", 29, 2);
  for (const auto& c : cases) {
    Store("outp", 14, 2);
    Store("outp", 15, c.edge);
    Store("outp", 11, c.staple);
    mController->SetUIConstraints(Output_CorvelOptions);
    const std::string name =
        "edge " + std::to_string(c.edge) + " staple " + std::to_string(c.staple);
    EXPECT_EQ(Value("outp", 11), c.stapleAfter) << name;
    EXPECT_EQ(Data().stapleMenuSelection, c.stapleAfter) << name;
    EXPECT_EQ(DrawnImage(Control("outp", 12)), Data().stapleIconsRefs[c.stapleAfter]) << name;
    EXPECT_EQ(Value("outp", 15), c.edge) << name;
    EXPECT_EQ(EnabledItems("outp", 11), c.staples) << name;
    EXPECT_EQ(EnabledItems("outp", 15), c.edges) << name;
  }
}

// Every finisher model: finishing 2 needs a finisher, 3 one that makes booklets, 4 one that folds;
// each stored bin and finishing meets the item conditions of the finishing table.
TEST_F(PaneConstraints, InstalledFinisherDecidesFinishingAndOutputBins) {
  const struct {
    const char* finisher;
    int16_t bin, finishing;
    Items finishings, bins;
    bool stapleBox;
    int32_t binAfter, finishingAfter;
  } cases[] = {
      {"None", 1, 2, {1}, {1, 2, 7}, false, 1, 1},
      {"Finisher", 2, 1, {1, 2}, {1, 3, 4, 7}, false, 1, 1},
      {"Finisher3", 2, 1, {1, 2}, {1, 3, 4, 7}, false, 1, 1},
      {"Finisher2", 1, 3, {1, 2, 3}, {1, 5, 7}, false, 1, 3},
      {"Finisher4", 3, 3, {1, 2}, {1, 3, 4, 7}, false, 3, 1},
      {"Finisher5", 5, 3, {1, 3}, {1, 5, 7}, false, 5, 3},
      {"Finisher7", 1, 2, {1, 2, 3}, {1, 3, 4, 7}, true, 1, 2},
      {"Finisher6", 1, 2, {1, 2, 3, 4}, {1, 3, 4, 7}, true, 1, 2},
      {"Finisher8", 1, 4, {1, 2, 3, 4}, {1, 3, 4, 7}, true, 1, 4},
  };
  for (const auto& c : cases) {
    Install(false, c.finisher);
    Store("outp", 10, c.bin);
    Store("outp", 29, c.finishing);
    mController->SetUIConstraints(Output_CorvelOptions);
    EXPECT_EQ(EnabledItems("outp", 29), c.finishings) << c.finisher;
    EXPECT_EQ(EnabledItems("outp", 10), c.bins) << c.finisher;
    EXPECT_EQ(Enabled("outp", 11), c.stapleBox) << c.finisher;
    EXPECT_EQ(Value("outp", 10), c.binAfter) << c.finisher;
    EXPECT_EQ(Value("outp", 29), c.finishingAfter) << c.finisher;
  }
}

TEST_F(PaneConstraints, BookletFoldSizeFollowsFasteningAndCover) {
  const struct {
    bool fastenings;  // false: the menu a PPD without KTCopierBooklet leaves empty
    int16_t fastening, cover;
    int32_t foldSizeAfter, fasteningAfter;
    Items foldSizes;
    bool coverEnabled;
  } cases[] = {
      {true, 1, 1, 4, 1, {4}, true},             // fold and staple
      {true, 2, 2, 4, 2, {4}, true},             // fold only, with a cover
      {true, 2, 1, 1, 2, {1, 2, 3, 4}, false},   // covers only with fold size 4
      {false, 1, 1, 1, 0, {1, 2, 3, 4}, false},  // no fastening
  };
  Install(false, "Finisher6");
  ShowPaneOf("outp");
  Store("outp", 29, 3);
  for (const auto& c : cases) {
    const std::string name = "fastening " + std::to_string(c.fastening) +
                             (c.fastenings ? "" : " of none") + ", cover " +
                             std::to_string(c.cover);
    if (!c.fastenings) DeleteAllMenuItems(GetControlPopupMenuHandle(Control("outp", 17)));
    Store("outp", 17, c.fastening);
    Store("outp", 24, c.cover);
    Store("outp", 23, 1);
    mController->SetUIConstraints(Output_CorvelOptions);
    EXPECT_EQ(Value("outp", 23), c.foldSizeAfter) << name;
    EXPECT_EQ(EnabledItems("outp", 23), c.foldSizes) << name;
    EXPECT_EQ(Enabled("outp", 24), c.coverEnabled) << name;
    EXPECT_EQ(Data().fastenMenuSelection, c.fasteningAfter) << name;
    EXPECT_EQ(DrawnImage(Control("outp", 18)), Data().fastenIconsRefs[c.fasteningAfter]) << name;
    EXPECT_EQ(Data().foldSizeMenuSelection, c.foldSizeAfter) << name;
  }
}

// A folding finisher: the fold decides the output bins and whether staples and punches apply.
TEST_F(PaneConstraints, FoldingDecidesBinsAndTheStapleBox) {
  const struct {
    int16_t finishing, fold;
    Items bins, folds;
    bool stapleBox;
  } cases[] = {
      {4, 1, {1, 3, 4, 7}, {1, 2, 3, 4, 5}, true},     {4, 2, {1, 5, 7}, {1, 2, 3, 4, 5}, false},
      {4, 3, {1, 3, 4, 6, 7}, {1, 2, 3, 4, 5}, false}, {4, 4, {1, 3, 4, 7}, {1, 2, 3, 4, 5}, true},
      {4, 5, {1, 6, 7}, {1, 2, 3, 4, 5}, false},       {2, 4, {1, 3, 4, 7}, {1, 4}, true},
      {2, 2, {1, 3, 4, 5, 7}, {1, 2, 3, 4, 5}, false},  // no staples, so every fold stays
  };
  Install(false, "Finisher6");
  for (const auto& c : cases) {
    const std::string name =
        "finishing " + std::to_string(c.finishing) + " fold " + std::to_string(c.fold);
    Store("outp", 10, 1);
    Store("outp", 29, c.finishing);
    Store("outp", 27, c.fold);
    mController->SetUIConstraints(Output_CorvelOptions);
    EXPECT_EQ(EnabledItems("outp", 10), c.bins) << name;
    EXPECT_EQ(EnabledItems("outp", 27), c.folds) << name;
    EXPECT_EQ(Enabled("outp", 11), c.stapleBox) << name;
    EXPECT_TRUE(Enabled("outp", 27)) << name;
  }
}

TEST_F(PaneConstraints, SeparationsAndSaveAsFileDecideTheExtras) {
  const struct {
    int16_t separations, saveAsFile, format;  // format 0: the selector is missing
    bool ownColour, resolution, formatEnabled;
  } cases[] = {
      {3, 0, 1, false, false, false}, {1, 0, 1, true, false, false}, {1, 1, 1, true, true, true},
      {2, 1, 2, true, false, true},   {1, 1, 0, true, false, false},
  };
  Install();
  for (const auto& c : cases) {
    const std::string name = "separations " + std::to_string(c.separations) + " save " +
                             std::to_string(c.saveAsFile) + " format " + std::to_string(c.format);
    Store("xtra", 10, c.separations);
    Store("xtra", 12, c.saveAsFile);
    if (c.format)
      Store("xtra", 30, c.format);
    else
      DisposeControl(Control("xtra", 30));
    mController->SetUIConstraints(Extras_CorvelOptions);
    EXPECT_EQ(Enabled("xtra", 29), c.ownColour) << name;
    EXPECT_EQ(Enabled("xtra", 13), c.resolution) << name;
    if (c.format) {
      EXPECT_EQ(Enabled("xtra", 30), c.formatEnabled) << name;
    }
  }
}

TEST_F(PaneConstraints, ImpositionTypeDecidesSectionSizeScaleAndLayout) {
  const struct {
    uint16_t type;
    int32_t sectionAfter;
    bool section, scale, layout;
  } cases[] = {{2, 4, true, true, false},
               {1, 2, true, true, false},
               {6, 2, false, false, false},
               {7, 2, false, true, true},
               {8, 2, false, false, false}};
  Install();
  Click("page", 18);
  for (const auto& c : cases) {
    Store("page", 20, 2);  // section size "4"
    Store("page", 29, 1);
    Choose("page", 19, c.type);
    EXPECT_EQ(Value("page", 20), c.sectionAfter) << c.type;
    EXPECT_EQ(Enabled("page", 20), c.section) << c.type;
    EXPECT_EQ(Enabled("page", 29), c.scale) << c.type;
    EXPECT_EQ(Value("page", 29), c.scale ? 1 : 0) << c.type;
    for (int32_t id : {23, 24, 25}) EXPECT_EQ(Enabled("page", id), c.layout) << c.type;
    if (c.section) {
      EXPECT_EQ(IsMenuItemEnabled(GetControlPopupMenuHandle(Control("page", 20)), 2), c.type == 1);
    }
  }
}

TEST_F(PaneConstraints, PdfX3OnThenOffLeavesEnhancementOffAndSmoothingOn) {
  Install();
  Click("qual", 1);  // image enhancement on
  Click("qual", 2);  // edge smoothing off
  Click("qual", 9);
  EXPECT_EQ(Value("qual", 1), 1);
  EXPECT_EQ(Value("qual", 8), 2);
  Click("qual", 9);
  EXPECT_EQ(Value("qual", 1), 0);
  EXPECT_EQ(Value("qual", 2), 1);
  EXPECT_EQ(Value("qual", 6), 0);
  EXPECT_EQ(Data().pdfX3Compliant, 0);
}

TEST_F(PaneConstraints, SynchronisationNeedsAServerAddress) {
  Install();
  const struct {
    const char* address;  // null: the field is missing
    bool sync;
  } cases[] = {{"10.1.2.3", true}, {"", false}, {nullptr, false}};
  for (const auto& c : cases) {
    const std::string name = c.address ? "\"" + std::string(c.address) + "\"" : "no field";
    if (c.address)
      SetControlText(Control("accs", 4), c.address);
    else
      DisposeControl(Control("accs", 4));
    Store("accs", 6, 1);
    Data().mSyncWithServer = true;
    mController->SetUIConstraints(Accessories_CorvelOptions);
    EXPECT_EQ(Data().mSyncWithServer, c.sync) << name;
    EXPECT_EQ(Value("accs", 6), c.sync ? 1 : 0) << name;
    EXPECT_EQ(Enabled("accs", 6), c.sync) << name;
    EXPECT_EQ(Enabled("accs", 100), !c.sync) << name;
  }
}

TEST_F(PaneConstraints, TheQualityMenuAndDescriptionFollowTheMediaTypeShown) {
  const Items kPlain = {'S', 'H', 'E'}, kCoated = {'S', 'H', 'P'}, kTransparency = {'S', 'H'};
  const struct {
    uint16_t mediaType;  // 0: as installed (Plain), not chosen
    Items quality;       // first letters of the items; none: the menu is disabled
    const char* description;
  } steps[] = {
      {0, kPlain, "Uncoated office paper"},   {9, {}, "Label sheets"},
      {8, kTransparency, "Overhead"},         {3, kPlain, "Preprinted paper"},
      {1, kPlain, "Uncoated office paper"},   {4, kCoated, "Matte or silk"},
      {2, kPlain, "Recycled uncoated paper"}, {4, kCoated, "Matte or silk"},
  };
  Install();
  for (const auto& step : steps) {
    if (step.mediaType) Choose("page", 32, step.mediaType);
    const std::string name = "media type " + std::to_string(step.mediaType);
    MenuRef menu = GetControlPopupMenuHandle(Control("page", 35));
    Items quality;
    for (uint16_t item = 1; item <= CountMenuItems(menu); ++item)
      quality.push_back(CopyMenuItemTextAsCFString(menu, item).value_or("?")[0]);
    EXPECT_EQ(Enabled("page", 35) ? quality : Items{}, step.quality) << name;
    EXPECT_EQ(Value("page", 35), 1) << name;
    const std::string text = ControlText(Control("page", 33));
    EXPECT_EQ(text.rfind(step.description, 0), 0u) << name << ": " << text;
  }
  Choose("page", 35, 3);  // Photo
  Choose("outp", 10, 1);  // a later Output and Page pass keeps it
  EXPECT_EQ(Value("page", 35), 3);
  PMPPDDict ticket;
  mController->GetCorvelOptionsFromUI(All_CorvelOptions, &ticket);
  EXPECT_EQ(ticket["KTMediaType"], "Coated");
  EXPECT_EQ(ticket["KTCoatedQuality"], "Photo");
  EXPECT_EQ(ticket.count("KTPlainQuality"), 0u);
}

TEST_F(PaneConstraints, ChangingAnInstalledOptionSetsTheQueueOnceAndFollowsTheFinisher) {
  Install(false, "None");
  SetControlText(Control("accs", 4), "10.1.2.3");
  Choose("accs", 100, 7);  // Finisher6
  Choose("accs", 100, 7);
  const std::vector<std::string>& calls = static_cast<RecordingOptions&>(*mController).calls;
  EXPECT_EQ(calls, std::vector<std::string>{"10.1.2.3 KTFinisher=Finisher6"});
  EXPECT_EQ(EnabledItems("outp", 29), (Items{1, 2, 3, 4}));
  for (int16_t outside : {99, 103, -1}) mController->ChangeInstalledOptions(outside);
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(PaneConstraints, MissingControlsCountAsTheirFirstItem) {
  Install(false, "Finisher6");
  Store("outp", 29, 2);
  Store("outp", 14, 2);
  Store("outp", 11, 4);  // 1UpRightS has no room beside a punch on the left
  DisposeControl(Control("outp", 15));
  mController->SetUIConstraints(Output_CorvelOptions);
  EXPECT_EQ(Value("outp", 11), 1);
  EXPECT_EQ(EnabledItems("outp", 11), (Items{1, 2, 3, 8}));
  DisposeControl(Control("outp", 11));
  DisposeControl(Control("outp", 29));
  Store("page", 14, 1);
  mController->SetUIConstraints(All_CorvelOptions);
  EXPECT_EQ(Value("page", 14), 1) << "no staple control: face up is not turned off";
  RecordingOptions bare(nullptr, false);  // no panes, no PPD
  bare.SetUIConstraints(All_CorvelOptions);
  bare.ChangeInstalledOptions(100);
  EXPECT_TRUE(bare.calls.empty()) << "no installable options: the queue is left alone";
}

}  // namespace
