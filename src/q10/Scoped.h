#pragma once
// One owner per libcups object.
#include <memory>

#include <cups/cups.h>

namespace q10 {

struct IppDeleter {
  void operator()(ipp_t* p) const { ippDelete(p); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

struct HttpDeleter {
  void operator()(http_t* p) const { httpClose(p); }
};
using HttpPtr = std::unique_ptr<http_t, HttpDeleter>;

}  // namespace q10
