#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DebugLogFile.h"
#include "support/Logging.h"

namespace {

// Captures what would go to the system log for the life of the fixture.
class LoggingTest : public testing::Test {
protected:
    void SetUp() override {
        mPrevious = SetLogSink([this](const char* text) { mLines.emplace_back(text); });
    }
    void TearDown() override { SetLogSink(mPrevious); }

    std::vector<std::string> mLines;
    LogSink mPrevious;
};

TEST_F(LoggingTest, EveryFormFormatsTheSameWay) {
    trace_log(3, "endpoint %d: %s", 7, "open");
    trace_log("CComm", "endpoint %d: %s", 7, "open");
    sys_log("endpoint %d: %s", 7, "open");
    EXPECT_EQ(mLines, (std::vector<std::string>(3, "endpoint 7: open")));
}

TEST_F(LoggingTest, TextIsNotUsedAsAFormatAgain) {
    trace_log(0, "%s", "100%d %s");
    ASSERT_EQ(mLines.size(), 1u);
    EXPECT_EQ(mLines[0], "100%d %s");
}

TEST_F(LoggingTest, LongMessagesAreCutTo255Characters) {
    const std::string longText(300, 'm');
    sys_log("%s", longText.c_str());
    ASSERT_EQ(mLines.size(), 1u);
    EXPECT_EQ(mLines[0], std::string(255, 'm'));
}

TEST_F(LoggingTest, ResettingTheSinkStopsCapture) {
    SetLogSink(nullptr);  // back to the system log
    sys_log("to syslog");
    EXPECT_TRUE(mLines.empty());
}

TEST(LoggingHexDumpTest, DumpsTheDataOnly) {
    testing::internal::CaptureStdout();
    char data[] = "hi";
    HexDump("title", data, 2);
    HexDump("none", data, -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "hi                6869\n\n");
}

TEST(DebugLogFileTest, PrintsNothing) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    gDebugLog.dprintf("value %d %s", 1, "x");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
