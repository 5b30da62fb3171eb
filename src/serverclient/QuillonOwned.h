#pragma once
// The one owner of a value the client library hands out. Arrays and strings that a library call
// returns through an out-parameter are released with quillon_free exactly once, when their owner
// ends; the owner starts null, so a call that leaves the out-parameter unset releases nothing.
#include "q10/q10.h"

template <typename T>
class QuillonOwned {
 public:
  QuillonOwned() = default;
  ~QuillonOwned() { Reset(); }
  QuillonOwned(const QuillonOwned&) = delete;
  QuillonOwned& operator=(const QuillonOwned&) = delete;

  // The out-parameter for a library call; whatever was held before is released first.
  T** Out() {
    Reset();
    return &mValue;
  }
  T* Get() const { return mValue; }
  explicit operator bool() const { return mValue != nullptr; }
  void Reset() {
    if (mValue) quillon_free(mValue);
    mValue = nullptr;
  }

 private:
  T* mValue = nullptr;
};
