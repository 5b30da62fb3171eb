#include "ppdx/model/PPDXControls.h"

#include <deque>
#include <map>
#include <string>
#include <utility>

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsValues.h"
#include "ppdx/controls/ControlRestore.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

namespace {
bool Displayed(PPDXControl* control) { return control->OkayToDisplay(CurrentDisplayOptions()); }

PPDXControl* Reported(PPDXControl* control, CNTL_TYPE& kind) {
  kind = control ? control->Type() : ctNone;
  return control;
}
}  // namespace

template <class T>
T* PPDXControls::Kind(PPDXControl* control) {
  return static_cast<T*>(control);  // the per-kind lists hold only controls of that class
}

void PPDXControls::Tally(CountArray& counts, const PPDXControl* control) {
  ++counts.baseCount;
  if (control->IsOrphan()) ++counts.orhanCount;
  if (!control->IsVisible()) ++counts.hiddenCount;
  if (control->IsOrphan() && !control->IsVisible()) ++counts.hiddenOrphanCount;
}

void PPDXControls::Add(PPDXControl* control) {
  if (!control) return;
  mControls.Add(control);
  // Each kind is one class, fixed at construction, so the kind names the list without a
  // run-time type look-up (five of them per control were a measurable part of a parse).
  struct KindList {
    ControlList& list;
    CountArray& counts;
  };
  auto add = [&](KindList kind) {
    kind.list.Add(control);
    Tally(kind.counts, control);
  };
  switch (control->Type()) {
    case ctJobNote:
      return add({mJobNotes, mJobNoteCount});
    case ctBoolean:
      return add({mBooleanControls, mBooleanCount});
    case ctPopup:
      return add({mPopupControls, mPopupCount});
    case ctRange:
      return add({mRangeControls, mRangeCount});
    case ctSpecialOption:
      return add({mSpecialOptions, mSpecialOptionsCount});
    case ctNone:
      return;
  }
}

PPDXControl* PPDXControls::First(CNTL_TYPE& kind) {
  return Reported(mControls.First(Displayed), kind);
}

PPDXControl* PPDXControls::Next(CNTL_TYPE& kind) {
  return Reported(mControls.Next(Displayed), kind);
}

PPDXControl* PPDXControls::Find(const char* keyword, CNTL_TYPE& kind, const bool& exact) {
  PPDXControl* found =
      FindByKeyword<PPDXControl>([&] { return mControls.First(Displayed); },
                                 [&] { return mControls.Next(Displayed); }, keyword, exact);
  return Reported(found, kind);
}

PPDXPopupControl* PPDXControls::FirstPopupControl() {
  return Kind<PPDXPopupControl>(mPopupControls.First());
}

PPDXPopupControl* PPDXControls::NextPopupControl() {
  return Kind<PPDXPopupControl>(mPopupControls.Next());
}

PPDXBooleanControl* PPDXControls::FirstBooleanControl() {
  return Kind<PPDXBooleanControl>(mBooleanControls.First());
}

PPDXBooleanControl* PPDXControls::NextBooleanControl() {
  return Kind<PPDXBooleanControl>(mBooleanControls.Next());
}

PPDXRangeControl* PPDXControls::FirstRangeControl() {
  return Kind<PPDXRangeControl>(mRangeControls.First());
}

PPDXRangeControl* PPDXControls::NextRangeControl() {
  return Kind<PPDXRangeControl>(mRangeControls.Next());
}

PPDXJobNote* PPDXControls::FirstJobNote() { return Kind<PPDXJobNote>(mJobNotes.First()); }

PPDXJobNote* PPDXControls::NextJobNote() { return Kind<PPDXJobNote>(mJobNotes.Next()); }

PPDXSpecialOption* PPDXControls::FirstSpecialOption() {
  return Kind<PPDXSpecialOption>(mSpecialOptions.First());
}

PPDXSpecialOption* PPDXControls::NextSpecialOption() {
  return Kind<PPDXSpecialOption>(mSpecialOptions.Next());
}

PPDXControl* PPDXControls::FindIn(ControlList& list, const char* keyword, bool exact) {
  return FindByKeyword<PPDXControl>([&] { return list.First(); }, [&] { return list.Next(); },
                                    keyword, exact);
}

PPDXPopupControl* PPDXControls::FindPopup(const char* keyword, const bool& exact) {
  return Kind<PPDXPopupControl>(FindIn(mPopupControls, keyword, exact));
}

PPDXBooleanControl* PPDXControls::FindBoolean(const char* keyword, const bool& exact) {
  return Kind<PPDXBooleanControl>(FindIn(mBooleanControls, keyword, exact));
}

PPDXRangeControl* PPDXControls::FindRangeControl(const char* keyword, const bool& exact) {
  return Kind<PPDXRangeControl>(FindIn(mRangeControls, keyword, exact));
}

PPDXJobNote* PPDXControls::FindJobNote(const char* keyword, const bool& exact) {
  return Kind<PPDXJobNote>(FindIn(mJobNotes, keyword, exact));
}

PPDXSpecialOption* PPDXControls::FindSpecialOption(const char* keyword, const bool& exact) {
  return Kind<PPDXSpecialOption>(FindIn(mSpecialOptions, keyword, exact));
}

long PPDXControls::FilteredCount(const CountArray& counts) {
  switch (CurrentDisplayOptions()) {
    case SO_DEFAULT:
      return counts.baseCount - counts.orhanCount - counts.hiddenCount + counts.hiddenOrphanCount;
    case SO_SHOW_ORPHANS:
      return counts.baseCount - counts.hiddenCount;
    case SO_SHOW_HIDDEN:
      return counts.baseCount - counts.orhanCount;
    case SO_SHOW_ALL:
      return counts.baseCount;
    default:
      return 0;
  }
}

long PPDXControls::JobNoteCount() const {
  DisplayOptionsScope orphansShown(SO_SHOW_ORPHANS);
  return FilteredCount(mJobNoteCount);
}

long PPDXControls::SpecialOptionsCount() const {
  DisplayOptionsScope everythingShown(SO_SHOW_ALL);
  return FilteredCount(mSpecialOptionsCount);
}

OSStatus PPDXControls::Save(Settings& settings) {
  OSStatus status =
      SaveInt32(settings, kControlsTag, kControlsCountId, static_cast<int32_t>(mControls.Size()));
  long id = kControlsTag + 1;
  mControls.ForEach([&](PPDXControl* control) {
    if (status == noErr) status = control->Save(settings, id++);
  });
  return status;
}

OSStatus PPDXControls::Restore(Settings& settings) {
  // Two controls may share a keyword (a boolean and a job note, say): a saved value goes to the
  // control of the same keyword and kind, the n-th saved one of them to the n-th in this list.
  std::map<std::pair<std::string, CNTL_TYPE>, std::deque<PPDXControl*>> byKeywordAndKind;
  mControls.ForEach([&](PPDXControl* control) {
    if (control->Keyword())
      byKeywordAndKind[{control->Keyword(), control->Type()}].push_back(control);
  });
  const long count = ReadElementCount(settings, kControlsTag, kControlsCountId);
  OSStatus status = noErr;
  for (long id = kControlsTag + 1; id <= kControlsTag + count && status == noErr; ++id) {
    const CString keyword = ReadText(settings, kElementKeywordTag, id);
    if (!keyword) continue;
    const auto match =
        byKeywordAndKind.find({std::string(keyword), SavedControlType(settings, id)});
    if (match == byKeywordAndKind.end() || match->second.empty()) continue;
    status = match->second.front()->Restore(settings, id);
    match->second.pop_front();
  }
  return status;
}
