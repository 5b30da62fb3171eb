#include "AgentLog.h"

#include <syslog.h>

#include <cstdarg>
#include <cstdio>
#include <string>

void AgentLog(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list copy;
  va_copy(copy, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(length > 0 ? size_t(length) : 0, '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  std::fprintf(stderr, "corvel-agent: %s\n", text.c_str());
  std::fflush(stderr);
  syslog(LOG_USER | LOG_NOTICE, "corvel-agent: %s", text.c_str());
}
