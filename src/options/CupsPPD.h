#pragma once
// The one owner of a PPD opened by the CUPS library: closes it exactly once.
#include <cups/ppd.h>

#include <memory>

struct PPDFileCloser {
  void operator()(ppd_file_t* p) const {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (p) ppdClose(p);
#pragma GCC diagnostic pop
  }
};
using CupsPPDPtr = std::unique_ptr<ppd_file_t, PPDFileCloser>;
