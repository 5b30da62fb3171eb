// The flat interface: each function forwards to the class operation of the same meaning, and
// a null handle gives the neutral result.
#include "ppdx/PPDXInterface.h"

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
    item->keyword = found->keyword;
    item->name = found->mCFDisplayName ? found->mCFDisplayName->c_str() : nullptr;
  }
  return 1;
}

}  // namespace

extern "C" {

PPDXHandle FirstError(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrors*>(handle);
  if (o == nullptr) return nullptr;
  return o->First();
}

PPDXHandle NextError(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrors*>(handle);
  if (o == nullptr) return nullptr;
  return o->Next();
}

int ErrorListIsEmpty(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrors*>(handle);
  if (o == nullptr) return 1;
  return (o->Empty()) ? 1 : 0;
}

long ErrorCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrors*>(handle);
  if (o == nullptr) return 0;
  return o->Count();
}

const char* GetErrorKeyword(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrorObj*>(handle);
  if (o == nullptr) return nullptr;
  return o->Keyword();
}

const char* GetErrorDescription(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrorObj*>(handle);
  if (o == nullptr) return nullptr;
  return o->Description();
}

int IsErrorFatal(PPDXHandle handle) {
  auto* o = static_cast<PPDXErrorObj*>(handle);
  if (o == nullptr) return 0;
  return (o->IsFatal()) ? 1 : 0;
}

PPDXHandle FirstGroup(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroups*>(handle);
  if (o == nullptr) return nullptr;
  return o->First();
}

PPDXHandle NextGroup(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroups*>(handle);
  if (o == nullptr) return nullptr;
  return o->Next();
}

PPDXHandle FindGroup(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXGroups*>(handle);
  if (o == nullptr) return nullptr;
  return o->Find(keyword, Flag(exact));
}

int IsGrouPointerListEmpty(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroups*>(handle);
  if (o == nullptr) return 1;
  return (o->Empty()) ? 1 : 0;
}

long GroupCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroups*>(handle);
  if (o == nullptr) return 0;
  return o->Count();
}

PPDXHandle GetScrollPaneRollDowns(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroup*>(handle);
  if (o == nullptr) return nullptr;
  return Is<PPDXScrollPane>(o) ? Is<PPDXScrollPane>(o)->RollDowns() : nullptr;
}

int IsScrollPane(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroup*>(handle);
  if (o == nullptr) return 0;
  return (Is<PPDXScrollPane>(o) != nullptr) ? 1 : 0;
}

PPDXHandle GetRollDownControlList(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroup*>(handle);
  if (o == nullptr) return nullptr;
  return Is<PPDXRollDown>(o) ? Is<PPDXRollDown>(o)->Controls() : nullptr;
}

int IsRollDown(PPDXHandle handle) {
  auto* o = static_cast<PPDXGroup*>(handle);
  if (o == nullptr) return 0;
  return (Is<PPDXRollDown>(o) != nullptr) ? 1 : 0;
}

const char* Keyword(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return nullptr;
  return o->Keyword();
}

const char* UserName(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return nullptr;
  return o->UserName();
}

int IsVisible(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return 0;
  return (o->IsVisible()) ? 1 : 0;
}

PPDXHandle GetParent(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return nullptr;
  return o->GetParent();
}

int IsOrphan(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return 1;
  return (o->IsOrphan()) ? 1 : 0;
}

int EqualsElement(PPDXHandle handle, PPDXHandle other) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return 0;
  return (other != nullptr && *o == *static_cast<PPDXElement*>(other)) ? 1 : 0;
}

int EqualsKeyWord(PPDXHandle handle, const char* keyword) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return 0;
  return (*o == keyword) ? 1 : 0;
}

PPDXHandle FirstProperty(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperties*>(handle);
  if (o == nullptr) return nullptr;
  return o->First();
}

PPDXHandle NextProperty(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperties*>(handle);
  if (o == nullptr) return nullptr;
  return o->Next();
}

PPDXHandle FindProperty(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXProperties*>(handle);
  if (o == nullptr) return nullptr;
  return o->Find(keyword, Flag(exact));
}

int IsPropertyListEmpty(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperties*>(handle);
  if (o == nullptr) return 1;
  return (o->Empty()) ? 1 : 0;
}

long PropertyCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperties*>(handle);
  if (o == nullptr) return 0;
  return o->Count();
}

int ShowPropInPrintProp(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperty*>(handle);
  if (o == nullptr) return 0;
  return (o->ShowInPrintProp()) ? 1 : 0;
}

int ShowPropInApp(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperty*>(handle);
  if (o == nullptr) return 0;
  return (o->ShowInApp()) ? 1 : 0;
}

PPDXHandle GetPropertyScrollDown(PPDXHandle handle) {
  auto* o = static_cast<PPDXProperty*>(handle);
  if (o == nullptr) return nullptr;
  return o->GetScrollDown();
}

int IsPropertyPage(PPDXHandle handle) {
  auto* o = static_cast<PPDXElement*>(handle);
  if (o == nullptr) return 0;
  return (Is<PPDXProperty>(o) != nullptr) ? 1 : 0;
}

long GetControlCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 0;
  return o->ControlCount();
}

long GetPopupCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 0;
  return o->PopupCount();
}

long GetBooleanCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 0;
  return o->BooleanCount();
}

long GetRangeCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 0;
  return o->RangeCount();
}

long GetJobnoteCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 0;
  return o->JobNoteCount();
}

PPDXHandle Find(PPDXHandle handle, const char* keyword, PPDXControlKind* kind, const int* exact) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return Report(kind, [&](CNTL_TYPE& k) { return o->Find(keyword, k, Flag(exact)); });
}

PPDXHandle GetFirst(PPDXHandle handle, PPDXControlKind* kind) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return Report(kind, [&](CNTL_TYPE& k) { return o->First(k); });
}

PPDXHandle GetNext(PPDXHandle handle, PPDXControlKind* kind) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return Report(kind, [&](CNTL_TYPE& k) { return o->Next(k); });
}

PPDXHandle GetFirstPopupControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FirstPopupControl();
}

PPDXHandle GetNextPopupControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->NextPopupControl();
}

PPDXHandle GetFindPopup(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FindPopup(keyword, Flag(exact));
}

PPDXHandle GetFirstBooleanControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FirstBooleanControl();
}

PPDXHandle GetNextBooleanControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->NextBooleanControl();
}

PPDXHandle GetFindBoolean(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FindBoolean(keyword, Flag(exact));
}

PPDXHandle GetFirstRangeControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FirstRangeControl();
}

PPDXHandle GetNextRangeControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->NextRangeControl();
}

PPDXHandle GetFindRangeControl(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FindRangeControl(keyword, Flag(exact));
}

PPDXHandle GetFirstJobNote(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FirstJobNote();
}

PPDXHandle GetNextJobNote(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->NextJobNote();
}

PPDXHandle GetFindJobNote(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return nullptr;
  return o->FindJobNote(keyword, Flag(exact));
}

int GetEmpty(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 1;
  return (o->Empty()) ? 1 : 0;
}

int GetNoPopups(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 1;
  return (o->NoPopups()) ? 1 : 0;
}

int GetNoBooleanControls(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 1;
  return (o->NoBooleanControls()) ? 1 : 0;
}

int GetNoRangeControls(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 1;
  return (o->NoRangeControls()) ? 1 : 0;
}

int GetNoJobNotes(PPDXHandle handle) {
  auto* o = static_cast<PPDXControls*>(handle);
  if (o == nullptr) return 1;
  return (o->NoJobNotes()) ? 1 : 0;
}

long GetControlFlagCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return o->ControlFlagCount();
}

const char* GetFirstControlFlag(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->FirstControlFlag();
}

const char* GetNextControlFlag(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->NextControlFlag();
}

int IsCommandControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsCommand()) ? 1 : 0;
}

int IsSpoolerControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsSpooler()) ? 1 : 0;
}

int IsSetupControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsSetup()) ? 1 : 0;
}

int IsMacFJNControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsMacFJN()) ? 1 : 0;
}

int IsMacImgShiftControl(PPDXHandle handle) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsMacImgShift()) ? 1 : 0;
}

long GetPostScript(PPDXHandle handle, unsigned char* out) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return o->PostScript(out);
}

int IsValidControlKeyword(PPDXHandle handle, const char* keyword) {
  auto* o = static_cast<PPDXControl*>(handle);
  if (o == nullptr) return 0;
  return (PPDXControl::ValidKeyword(keyword)) ? 1 : 0;
}

int CanSelectMultipleItems(PPDXHandle handle) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return (o->CanSelectMultipleItems()) ? 1 : 0;
}

const char* GetDefaultKeyword(PPDXHandle handle) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->GetDefaultKeyword();
}

long PopupItemCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return o->ItemCount();
}

long GetPopupValue(PPDXHandle handle) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return o->GetValue();
}

long GetPopupDefaultValue(PPDXHandle handle) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return o->DefaultValue();
}

const char* GetKeywordLocalName(PPDXHandle handle, const char* option) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->GetKeywordLocalName(option);
}

int IsKeywordSelected(PPDXHandle handle, const char* option) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsKeywordSelected(option)) ? 1 : 0;
}

long GetKeywordPSData(PPDXHandle handle, const char* option, unsigned char* out) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return o->GetKeywordPSData(option, out);
}

int SetKeywordSelect(PPDXHandle handle, const char* option, int on) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return (o->SetKeywordSelect(option, on != 0)) ? 1 : 0;
}

long PopupPostScript(PPDXHandle handle, unsigned char* out) {
  auto* o = static_cast<PPDXPopupControl*>(handle);
  if (o == nullptr) return 0;
  return o->PostScript(out);
}

int IsTrue(PPDXHandle handle) {
  auto* o = static_cast<PPDXBooleanControl*>(handle);
  if (o == nullptr) return 0;
  return (o->IsTrue()) ? 1 : 0;
}

int DefaultState(PPDXHandle handle) {
  auto* o = static_cast<PPDXBooleanControl*>(handle);
  if (o == nullptr) return 0;
  return (o->DefaultState()) ? 1 : 0;
}

const char* TrueDisplayText(PPDXHandle handle) {
  auto* o = static_cast<PPDXBooleanControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->TrueDisplayText();
}

const char* FalseDisplayText(PPDXHandle handle) {
  auto* o = static_cast<PPDXBooleanControl*>(handle);
  if (o == nullptr) return nullptr;
  return o->FalseDisplayText();
}

long BooleanPostScript(PPDXHandle handle, unsigned char* out) {
  auto* o = static_cast<PPDXBooleanControl*>(handle);
  if (o == nullptr) return 0;
  return o->PostScript(out);
}

long GetRangeValue(PPDXHandle handle) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->GetValue();
}

long GetRangeMinimum(PPDXHandle handle) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->MinVal();
}

long GetRangeMaximum(PPDXHandle handle) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->MaxVal();
}

long GetRangeIncrement(PPDXHandle handle) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->Increment();
}

long GetRangeDefaultVal(PPDXHandle handle) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->DefaultValue();
}

long RangePostScript(PPDXHandle handle, unsigned char* out) {
  auto* o = static_cast<PPDXRangeControl*>(handle);
  if (o == nullptr) return 0;
  return o->PostScript(out);
}

PPDXHandle FirstShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->First();
}

PPDXHandle NextShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->Next();
}

long GetShortcutCount(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return 0;
  return o->Count();
}

int IsShortcutsListEmpty(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return 1;
  return (o->Empty()) ? 1 : 0;
}

PPDXHandle FindShortcut(PPDXHandle handle, const char* keyword, const int* exact) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->Find(keyword, Flag(exact));
}

PPDXHandle GetPageSizeShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->PageSize();
}

PPDXHandle GetInputSlotShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->InputSlot();
}

PPDXHandle GetDuplexShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->Duplex();
}

PPDXHandle GetOrientationShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->Orientation();
}

PPDXHandle GetChromvaleShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->Chromvale();
}

PPDXHandle GetMediaSourceShortcut(PPDXHandle handle) {
  auto* o = static_cast<PPDXShortcuts*>(handle);
  if (o == nullptr) return nullptr;
  return o->MediaSource();
}

void SetPropertyScrollDown(PPDXHandle handle, PPDXHandle scrollPane) {
  if (auto* o = static_cast<PPDXProperty*>(handle))
    if (scrollPane) o->SetScrollDown(static_cast<PPDXScrollPane*>(scrollPane));
}

void ResetControlToDefault(PPDXHandle handle) {
  if (auto* o = static_cast<PPDXControl*>(handle)) o->ResetToDefaultValue();
}

void SetPopupValue(PPDXHandle handle, long position) {
  if (auto* o = static_cast<PPDXPopupControl*>(handle)) o->SetValue(position);
}

void SetValue(PPDXHandle handle, int value) {
  if (auto* o = static_cast<PPDXBooleanControl*>(handle)) o->SetValue(value != 0);
}

void SetRangeValue(PPDXHandle handle, long value) {
  if (auto* o = static_cast<PPDXRangeControl*>(handle)) o->SetValue(int32_t(value));
}

int FirstItem(PPDXHandle popup, PPDXPopupItemRecord* item) {
  auto* o = static_cast<PPDXPopupControl*>(popup);
  return FillItem(o ? o->FirstItem() : nullptr, item);
}

int NextItem(PPDXHandle popup, PPDXPopupItemRecord* item) {
  auto* o = static_cast<PPDXPopupControl*>(popup);
  return FillItem(o ? o->NextItem() : nullptr, item);
}

}  // extern "C"
