#pragma once
// The errors recorded while parsing one PPD, in the order recorded. The list owns its records.
#include <memory>
#include <vector>

#include "ppdx/errors/PPDXErrorObj.h"

class PPDXErrors {
 public:
  PPDXErrors() = default;
  virtual ~PPDXErrors() = default;
  PPDXErrors(const PPDXErrors&) = delete;
  PPDXErrors& operator=(const PPDXErrors&) = delete;

  // Takes the record; a null record is ignored.
  void Add(PPDXErrorObj* error);
  // Records in order; null at the end or when empty. One walk at a time.
  PPDXErrorObj* First();
  PPDXErrorObj* Next();
  long Count() const { return long(mErrors.size()); }
  bool Empty() const { return mErrors.empty(); }
  // Record i in recorded order (i below Count()), without moving the walk.
  const PPDXErrorObj& operator[](long i) const { return *mErrors[size_t(i)]; }

 private:
  std::vector<std::unique_ptr<PPDXErrorObj>> mErrors;
  size_t mCurrent = 0;
};
