#pragma once
// A non-owning list of controls, with one list per kind. The all-controls walk and the counts
// follow the display filter; the per-kind walks yield every control of their kind.
#include "platform/Status.h"
#include "ppdx/model/ElementWalk.h"
#include "ppdx/controls/ControlTypes.h"

class PPDXControl;
class PPDXPopupControl;
class PPDXBooleanControl;
class PPDXRangeControl;
class PPDXJobNote;
class PPDXSpecialOption;
class Settings;

inline constexpr uint32_t kControlsTag = 5000;
inline constexpr long kControlsCountId = 5002;

class PPDXControls {
 public:
  PPDXControls() = default;
  virtual ~PPDXControls() = default;

  void Add(PPDXControl* control);

  PPDXControl* First(CNTL_TYPE& kind);
  PPDXControl* Next(CNTL_TYPE& kind);
  PPDXControl* Find(const char* keyword, CNTL_TYPE& kind, const bool& exact);

  PPDXPopupControl* FirstPopupControl();
  PPDXPopupControl* NextPopupControl();
  PPDXPopupControl* FindPopup(const char* keyword, const bool& exact);
  PPDXBooleanControl* FirstBooleanControl();
  PPDXBooleanControl* NextBooleanControl();
  PPDXBooleanControl* FindBoolean(const char* keyword, const bool& exact);
  PPDXRangeControl* FirstRangeControl();
  PPDXRangeControl* NextRangeControl();
  PPDXRangeControl* FindRangeControl(const char* keyword, const bool& exact);
  PPDXJobNote* FirstJobNote();
  PPDXJobNote* NextJobNote();
  PPDXJobNote* FindJobNote(const char* keyword, const bool& exact);
  PPDXSpecialOption* FirstSpecialOption();
  PPDXSpecialOption* NextSpecialOption();
  PPDXSpecialOption* FindSpecialOption(const char* keyword, const bool& exact);

  long ControlCount() const {
    return PopupCount() + BooleanCount() + RangeCount() + JobNoteCount();
  }
  long PopupCount() const { return FilteredCount(mPopupCount); }
  long BooleanCount() const { return FilteredCount(mBooleanCount); }
  long RangeCount() const { return FilteredCount(mRangeCount); }
  long JobNoteCount() const;         // as if orphans were shown
  long SpecialOptionsCount() const;  // as if everything were shown
  bool Empty() const { return ControlCount() == 0; }
  bool NoPopups() const { return PopupCount() == 0; }
  bool NoBooleanControls() const { return BooleanCount() == 0; }
  bool NoRangeControls() const { return RangeCount() == 0; }
  bool NoJobNotes() const { return JobNoteCount() == 0; }
  bool NoSpecialOptions() const { return SpecialOptionsCount() == 0; }

  // Every listed control under ids from 5001, their number under (5000, 5002).
  OSStatus Save(Settings& settings);
  // Gives each saved control's current value back to the listed control with its keyword.
  OSStatus Restore(Settings& settings);

  // Every listed control, whatever the filter and without moving any walk.
  template <class Visit>
  void ForEach(Visit visit) const {
    mControls.ForEach(visit);
  }

 private:
  using ControlList = ElementWalk<PPDXControl>;
  template <class T>
  static T* Kind(PPDXControl* control);
  static long FilteredCount(const CountArray& counts);
  static void Tally(CountArray& counts, const PPDXControl* control);
  PPDXControl* FindIn(ControlList& list, const char* keyword, bool exact);

  ControlList mControls;
  ControlList mPopupControls;
  CountArray mPopupCount;
  ControlList mBooleanControls;
  CountArray mBooleanCount;
  ControlList mRangeControls;
  CountArray mRangeCount;
  ControlList mJobNotes;
  CountArray mJobNoteCount;
  ControlList mSpecialOptions;
  CountArray mSpecialOptionsCount;
};
