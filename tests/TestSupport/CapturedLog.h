#pragma once
// Everything the support library logs while a CapturedLog lives, for tests that read the log;
// the sink before it comes back when it goes, whatever assertion ends the test early.
#include <string>
#include <vector>

#include "support/Logging.h"

struct CapturedLog {
  CapturedLog()
      : previous(SetLogSink([this](const char* line) {
          text += line;
          lines.emplace_back(line);
        })) {}
  ~CapturedLog() { SetLogSink(previous); }
  CapturedLog(const CapturedLog&) = delete;
  CapturedLog& operator=(const CapturedLog&) = delete;

  std::string text;                // every line, one after the other
  std::vector<std::string> lines;  // each line as it was logged
  LogSink previous;
};
