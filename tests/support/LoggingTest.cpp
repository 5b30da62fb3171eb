#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DebugLogFile.h"
#include "support/Logging.h"

namespace {

// Captures what would go to the system log.
class LoggingTest : public testing::Test {
 protected:
  void SetUp() override {
    mPrevious = SetLogSink([this](const char* text) { mLines.emplace_back(text); });
  }
  void TearDown() override { SetLogSink(mPrevious); }

  std::vector<std::string> mLines;
  LogSink mPrevious;
};

TEST_F(LoggingTest, EveryFormLogsTheFormattedTextVerbatim) {
  trace_log(3, "endpoint %d: %s", 7, "open");
  trace_log("CComm", "endpoint %d: %s", 7, "open");
  sys_log("%s", "100%d %s");
  EXPECT_EQ(mLines, (std::vector<std::string>{"endpoint 7: open", "endpoint 7: open", "100%d %s"}));
}

TEST_F(LoggingTest, LongMessagesAreCutTo255Characters) {
  sys_log("%s", std::string(300, 'm').c_str());
  EXPECT_EQ(mLines, std::vector<std::string>{std::string(255, 'm')});
  SetLogSink(nullptr);  // back to the system log
  sys_log("to syslog");
  EXPECT_EQ(mLines.size(), 1u);
}

TEST(LoggingOutputTest, HexDumpPrintsDataAndDebugLogNothing) {
  testing::internal::CaptureStdout();
  HexDump("title", "hi", 2);
  HexDump("none", "hi", -1);
  gDebugLog.dprintf("value %d %s", 1, "x");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "hi                6869\n\n");
}

}  // namespace
