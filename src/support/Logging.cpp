#include "support/Logging.h"

#include <syslog.h>

#include <utility>

#include "support/CUtil.h"

namespace {

constexpr unsigned long kLogLineSize = 256;

void SendToSystemLog(const char* text) {
  // Alert priority; the text is an argument so that it is never read as a format.
  syslog(LOG_ALERT, "%s", text);
}

LogSink& CurrentSink() {
  static LogSink sink = SendToSystemLog;
  return sink;
}

void LogFormatted(const char* format, va_list arguments) {
  char line[kLogLineSize];
  DoPrint(line, sizeof line, format, arguments);
  CurrentSink()(line);
}

}  // namespace

LogSink SetLogSink(LogSink sink) {
  if (!sink) sink = SendToSystemLog;
  return std::exchange(CurrentSink(), std::move(sink));
}

void trace_log(int, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  LogFormatted(format, arguments);
  va_end(arguments);
}

void trace_log(const char*, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  LogFormatted(format, arguments);
  va_end(arguments);
}

void sys_log(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  LogFormatted(format, arguments);
  va_end(arguments);
}

void HexDump(const char*, const char* data, short length) {
  if (length > 0) CUtil::HexDump(data, length);
}
