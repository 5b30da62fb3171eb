#pragma once
// The process-wide display filter: which elements the walks and counts of every container yield.
#include <cstdint>

// Fixed width, so that a filter holding some other value is still a valid one.
enum _DISPLAY_OPTIONS_ : int32_t {
  SO_DEFAULT = 0,       // visible elements with a parent
  SO_SHOW_ORPHANS = 1,  // bit 0: include elements without a parent
  SO_SHOW_HIDDEN = 2,   // bit 1: include hidden elements
  SO_SHOW_ALL = 3
};

_DISPLAY_OPTIONS_ CurrentDisplayOptions();
void SetDisplayOptions(_DISPLAY_OPTIONS_ filter);

// Sets the filter for one scope and restores the previous one when it ends.
class DisplayOptionsScope {
 public:
  explicit DisplayOptionsScope(_DISPLAY_OPTIONS_ filter) : mSaved(CurrentDisplayOptions()) {
    SetDisplayOptions(filter);
  }
  ~DisplayOptionsScope() { SetDisplayOptions(mSaved); }
  DisplayOptionsScope(const DisplayOptionsScope&) = delete;
  DisplayOptionsScope& operator=(const DisplayOptionsScope&) = delete;

 private:
  _DISPLAY_OPTIONS_ mSaved;
};
