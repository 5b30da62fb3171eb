#pragma once
// Diagnostic output: the system's own formatter and the system log.
#include <cstdarg>
#include <functional>

// Formats into `buffer` (at most `size` - 1 characters, always terminated when `size` > 0) and
// returns the number of characters written. Conversions: d u x X o b c s, flags - | 0, width
// and precision (digits or *), l/L accepted; values are 32-bit.
unsigned long DoPrint(char* buffer, unsigned long size, const char* format, va_list arguments);

// Writes `value` in `base` (2 to 16) and returns the end of the text (its NUL); null for any
// other base, with nothing written. Base 10 writes a negative 32-bit value with a "-".
char* ltos(unsigned long value, char* buffer, unsigned long base, int upper);

// Formats into a 256-byte buffer and logs the text verbatim at alert priority.
// The level and tag do not change the output. Formats follow DoPrint, not printf ("%b", "%|").
void trace_log(int level, const char* format, ...);
void trace_log(const char* tag, const char* format, ...);
void sys_log(const char* format, ...);

// Dumps `data` with CUtil::HexDump.
void HexDump(const char* title, const char* data, short length);

// Where logged text goes; by default the system log. Returns the previous sink; an empty
// function restores the default.
using LogSink = std::function<void(const char* text)>;
LogSink SetLogSink(LogSink sink);
