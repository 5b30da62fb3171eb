#include "ModelWalk.h"

#include <filesystem>
#include <vector>

#include "FuzzCheck.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/PPDXInterface.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/controls/ControlTypes.h"

namespace {

// A control's code is asked for twice, as callers do: its length first, then into a buffer of
// exactly that length (so a longer write is caught).
template <typename Writer>
void CheckCodeLength(Writer write) {
  const long length = write(nullptr);
  FUZZ_CHECK(length >= 0);
  std::vector<unsigned char> code(static_cast<size_t>(length));
  FUZZ_CHECK(write(code.data()) == length);
}

void WalkErrors(PPDXHandle errors) {
  long seen = 0;
  for (PPDXHandle error = FirstError(errors); error != nullptr; error = NextError(errors), ++seen) {
    GetErrorKeyword(error);
    IsErrorFatal(error);
  }
  FUZZ_CHECK(seen == ErrorCount(errors));
}

void WalkElement(PPDXHandle element) {
  Keyword(element);
  UserName(element);
  IsVisible(element);
  IsOrphan(element);
  GetParent(element);
  FUZZ_CHECK(Keyword(element) == nullptr ||
             EqualsElement(element, element));  // no keyword: equals nothing
}

void WalkGroups(PPDXHandle groups) {
  for (PPDXHandle group = FirstGroup(groups); group != nullptr; group = NextGroup(groups)) {
    WalkElement(group);
    if (IsScrollPane(group)) GetScrollPaneRollDowns(group);
    if (IsRollDown(group)) GetControlCount(GetRollDownControlList(group));
  }
}

void WalkPages(PPDXHandle pages) {
  for (PPDXHandle page = FirstProperty(pages); page != nullptr; page = NextProperty(pages)) {
    WalkElement(page);
    ShowPropInApp(page);
    ShowPropInPrintProp(page);
    GetPropertyScrollDown(page);
  }
}

void WalkPopup(PPDXHandle popup) {
  GetDefaultKeyword(popup);
  GetPopupDefaultValue(popup);
  std::vector<const char*> keywords;
  PPDXPopupItemRecord item;
  for (int more = FirstItem(popup, &item); more; more = NextItem(popup, &item))
    keywords.push_back(item.keyword);
  FUZZ_CHECK(static_cast<long>(keywords.size()) == PopupItemCount(popup));
  for (const char* option : keywords) {
    if (option == nullptr) continue;
    GetKeywordLocalName(popup, option);
    CheckCodeLength([&](unsigned char* out) { return GetKeywordPSData(popup, option, out); });
    if (SetKeywordSelect(popup, option, 1)) FUZZ_CHECK(IsKeywordSelected(popup, option));
    CheckCodeLength([&](unsigned char* out) { return PopupPostScript(popup, out); });
  }
  for (long position = 0; position <= PopupItemCount(popup); ++position) {
    SetPopupValue(popup, position);
    FUZZ_CHECK(GetPopupValue(popup) == position || CanSelectMultipleItems(popup));
  }
}

void WalkRange(PPDXHandle range) {
  const long minimum = GetRangeMinimum(range), maximum = GetRangeMaximum(range);
  GetRangeIncrement(range);
  GetRangeDefaultVal(range);
  for (long value : {minimum, maximum, minimum - 1, maximum + 1, (minimum + maximum) / 2}) {
    SetRangeValue(range, value);
    CheckCodeLength([&](unsigned char* out) { return RangePostScript(range, out); });
  }
}

void WalkBoolean(PPDXHandle boolean) {
  TrueDisplayText(boolean);
  FalseDisplayText(boolean);
  DefaultState(boolean);
  for (int value : {1, 0}) {
    SetValue(boolean, value);
    FUZZ_CHECK(IsTrue(boolean) == value);
    CheckCodeLength([&](unsigned char* out) { return BooleanPostScript(boolean, out); });
  }
}

void WalkConstraints(const KTVPPD& ppd, PPDXHandle control, long choices) {
  for (long item = 0; item <= choices + 1; ++item) {
    SharedConstraintRec* records = nullptr;
    const long count = ppd.GetConstraintList(control, item, &records);
    FUZZ_CHECK(count >= 0 && (count == 0) == (records == nullptr));
    for (long i = 0; i < count; ++i) {
      const SharedConstraintRec record = records[i];
      if (record.ppdControl != nullptr) Keyword(record.ppdControl);
    }
    KTVPPD::ReleaseConstraintList(records);
  }
  SharedConstraintRec* requirements = nullptr;
  const long count = ppd.GetRequiresList(control, &requirements);
  for (long i = 0; i < count; ++i) {
    const SharedConstraintRec record = requirements[i];
    if (record.ppdControl != nullptr) Keyword(record.ppdControl);
  }
  KTVPPD::ReleaseRequiresList(requirements);
}

void WalkControl(const KTVPPD& ppd, PPDXHandle control, PPDXControlKind kind) {
  WalkElement(control);
  long flags = 0;
  for (const char* flag = GetFirstControlFlag(control); flag != nullptr;
       flag = GetNextControlFlag(control))
    ++flags;
  FUZZ_CHECK(flags == GetControlFlagCount(control));
  IsValidControlKeyword(control, Keyword(control));
  ResetControlToDefault(control);
  CheckCodeLength([&](unsigned char* out) { return GetPostScript(control, out); });
  long choices = 1;
  switch (kind) {
    case ctPopup:
      WalkPopup(control);
      choices = PopupItemCount(control);
      break;
    case ctRange:
      WalkRange(control);
      break;
    case ctBoolean:
      WalkBoolean(control);
      break;
    default:
      break;
  }
  WalkConstraints(ppd, control, choices);
}

void WalkControls(const KTVPPD& ppd, PPDXHandle controls) {
  // Collected first: the walks below use the container's own iteration.
  std::vector<std::pair<PPDXHandle, PPDXControlKind>> all;
  PPDXControlKind kind = ctNone;
  for (PPDXHandle control = GetFirst(controls, &kind); control != nullptr;
       control = GetNext(controls, &kind))
    all.emplace_back(control, kind);
  for (const auto& [control, controlKind] : all) WalkControl(ppd, control, controlKind);
}

void WalkShortcuts(PPDXHandle shortcuts) {
  long seen = 0;
  for (PPDXHandle shortcut = FirstShortcut(shortcuts); shortcut != nullptr;
       shortcut = NextShortcut(shortcuts)) {
    Keyword(shortcut);
    ++seen;
  }
  FUZZ_CHECK(seen == GetShortcutCount(shortcuts));
  GetPageSizeShortcut(shortcuts);
  GetInputSlotShortcut(shortcuts);
  GetDuplexShortcut(shortcuts);
  GetOrientationShortcut(shortcuts);
  GetMediaSourceShortcut(shortcuts);
}

}  // namespace

void WalkModel(KTVPPD& ppd) {
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  WalkErrors(ppd.GetErrors());
  WalkPages(ppd.GetProperties());
  WalkGroups(ppd.GetGroups());
  WalkControls(ppd, ppd.GetControls());
  WalkShortcuts(ppd.GetShortcuts());
}

void CheckSavedModelRebuilds(KTVPPD& ppd) {
  if (ppd.GetControls() == nullptr) return;
  Settings settings;
  if (ppd.Save(settings) != noErr) return;
  std::filesystem::path file;
  if (ppd.File() != nullptr) file = ppd.File()->Path();
  KTVPPD rebuilt(settings, file);
  FUZZ_CHECK(rebuilt.GetControls() != nullptr);
  FUZZ_CHECK(rebuilt.Restore(settings) == noErr);

  DisplayOptionsScope showAll(SO_SHOW_ALL);
  FUZZ_CHECK(rebuilt.GetProperties()->Count() == ppd.GetProperties()->Count());
  FUZZ_CHECK(rebuilt.GetGroups()->Count() == ppd.GetGroups()->Count());
  FUZZ_CHECK(rebuilt.GetControls()->ControlCount() == ppd.GetControls()->ControlCount());
  FUZZ_CHECK(rebuilt.GetControls()->SpecialOptionsCount() ==
             ppd.GetControls()->SpecialOptionsCount());
  FUZZ_CHECK(rebuilt.GetShortcuts()->Count() == ppd.GetShortcuts()->Count());
  WalkModel(rebuilt);
}
