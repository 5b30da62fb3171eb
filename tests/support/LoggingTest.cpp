// The formatter, the number converter and the system-log output.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "TestSupport/CapturedLog.h"
#include "support/DebugLogFile.h"
#include "support/Logging.h"

namespace {

// Formats into a buffer of `size` bytes; checks the count and that nothing lands past it.
std::string FormatSized(unsigned long size, const char* format, ...) {
  char buffer[512];
  std::memset(buffer, '#', sizeof buffer);
  va_list arguments;
  va_start(arguments, format);
  const unsigned long written = DoPrint(buffer, size, format, arguments);
  va_end(arguments);
  EXPECT_EQ(written, std::strlen(buffer));
  EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
  return buffer;
}

template <class... Args>
std::string Format(const char* format, Args... args) {
  return FormatSized(256, format, args...);
}

TEST(DoPrintTest, Conversions) {
  EXPECT_EQ(Format("%d|%d|%d", 0, 42, INT32_MIN), "0|42|-2147483648");
  EXPECT_EQ(Format("%u %x", 4294967295u, -1), "4294967295 ffffffff");
  EXPECT_EQ(Format("%X %x %b %o", 255, 255, 5, 8), "FF ff 101 10");
  EXPECT_EQ(Format("%ld %lX", -7L, 0xABCL), "-7 ABC");
  EXPECT_EQ(Format("%c%c[%c]", 'o', 0x100 | 'k', 0), "ok[\\0]");
  EXPECT_EQ(Format("%.2s|%.*s|%s", "abcdef", 3, "abcdef", static_cast<const char*>(nullptr)),
            "ab|abc|<NULL>");
  EXPECT_EQ(Format("100%% %q trailing %"), "100% q trailing ");
}

TEST(DoPrintTest, PaddingAndCentring) {
  EXPECT_EQ(Format("[%5d]", -42), "[  -42]");
  EXPECT_EQ(Format("[%05d]", -42), "[-0042]");
  EXPECT_EQ(Format("[%-5d]", 7), "[7    ]");
  EXPECT_EQ(Format("[%-05d]", 7), "[7    ]");  // zeros after a number would change it
  EXPECT_EQ(Format("[%2d|%*X]", 12345, 4, 0xA), "[12345|   A]");
  EXPECT_EQ(Format("[%|6s]", "ab"), "[  ab  ]");
  EXPECT_EQ(Format("[%|7s]", "ab"), "[  ab   ]");
  EXPECT_EQ(Format("[%|1s]", "abc"), "[abc]");
}

TEST(DoPrintTest, FullBufferDropsTheRest) {
  EXPECT_EQ(FormatSized(6, "%s", "abcdefgh"), "abcde");
  EXPECT_EQ(FormatSized(4, "%-10s|%d", "x", 1), "x  ");
  EXPECT_EQ(FormatSized(1, "abc"), "");
  EXPECT_EQ(Format("%999999999d", 1).size(), 255u);

  char untouched = '#';
  va_list none{};
  EXPECT_EQ(DoPrint(&untouched, 0, "abc", none), 0u);
  EXPECT_EQ(untouched, '#');
}

TEST(LtosTest, BasesSignsAndInvalidBases) {
  char buffer[40] = "keep";
  EXPECT_EQ(ltos(5, buffer, 1, 0), nullptr);
  EXPECT_EQ(ltos(5, buffer, 17, 0), nullptr);
  EXPECT_STREQ(buffer, "keep");

  EXPECT_EQ(ltos(255, buffer, 16, 1), buffer + 2);
  EXPECT_STREQ(buffer, "FF");
  ltos(static_cast<unsigned long>(-15L), buffer, 10, 0);
  EXPECT_STREQ(buffer, "-15");
  ltos(0xFFFFFFF1ul, buffer, 16, 0);
  EXPECT_STREQ(buffer, "fffffff1");
}

// Every form logs the formatted text verbatim, cut to 255 characters.
TEST(LoggingTest, MessagesGoToTheSinkFormattedAndCut) {
  CapturedLog log;
  trace_log(3, "endpoint %d: %s", 7, "open");
  trace_log("CComm", "endpoint %d: %s", 7, "open");
  sys_log("%s", "100%d %s");
  sys_log("%s", std::string(300, 'm').c_str());
  EXPECT_EQ(log.lines, (std::vector<std::string>{"endpoint 7: open", "endpoint 7: open", "100%d %s",
                                                 std::string(255, 'm')}));
  SetLogSink(nullptr);  // back to the system log
  sys_log("to syslog");
  EXPECT_EQ(log.lines.size(), 4u);
}

TEST(LoggingOutputTest, HexDumpPrintsDataAndDebugLogNothing) {
  testing::internal::CaptureStdout();
  HexDump("title", "hi", 2);
  HexDump("none", "hi", -1);
  gDebugLog.dprintf("value %d %s", 1, "x");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "hi                6869\n\n");
}

}  // namespace
