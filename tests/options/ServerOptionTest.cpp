// The queue's installed option set through the administration command on a private cupsd, and
// names that a shell would read as commands passed on as plain arguments.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestSupport/PrivateCupsd.h"
#include "options/CCorvelOptions.h"
#include "printsys/PMSession.h"

namespace {

class ServerOption : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mCupsd.Running()) << "see " << mCupsd.Root() / "log/error_log";
    ASSERT_TRUE(mCupsd.AddQueue("Corvel", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    ASSERT_EQ(PMCreateSession(&mSession), noErr);
    PMSessionSetCurrentPrinter(mSession, "Corvel");
    CModelInfo::SetCorvelPrinterName(mSession, "Corvel");
  }
  void TearDown() override { PMRelease(mSession); }

  void Set(std::string keyword, std::string choice) {
    std::string address = "10.0.0.1";
    mController->SetServerOption(address.data(), keyword.data(), choice.data());
  }

  std::string QueueFinisher() const { return mCupsd.QueuePPDDefault("Corvel", "KTFinisher"); }

  corveltest::PrivateCupsd mCupsd;
  PMPrintSession mSession = nullptr;
  std::unique_ptr<CCorvelOptions> mController{CCorvelOptions::CreateInstance(nullptr, false)};
};

TEST_F(ServerOption, SetsTheQueuesInstalledOption) {
  Set("KTFinisher", "Finisher6");
  EXPECT_EQ(QueueFinisher(), "Finisher6");
}

TEST_F(ServerOption, NamesReachTheCommandAsArgumentsNotThroughAShell) {
  const std::filesystem::path marker = mCupsd.Root() / "marker";
  Set("KTFinisher", "Finisher3;touch " + marker.string());
  Set("KTFinisher", "Finisher3$(touch " + marker.string() + ")");
  EXPECT_FALSE(std::filesystem::exists(marker));
  Set("KTFinisher=x", "Finisher6");       // a '=' in the keyword is refused
  Set("KTFinisher", "Finisher6\ntouch");  // so are control characters
  EXPECT_NE(QueueFinisher(), "Finisher6");
}

}  // namespace
