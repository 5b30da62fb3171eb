#pragma once
// A non-owning list of elements with the one walk position its container keeps. First and Next
// yield the elements that an acceptance test lets through, in list order.
#include <cstring>

#include "support/PointerList.h"

template <class T>
class ElementWalk {
 public:
  ElementWalk() : mCurrent(mList.End()) {}
  ElementWalk(const ElementWalk&) = delete;
  ElementWalk& operator=(const ElementWalk&) = delete;

  // Answers the element's position, for containers that index their elements.
  PointerListItr Add(T* element) { return mList.InsertBefore(mList.End(), element); }
  PointerListItr End() { return mList.End(); }
  // Puts the walk position on `at` (End() for none), where a walk that stopped there leaves it,
  // and answers the element there.
  T* MoveTo(PointerListItr at) {
    mCurrent = at;
    return at == mList.End() ? nullptr : static_cast<T*>(*at);
  }

  template <class Accept>
  T* First(Accept accept) {
    mCurrent = mList.Begin();
    return Seek(accept);
  }
  template <class Accept>
  T* Next(Accept accept) {
    if (mCurrent != mList.End()) ++mCurrent;
    return Seek(accept);
  }
  T* First() {
    return First([](T*) { return true; });
  }
  T* Next() {
    return Next([](T*) { return true; });
  }

  uint32_t Size() const { return mList.Size(); }
  bool Empty() const { return mList.Empty(); }
  // Every element in list order, independent of the walk position.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (ConstPointerListItr it = mList.Begin(); it != mList.End(); ++it)
      visit(static_cast<T*>(*it));
  }

 private:
  template <class Accept>
  T* Seek(Accept accept) {
    for (; mCurrent != mList.End(); ++mCurrent) {
      T* element = static_cast<T*>(*mCurrent);
      if (accept(element)) return element;
    }
    return nullptr;
  }

  PointerList mList;
  PointerListItr mCurrent;
};

// Keyword test of every container's Find: equality when exact, else the text as a substring.
inline bool KeywordMatches(const char* keyword, const char* text, bool exact) {
  if (!keyword || !text) return false;
  return exact ? std::strcmp(keyword, text) == 0 : std::strstr(keyword, text) != nullptr;
}

// Walks with the container's own First/Next (moving its position) to the first match.
template <class T, class FirstFn, class NextFn>
T* FindByKeyword(FirstFn first, NextFn next, const char* text, bool exact) {
  if (!text) return nullptr;
  for (T* element = first(); element; element = next())
    if (KeywordMatches(element->Keyword(), text, exact)) return element;
  return nullptr;
}
