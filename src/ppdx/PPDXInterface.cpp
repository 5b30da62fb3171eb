// The flat interface: each function forwards to the class operation of the same meaning, and
// a null handle gives the neutral result.
#include "ppdx/PPDXInterface.h"

#include <type_traits>

#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

namespace {

bool Flag(const int* value) { return value != nullptr && *value != 0; }

template <class T, class Base>
T* Is(Base* object) {
  return dynamic_cast<T*>(object);
}

// The one shape of every entry point: the handle is taken as a T; a null handle answers the
// default value of the result, any other is handed to `call`. Boolean answers leave as int (0 or
// 1).
template <class T, class Call>
auto Forward(PPDXHandle handle, Call call) {
  using Result = std::invoke_result_t<Call, T&>;
  using Answer = std::conditional_t<std::is_same_v<Result, bool>, int, Result>;
  auto* object = static_cast<T*>(handle);
  return object ? Answer(call(*object)) : Answer();
}

// The same for the emptiness tests and IsOrphan, which answer true for a null handle.
template <class T, class Call>
int TrueWhenNull(PPDXHandle handle, Call call) {
  return handle ? Forward<T>(handle, call) : 1;
}

// The same for entry points without a result: a null handle does nothing.
template <class T, class Call>
void Apply(PPDXHandle handle, Call call) {
  if (auto* object = static_cast<T*>(handle)) call(*object);
}

// Runs a walk step that reports the control kind, and hands the kind out when asked for.
template <class Step>
PPDXControl* Report(PPDXControlKind* kind, Step step) {
  CNTL_TYPE found = ctNone;
  PPDXControl* control = step(found);
  if (kind) *kind = found;
  return control;
}

// Fills an item record from a walk step; both fields are cleared first.
int FillItem(_PopupItem* found, PPDXPopupItemRecord* item) {
  if (item) *item = PPDXPopupItemRecord{nullptr, nullptr};
  if (found == nullptr) return 0;
  if (item) {
    item->keyword = found->keyword.c_str();
    item->name = found->mCFDisplayName ? found->mCFDisplayName->c_str() : nullptr;
  }
  return 1;
}

}  // namespace

extern "C" {

PPDXHandle FirstError(PPDXHandle handle) {
  return Forward<PPDXErrors>(handle, [](auto& o) { return o.First(); });
}

PPDXHandle NextError(PPDXHandle handle) {
  return Forward<PPDXErrors>(handle, [](auto& o) { return o.Next(); });
}

int ErrorListIsEmpty(PPDXHandle handle) {
  return TrueWhenNull<PPDXErrors>(handle, [](auto& o) { return o.Empty(); });
}

long ErrorCount(PPDXHandle handle) {
  return Forward<PPDXErrors>(handle, [](auto& o) { return o.Count(); });
}

const char* GetErrorKeyword(PPDXHandle handle) {
  return Forward<PPDXErrorObj>(handle, [](auto& o) { return o.Keyword(); });
}

const char* GetErrorDescription(PPDXHandle handle) {
  return Forward<PPDXErrorObj>(handle, [](auto& o) { return o.Description(); });
}

int IsErrorFatal(PPDXHandle handle) {
  return Forward<PPDXErrorObj>(handle, [](auto& o) { return o.IsFatal(); });
}

PPDXHandle FirstGroup(PPDXHandle handle) {
  return Forward<PPDXGroups>(handle, [](auto& o) { return o.First(); });
}

PPDXHandle NextGroup(PPDXHandle handle) {
  return Forward<PPDXGroups>(handle, [](auto& o) { return o.Next(); });
}

PPDXHandle FindGroup(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXGroups>(handle, [&](auto& o) { return o.Find(keyword, Flag(exact)); });
}

int IsGrouPointerListEmpty(PPDXHandle handle) {
  return TrueWhenNull<PPDXGroups>(handle, [](auto& o) { return o.Empty(); });
}

long GroupCount(PPDXHandle handle) {
  return Forward<PPDXGroups>(handle, [](auto& o) { return o.Count(); });
}

PPDXHandle GetScrollPaneRollDowns(PPDXHandle handle) {
  return Forward<PPDXGroup>(handle, [](auto& o) {
    auto* group = Is<PPDXScrollPane>(&o);
    return group ? group->RollDowns() : nullptr;
  });
}

int IsScrollPane(PPDXHandle handle) {
  return Forward<PPDXGroup>(handle, [](auto& o) { return Is<PPDXScrollPane>(&o) != nullptr; });
}

PPDXHandle GetRollDownControlList(PPDXHandle handle) {
  return Forward<PPDXGroup>(handle, [](auto& o) {
    auto* group = Is<PPDXRollDown>(&o);
    return group ? group->Controls() : nullptr;
  });
}

int IsRollDown(PPDXHandle handle) {
  return Forward<PPDXGroup>(handle, [](auto& o) { return Is<PPDXRollDown>(&o) != nullptr; });
}

const char* Keyword(PPDXHandle handle) {
  return Forward<PPDXElement>(handle, [](auto& o) { return o.Keyword(); });
}

const char* UserName(PPDXHandle handle) {
  return Forward<PPDXElement>(handle, [](auto& o) { return o.UserName(); });
}

int IsVisible(PPDXHandle handle) {
  return Forward<PPDXElement>(handle, [](auto& o) { return o.IsVisible(); });
}

PPDXHandle GetParent(PPDXHandle handle) {
  return Forward<PPDXElement>(handle, [](auto& o) { return o.GetParent(); });
}

int IsOrphan(PPDXHandle handle) {
  return TrueWhenNull<PPDXElement>(handle, [](auto& o) { return o.IsOrphan(); });
}

int EqualsElement(PPDXHandle handle, PPDXHandle other) {
  return Forward<PPDXElement>(
      handle, [&](auto& o) { return other != nullptr && o == *static_cast<PPDXElement*>(other); });
}

int EqualsKeyWord(PPDXHandle handle, const char* keyword) {
  return Forward<PPDXElement>(handle, [&](auto& o) { return o == keyword; });
}

PPDXHandle FirstProperty(PPDXHandle handle) {
  return Forward<PPDXProperties>(handle, [](auto& o) { return o.First(); });
}

PPDXHandle NextProperty(PPDXHandle handle) {
  return Forward<PPDXProperties>(handle, [](auto& o) { return o.Next(); });
}

PPDXHandle FindProperty(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXProperties>(handle, [&](auto& o) { return o.Find(keyword, Flag(exact)); });
}

int IsPropertyListEmpty(PPDXHandle handle) {
  return TrueWhenNull<PPDXProperties>(handle, [](auto& o) { return o.Empty(); });
}

long PropertyCount(PPDXHandle handle) {
  return Forward<PPDXProperties>(handle, [](auto& o) { return o.Count(); });
}

int ShowPropInPrintProp(PPDXHandle handle) {
  return Forward<PPDXProperty>(handle, [](auto& o) { return o.ShowInPrintProp(); });
}

int ShowPropInApp(PPDXHandle handle) {
  return Forward<PPDXProperty>(handle, [](auto& o) { return o.ShowInApp(); });
}

PPDXHandle GetPropertyScrollDown(PPDXHandle handle) {
  return Forward<PPDXProperty>(handle, [](auto& o) { return o.GetScrollDown(); });
}

int IsPropertyPage(PPDXHandle handle) {
  return Forward<PPDXElement>(handle, [](auto& o) { return Is<PPDXProperty>(&o) != nullptr; });
}

long GetControlCount(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.ControlCount(); });
}

long GetPopupCount(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.PopupCount(); });
}

long GetBooleanCount(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.BooleanCount(); });
}

long GetRangeCount(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.RangeCount(); });
}

long GetJobnoteCount(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.JobNoteCount(); });
}

PPDXHandle Find(PPDXHandle handle, const char* keyword, PPDXControlKind* kind, const int* exact) {
  return Forward<PPDXControls>(handle, [&](auto& o) {
    return Report(kind, [&](CNTL_TYPE& k) { return o.Find(keyword, k, Flag(exact)); });
  });
}

PPDXHandle GetFirst(PPDXHandle handle, PPDXControlKind* kind) {
  return Forward<PPDXControls>(
      handle, [&](auto& o) { return Report(kind, [&](CNTL_TYPE& k) { return o.First(k); }); });
}

PPDXHandle GetNext(PPDXHandle handle, PPDXControlKind* kind) {
  return Forward<PPDXControls>(
      handle, [&](auto& o) { return Report(kind, [&](CNTL_TYPE& k) { return o.Next(k); }); });
}

PPDXHandle GetFirstPopupControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.FirstPopupControl(); });
}

PPDXHandle GetNextPopupControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.NextPopupControl(); });
}

PPDXHandle GetFindPopup(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXControls>(handle, [&](auto& o) { return o.FindPopup(keyword, Flag(exact)); });
}

PPDXHandle GetFirstBooleanControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.FirstBooleanControl(); });
}

PPDXHandle GetNextBooleanControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.NextBooleanControl(); });
}

PPDXHandle GetFindBoolean(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXControls>(handle,
                               [&](auto& o) { return o.FindBoolean(keyword, Flag(exact)); });
}

PPDXHandle GetFirstRangeControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.FirstRangeControl(); });
}

PPDXHandle GetNextRangeControl(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.NextRangeControl(); });
}

PPDXHandle GetFindRangeControl(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXControls>(handle,
                               [&](auto& o) { return o.FindRangeControl(keyword, Flag(exact)); });
}

PPDXHandle GetFirstJobNote(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.FirstJobNote(); });
}

PPDXHandle GetNextJobNote(PPDXHandle handle) {
  return Forward<PPDXControls>(handle, [](auto& o) { return o.NextJobNote(); });
}

PPDXHandle GetFindJobNote(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXControls>(handle,
                               [&](auto& o) { return o.FindJobNote(keyword, Flag(exact)); });
}

int GetEmpty(PPDXHandle handle) {
  return TrueWhenNull<PPDXControls>(handle, [](auto& o) { return o.Empty(); });
}

int GetNoPopups(PPDXHandle handle) {
  return TrueWhenNull<PPDXControls>(handle, [](auto& o) { return o.NoPopups(); });
}

int GetNoBooleanControls(PPDXHandle handle) {
  return TrueWhenNull<PPDXControls>(handle, [](auto& o) { return o.NoBooleanControls(); });
}

int GetNoRangeControls(PPDXHandle handle) {
  return TrueWhenNull<PPDXControls>(handle, [](auto& o) { return o.NoRangeControls(); });
}

int GetNoJobNotes(PPDXHandle handle) {
  return TrueWhenNull<PPDXControls>(handle, [](auto& o) { return o.NoJobNotes(); });
}

long GetControlFlagCount(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.ControlFlagCount(); });
}

const char* GetFirstControlFlag(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.FirstControlFlag(); });
}

const char* GetNextControlFlag(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.NextControlFlag(); });
}

int IsCommandControl(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.IsCommand(); });
}

int IsSpoolerControl(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.IsSpooler(); });
}

int IsSetupControl(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.IsSetup(); });
}

int IsMacFJNControl(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.IsMacFJN(); });
}

int IsMacImgShiftControl(PPDXHandle handle) {
  return Forward<PPDXControl>(handle, [](auto& o) { return o.IsMacImgShift(); });
}

long GetPostScript(PPDXHandle handle, unsigned char* out) {
  return Forward<PPDXControl>(handle, [&](auto& o) { return o.PostScript(out); });
}

int IsValidControlKeyword(PPDXHandle handle, const char* keyword) {
  return Forward<PPDXControl>(handle, [&](auto&) { return PPDXControl::ValidKeyword(keyword); });
}

int CanSelectMultipleItems(PPDXHandle handle) {
  return Forward<PPDXPopupControl>(handle, [](auto& o) { return o.CanSelectMultipleItems(); });
}

const char* GetDefaultKeyword(PPDXHandle handle) {
  return Forward<PPDXPopupControl>(handle, [](auto& o) { return o.GetDefaultKeyword(); });
}

long PopupItemCount(PPDXHandle handle) {
  return Forward<PPDXPopupControl>(handle, [](auto& o) { return o.ItemCount(); });
}

long GetPopupValue(PPDXHandle handle) {
  return Forward<PPDXPopupControl>(handle, [](auto& o) { return o.GetValue(); });
}

long GetPopupDefaultValue(PPDXHandle handle) {
  return Forward<PPDXPopupControl>(handle, [](auto& o) { return o.DefaultValue(); });
}

const char* GetKeywordLocalName(PPDXHandle handle, const char* option) {
  return Forward<PPDXPopupControl>(handle, [&](auto& o) { return o.GetKeywordLocalName(option); });
}

int IsKeywordSelected(PPDXHandle handle, const char* option) {
  return Forward<PPDXPopupControl>(handle, [&](auto& o) { return o.IsKeywordSelected(option); });
}

long GetKeywordPSData(PPDXHandle handle, const char* option, unsigned char* out) {
  return Forward<PPDXPopupControl>(handle,
                                   [&](auto& o) { return o.GetKeywordPSData(option, out); });
}

int SetKeywordSelect(PPDXHandle handle, const char* option, int on) {
  return Forward<PPDXPopupControl>(handle,
                                   [&](auto& o) { return o.SetKeywordSelect(option, on != 0); });
}

long PopupPostScript(PPDXHandle handle, unsigned char* out) {
  return Forward<PPDXPopupControl>(handle, [&](auto& o) { return o.PostScript(out); });
}

int IsTrue(PPDXHandle handle) {
  return Forward<PPDXBooleanControl>(handle, [](auto& o) { return o.IsTrue(); });
}

int DefaultState(PPDXHandle handle) {
  return Forward<PPDXBooleanControl>(handle, [](auto& o) { return o.DefaultState(); });
}

const char* TrueDisplayText(PPDXHandle handle) {
  return Forward<PPDXBooleanControl>(handle, [](auto& o) { return o.TrueDisplayText(); });
}

const char* FalseDisplayText(PPDXHandle handle) {
  return Forward<PPDXBooleanControl>(handle, [](auto& o) { return o.FalseDisplayText(); });
}

long BooleanPostScript(PPDXHandle handle, unsigned char* out) {
  return Forward<PPDXBooleanControl>(handle, [&](auto& o) { return o.PostScript(out); });
}

long GetRangeValue(PPDXHandle handle) {
  return Forward<PPDXRangeControl>(handle, [](auto& o) { return o.GetValue(); });
}

long GetRangeMinimum(PPDXHandle handle) {
  return Forward<PPDXRangeControl>(handle, [](auto& o) { return o.MinVal(); });
}

long GetRangeMaximum(PPDXHandle handle) {
  return Forward<PPDXRangeControl>(handle, [](auto& o) { return o.MaxVal(); });
}

long GetRangeIncrement(PPDXHandle handle) {
  return Forward<PPDXRangeControl>(handle, [](auto& o) { return o.Increment(); });
}

long GetRangeDefaultVal(PPDXHandle handle) {
  return Forward<PPDXRangeControl>(handle, [](auto& o) { return o.DefaultValue(); });
}

long RangePostScript(PPDXHandle handle, unsigned char* out) {
  return Forward<PPDXRangeControl>(handle, [&](auto& o) { return o.PostScript(out); });
}

PPDXHandle FirstShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.First(); });
}

PPDXHandle NextShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.Next(); });
}

long GetShortcutCount(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.Count(); });
}

int IsShortcutsListEmpty(PPDXHandle handle) {
  return TrueWhenNull<PPDXShortcuts>(handle, [](auto& o) { return o.Empty(); });
}

PPDXHandle FindShortcut(PPDXHandle handle, const char* keyword, const int* exact) {
  return Forward<PPDXShortcuts>(handle, [&](auto& o) { return o.Find(keyword, Flag(exact)); });
}

PPDXHandle GetPageSizeShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.PageSize(); });
}

PPDXHandle GetInputSlotShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.InputSlot(); });
}

PPDXHandle GetDuplexShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.Duplex(); });
}

PPDXHandle GetOrientationShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.Orientation(); });
}

PPDXHandle GetChromvaleShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.Chromvale(); });
}

PPDXHandle GetMediaSourceShortcut(PPDXHandle handle) {
  return Forward<PPDXShortcuts>(handle, [](auto& o) { return o.MediaSource(); });
}

void SetPropertyScrollDown(PPDXHandle handle, PPDXHandle scrollPane) {
  Apply<PPDXProperty>(handle, [&](auto& o) {
    if (scrollPane) o.SetScrollDown(static_cast<PPDXScrollPane*>(scrollPane));
  });
}

void ResetControlToDefault(PPDXHandle handle) {
  Apply<PPDXControl>(handle, [](auto& o) { o.ResetToDefaultValue(); });
}

void SetPopupValue(PPDXHandle handle, long position) {
  Apply<PPDXPopupControl>(handle, [&](auto& o) { o.SetValue(position); });
}

void SetValue(PPDXHandle handle, int value) {
  Apply<PPDXBooleanControl>(handle, [&](auto& o) { o.SetValue(value != 0); });
}

void SetRangeValue(PPDXHandle handle, long value) {
  Apply<PPDXRangeControl>(handle, [&](auto& o) { o.SetValue(int32_t(value)); });
}

int FirstItem(PPDXHandle popup, PPDXPopupItemRecord* item) {
  return FillItem(Forward<PPDXPopupControl>(popup, [](auto& o) { return o.FirstItem(); }), item);
}

int NextItem(PPDXHandle popup, PPDXPopupItemRecord* item) {
  return FillItem(Forward<PPDXPopupControl>(popup, [](auto& o) { return o.NextItem(); }), item);
}

}  // extern "C"
