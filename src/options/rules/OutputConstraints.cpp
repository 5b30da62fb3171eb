// The Output pane's rules: the installed finisher decides which finishing types and output bins
// are offered, the finishing type decides which boxes apply, and staple positions and punch edges
// exclude each other. A pass that has to take back the finishing type or the output bin runs the
// whole rule set again for the corrected value before it finishes with the values it began with.
#include "options/rules/FinishingTables.h"
#include "options/panes/PaneControlIDs.h"
#include "options/panes/PaneControlStates.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr int32_t kOutputBin = 10, kStaple = 11, kStapleIcon = 12, kPunch = 14, kPunchEdge = 15;
constexpr int32_t kPunchIcon = 16, kFastening = 17, kFasteningIcon = 18, kPortrait = 20;
constexpr int32_t kLandscape = 21, kFoldSize = 23, kCover = 24, kCoverMedia = 25, kCoverTray = 26;
constexpr int32_t kFolding = 27, kBookletImposition = 28, kFinishing = 29, kFoldIcon = 30;

// Finishing types (outp/29) and the first items of the other menus, which mean "none". Item 1 of
// the fastening menu is a fastening; no fastening is 0.
constexpr int32_t kNoFinishing = 1, kStaplePunch = 2, kBooklet = 3, kFoldingFinishing = 4;
constexpr int32_t kNone = 1, kFoldAndStaple = 1, kNoCover = 1, kFoldSizeAuto = 4;
constexpr int32_t kSaddleFold = 2, kTriFoldZ = 3, kZFold = 4, kTriFoldC = 5;

// The values a pass reads at its start. A staple, punch, edge, finishing or fold value outside
// its menu (-1 for a missing control) counts as item 1; a fastening that is not an item of its
// menu (a PPD without KTCopierBooklet leaves it empty) counts as no fastening; bin and fold size
// are only compared.
struct OutputPass {
  int32_t staple, punch, edge, fastening, bin, finishing, foldSize, fold;
  FinisherCapabilities finisher;
};

// The capabilities of every marked KTFinisher choice of the group "InstallableOptions" together.
FinisherCapabilities InstalledFinisher(ppd_file_t* ppd) {
  FinisherCapabilities all;
  ppd_option_t* option =
      CUPSHelper(ppd).FindOptionGroupAndOption("InstallableOptions", "KTFinisher");
  for (int i = 0; option && i < option->num_choices; ++i) {
    if (!option->choices[i].marked) continue;
    const FinisherCapabilities one = FinisherModelCapabilities(option->choices[i].choice);
    all = {all.installed || one.installed, all.makesBooklets || one.makesBooklets,
           all.folds || one.folds};
  }
  return all;
}

// The values the pane shows; the installed finisher is left out.
OutputPass ReadShownValues(CCorvelOptions& options) {
  auto value = [&](int32_t number, int32_t last) {
    return MenuValueOr(options.GetCorvelControlValue(kOutputSignature, number), 1, last, kNone);
  };
  return OutputPass{value(kStaple, 9),
                    value(kPunch, 4),
                    value(kPunchEdge, 3),
                    ShownMenuItem(options, kOutputSignature, kFastening),
                    options.GetCorvelControlValue(kOutputSignature, kOutputBin),
                    value(kFinishing, 4),
                    options.GetCorvelControlValue(kOutputSignature, kFoldSize),
                    value(kFolding, 5),
                    {}};
}

OutputPass ReadPass(CCorvelOptions& options) {
  OutputPass pass = ReadShownValues(options);
  pass.finisher = InstalledFinisher(options.mCupsPPD.get());
  return pass;
}

// Stores a changed value in the record and redraws the picture that shows it.
void RefreshIcon(CCorvelOptions& options, int16_t& stored, int32_t value, int32_t icon) {
  if (stored == value) return;
  stored = int16_t(value);
  RedrawPaneControl(options, kOutputSignature, icon);
}

void RefreshIcons(CCorvelOptions& options, const OutputPass& pass) {
  CorvelOptionsData& d = options.mCorvelOptionsData;
  if (d.punchMenuSelection != pass.punch || d.punchPositionMenuSelection != pass.edge) {
    d.punchMenuSelection = int16_t(pass.punch);
    d.punchPositionMenuSelection = int16_t(pass.edge);
    RedrawPaneControl(options, kOutputSignature, kPunchIcon);
  }
  RefreshIcon(options, d.stapleMenuSelection, pass.staple, kStapleIcon);
  RefreshIcon(options, d.fastenMenuSelection, pass.fastening, kFasteningIcon);
  RefreshIcon(options, d.foldingMenuSelection, pass.fold, kFoldIcon);
}

// The record and the finishing pictures follow the values the pane shows.
void FollowShownValues(CCorvelOptions& options, const OutputPass& shown) {
  RefreshIcons(options, shown);
  options.GetOutputPaneOptionsFromUI();
}

bool StaplePunchOffered(const OutputPass& p) {
  return p.finisher.installed && p.bin != 2 && p.bin != 5;
}
bool BinsThreeAndFourOffered(const OutputPass& p) {
  return p.finisher.installed && p.finishing != kBooklet &&
         !(p.finishing == kFoldingFinishing && (p.fold == kSaddleFold || p.fold == kTriFoldC));
}

// The finishing and output-bin items that stay enabled only while their condition holds.
struct ItemCondition {
  int32_t menu;
  int32_t item;
  bool (*holds)(const OutputPass&);
};
constexpr ItemCondition kItemConditions[] = {
    {kFinishing, kStaplePunch, StaplePunchOffered},
    {kFinishing, kBooklet,
     [](const OutputPass& p) {
       return p.finisher.makesBooklets && p.bin != 2 && p.bin != 3 && p.bin != 4;
     }},
    {kFinishing, kFoldingFinishing, [](const OutputPass& p) { return p.finisher.folds; }},
    {kOutputBin, 2, [](const OutputPass& p) { return !p.finisher.installed; }},
    {kOutputBin, 3, BinsThreeAndFourOffered},
    {kOutputBin, 4, BinsThreeAndFourOffered},
    {kOutputBin, 5,
     [](const OutputPass& p) {
       return p.finisher.makesBooklets &&
              (p.finishing == kBooklet || (p.finisher.folds && p.fold == kSaddleFold));
     }},
    {kOutputBin, 6,
     [](const OutputPass& p) {
       return p.finisher.folds && p.finishing == kFoldingFinishing &&
              (p.fold == kTriFoldZ || p.fold == kTriFoldC);
     }},
};

void OfferMenuItems(CCorvelOptions& options, const OutputPass& pass) {
  for (int32_t menu : {kOutputBin, kFinishing, kFolding})
    EnableAllPaneMenuItems(options, kOutputSignature, menu);
  for (const ItemCondition& row : kItemConditions)
    if (!row.holds(pass))
      SetPaneMenuItemEnabled(options, kOutputSignature, row.menu, row.item, false);
}

void SwitchBoxes(CCorvelOptions& options, const OutputPass& pass) {
  auto control = [&](int32_t number) { return options.GetCorvelControl(kOutputSignature, number); };
  const bool staplingKind = pass.finishing == kStaplePunch || pass.finishing == kFoldingFinishing;
  const bool staplePunch =
      StaplePunchOffered(pass) && staplingKind && (pass.fold == kNone || pass.fold == kZFold);
  options.SetAbleStateStaplePunchBox(staplePunch, control(kStaple), control(kPunch),
                                     control(kPunchEdge), control(kPortrait), control(kLandscape));
  options.SetAbleStateBookletBox(pass.finishing == kBooklet, control(kFastening),
                                 control(kFoldSize), control(kCover), control(kCoverMedia),
                                 control(kCoverTray), control(kBookletImposition));
  options.SetAbleStateFoldingBox(pass.finisher.folds && staplingKind, control(kFolding));
  // With stapling only, no fold or a Z fold remain.
  if (staplePunch && pass.finishing == kStaplePunch)
    SetPaneMenuItemsEnabled(options, kOutputSignature, kFolding,
                            {kSaddleFold, kTriFoldZ, kTriFoldC}, false);
}

// When the menu's item `value` is disabled, chooses item 1 and runs the rules again. Item 1 is
// never disabled, so the nested pass does not nest again.
void TakeBackDisabledItem(CCorvelOptions& options, int32_t menu, int32_t value) {
  if (!IsPaneMenuItemDisabled(options, kOutputSignature, menu, value)) return;
  options.SetCorvelControlValue(kOutputSignature, menu, kNone);
  if (options.GetCorvelControlValue(kOutputSignature, menu) == kNone)
    options.SetOutputPaneUIConstraints();
}

// A punch leaves only the staple positions its edge has room for, and a staple position leaves
// only the punch edges that do not collide with it.
void MatchStapleAndPunchEdge(CCorvelOptions& options, const OutputPass& pass) {
  for (int32_t item = 1; item <= 9; ++item)
    SetPaneMenuItemEnabled(options, kOutputSignature, kStaple, item, true);
  if (pass.punch == kNone) return;
  int32_t staple = pass.staple;
  for (int32_t excluded : StaplesExcludedByPunchEdge(pass.edge)) {
    SetPaneMenuItemEnabled(options, kOutputSignature, kStaple, excluded, false);
    if (excluded == staple) staple = kNone;
  }
  options.SetCorvelControlValue(kOutputSignature, kStaple, int16_t(staple));
  const PunchEdgesForStaple& edges = PunchEdgesFor(staple);
  for (int32_t edge = 1; edge <= 3; ++edge)
    if (edges.excluded[edge])
      SetPaneMenuItemEnabled(options, kOutputSignature, kPunchEdge, edge, false);
  const bool moves = edges.movesTo != 0 && edges.excluded[pass.edge];
  options.SetCorvelControlValue(kOutputSignature, kPunchEdge,
                                int16_t(moves ? edges.movesTo : pass.edge));
}

// Fastening with staples, or a cover, needs the automatic fold size; covers come with it alone.
void MatchBookletFoldSize(CCorvelOptions& options, const OutputPass& pass) {
  if (pass.fastening == kFoldAndStaple ||
      options.GetCorvelControlValue(kOutputSignature, kCover) != kNoCover) {
    options.SetCorvelControlValue(kOutputSignature, kFoldSize, kFoldSizeAuto);
    SetPaneMenuItemsEnabled(options, kOutputSignature, kFoldSize, {1, 2, 3}, false);
  } else {
    EnableAllPaneMenuItems(options, kOutputSignature, kFoldSize);
    if (pass.foldSize != kFoldSizeAuto)
      SetPaneControlEnabled(options, kOutputSignature, {kCover, kCoverMedia, kCoverTray}, false);
  }
}

}  // namespace

void CCorvelOptions::SetOutputPaneUIConstraints() {
  OutputPass pass = ReadPass(*this);
  FollowShownValues(*this, pass);
  // Without finishing no fold applies, whatever the folding menu shows.
  if (pass.finishing == kNoFinishing) pass.fold = kNone;
  OfferMenuItems(*this, pass);
  SwitchBoxes(*this, pass);
  TakeBackDisabledItem(*this, kFinishing, pass.finishing);
  TakeBackDisabledItem(*this, kOutputBin, pass.bin);
  if (pass.punch == kNone) SetPaneControlEnabled(*this, kOutputSignature, kPunchEdge, false);
  EnableAllPaneMenuItems(*this, kOutputSignature, kPunchEdge);
  if (pass.finishing == kStaplePunch) MatchStapleAndPunchEdge(*this, pass);
  if (pass.finishing == kBooklet) MatchBookletFoldSize(*this, pass);
  // A staple, punch edge or fold size taken back above is no longer what the record and the
  // pictures hold.
  FollowShownValues(*this, ReadShownValues(*this));
}
