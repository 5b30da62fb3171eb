// The constraint rules as a user meets them: choices made in the installed panes, or stored values
// written into them, and what the rules leave enabled, disabled or changed.
#include <string>
#include <vector>

#include "options/PaneTestSupport.h"

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
    EXPECT_EQ(Value("outp", 15), c.edge) << name;
    EXPECT_EQ(EnabledItems("outp", 11), c.staples) << name;
    EXPECT_EQ(EnabledItems("outp", 15), c.edges) << name;
  }
}

TEST_F(PaneConstraints, InstalledFinisherDecidesFinishingAndOutputBins) {
  const struct {
    const char* finisher;
    int16_t bin, finishing;
    Items finishings, bins;
    bool stapleBox;
    int32_t binAfter, finishingAfter;
  } cases[] = {
      {"Finisher3", 2, 1, {1, 2}, {1, 3, 4, 7}, false, 1, 1},
      {"None", 1, 2, {1}, {1, 2, 7}, false, 1, 1},
      {"Finisher6", 1, 2, {1, 2, 3, 4}, {1, 3, 4, 7}, true, 1, 2},
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
  Install(false, "Finisher6");
  Store("outp", 29, 3);
  Store("outp", 17, 1);  // fold and staple
  Store("outp", 23, 1);
  mController->SetUIConstraints(Output_CorvelOptions);
  EXPECT_EQ(Value("outp", 23), 4);
  EXPECT_EQ(EnabledItems("outp", 23), Items{4});
  Store("outp", 17, 2);  // fold only, no cover: any fold size, covers only with item 4
  Store("outp", 24, 1);
  Store("outp", 23, 1);
  mController->SetUIConstraints(Output_CorvelOptions);
  EXPECT_EQ(EnabledItems("outp", 23), (Items{1, 2, 3, 4}));
  EXPECT_FALSE(Enabled("outp", 24));
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

TEST_F(PaneConstraints, ClearingTheServerAddressTurnsSynchronisationOff) {
  Install();
  SetControlText(Control("accs", 4), "10.1.2.3");
  mController->SetUIConstraints(Accessories_CorvelOptions);
  Click("accs", 6);
  ASSERT_TRUE(Data().mSyncWithServer);
  EXPECT_FALSE(Enabled("accs", 100));
  SetControlText(Control("accs", 4), "");
  mController->SetUIConstraints(Accessories_CorvelOptions);
  EXPECT_FALSE(Data().mSyncWithServer);
  EXPECT_EQ(Value("accs", 6), 0);
  EXPECT_FALSE(Enabled("accs", 6));
  EXPECT_TRUE(Enabled("accs", 100));
}

TEST_F(PaneConstraints, TheFirstPagePassBuildsTheQualityMenuAndMediaChoosesIt) {
  Install();
  MenuRef quality = GetControlPopupMenuHandle(Control("page", 35));
  EXPECT_EQ(CopyMenuItemTextAsCFString(quality, 2), "High Quality") << "Plain, unchanged";
  EXPECT_TRUE(Enabled("page", 35));
  Choose("page", 32, 9);  // Labels: no quality choices
  EXPECT_FALSE(Enabled("page", 35));
  std::string text;
  GetControlText(Control("page", 33), &text);
  EXPECT_EQ(text, "Label sheets. Printed one-sided, no finishing; no quality choices.");
  Choose("page", 32, 8);  // Transparency
  EXPECT_TRUE(Enabled("page", 35));
  EXPECT_EQ(CountMenuItems(quality), 2);
  EXPECT_EQ(Value("page", 35), 1);
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
  mController->SetUIConstraints(All_CorvelOptions);
  EXPECT_EQ(Value("page", 14), 0) << "no staple control: no forced output order";
  std::unique_ptr<CCorvelOptions> bare(CCorvelOptions::CreateInstance(nullptr, false));
  bare->SetUIConstraints(All_CorvelOptions);
  bare->ChangeInstalledOptions(100);
}

}  // namespace
