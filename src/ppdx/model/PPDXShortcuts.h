#pragma once
// The popup controls a PPD names as shortcuts, in the order named; non-owning.
#include "platform/FourCC.h"
#include "platform/Status.h"
#include "ppdx/model/ElementWalk.h"

class PPDXControl;
class PPDXPopupControl;
class PointerList;
class Settings;

inline constexpr OSType kShortcutsTag = FourCC("StCt");
inline constexpr long kShortcutsCountId = 6000;

class PPDXShortcuts {
 public:
  // Keeps the popup controls of a list of PPDXControl*; other entries are left out, so that
  // Count and the walks agree.
  explicit PPDXShortcuts(const PointerList& controls);
  virtual ~PPDXShortcuts() = default;

  PPDXPopupControl* First();
  PPDXPopupControl* Next();
  PPDXPopupControl* Find(const char* keyword, const bool& exact);
  bool Empty() const { return mShortcuts.Empty(); }
  long Count() const { return static_cast<long>(mShortcuts.Size()); }

  PPDXPopupControl* PageSize() { return Find("*PageSize", true); }
  PPDXPopupControl* InputSlot() { return Find("*InputSlot", true); }
  PPDXPopupControl* Duplex() { return Find("*KTDuplex", true); }
  PPDXPopupControl* Orientation() { return Find("*KT_PAPER_ORIENTATION", true); }
  // No keyword is assigned to these two.
  PPDXPopupControl* Chromvale() { return nullptr; }
  PPDXPopupControl* MediaSource() { return nullptr; }

  // The count under ('StCt', 6000), each keyword under ids from 6001.
  OSStatus Save(Settings& settings);

 private:
  ElementWalk<PPDXControl> mShortcuts;
};
