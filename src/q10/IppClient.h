#pragma once
// The library's traffic: one connection per request, every wait bounded by the handle's
// time-out and cut short by a cancel, every answer bounded in size. Results are library codes.
#include <string>

#include "q10/Scoped.h"
#include "q10/ServerAddress.h"
#include "q10/Tickets.h"
#include "q10/q10.h"

namespace q10 {

struct Exchange {
  RequestControl& control;
  const ServerAddress& address;
  int timeoutSeconds;
};

struct IppAnswer {
  QuillonResult result = QUILLON_RESULT_OK;
  IppPtr response;  // non-null when result is 0
};

// Get-Printer-Attributes without requested-attributes (every attribute, vendor ones too), asked
// in the given IPP language ("" for the library's default).
IppAnswer GetPrinterAttributes(const Exchange& exchange, const std::string& language);
// Get-Jobs for the jobs not completed yet, asking only for their ids.
IppAnswer GetOpenJobs(const Exchange& exchange);

struct TextAnswer {
  QuillonResult result = QUILLON_RESULT_OK;
  std::string text;
};
// GET of a file the printer serves (the path of uri, fetched from the printer's own host and
// port); at most limit bytes, more is an error.
TextAnswer FetchPrinterFile(const Exchange& exchange, const std::string& uri, std::size_t limit);

}  // namespace q10
