#include "LogCopy.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "support/Logging.h"

void CopyLogToStandardError() {
  auto systemLog = std::make_shared<LogSink>();
  *systemLog = SetLogSink([systemLog](const char* text) {
    (*systemLog)(text);
    const size_t length = std::strlen(text);
    std::fprintf(stderr, "%s%s", text, length > 0 && text[length - 1] == '\n' ? "" : "\n");
  });
}
