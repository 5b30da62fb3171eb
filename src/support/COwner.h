#pragma once
// The one way a C handle is owned here: a unique_ptr whose deleter is the library's own free
// function, called exactly once and never on null.
//
//   using IppPtr = COwner<ipp_t, ippDelete>;
//   IppPtr request(ippNewRequest(IPP_OP_GET_JOBS));
//
// Handles freed together with a count (an array of CUPS options or destinations) keep their
// count in CountedCOwner.
#include <cstdio>
#include <memory>

template <auto Free>
struct FreeWith {
  template <class T>
  void operator()(T* handle) const {
    if (handle) Free(handle);
  }
};

template <class T, auto Free>
using COwner = std::unique_ptr<T, FreeWith<Free>>;

// An array of `count` items that Free(count, items) releases; the count travels in the deleter:
//   CountedCOwner<cups_option_t, cupsFreeOptions> owner(options, {count});
template <auto Free>
struct FreeCountedWith {
  int count = 0;
  template <class T>
  void operator()(T* items) const {
    if (items) Free(count, items);
  }
};

template <class T, auto Free>
using CountedCOwner = std::unique_ptr<T, FreeCountedWith<Free>>;

// A stdio stream, closed when its owner goes.
using CFile = COwner<FILE, ::fclose>;
