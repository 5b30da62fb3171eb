// The servers announced on the local network, as the Accessories pane lists them: a private
// avahi-daemon on loopback publishes two services, the list shows both with name and address,
// and choosing one makes its address the printer's server address. A third service names a host
// nobody answers for: it is left out, and waiting for it never holds the dialog for long.
#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <dbus/dbus.h>

#include "TestSupport/PrivateAvahi.h"
#include "options/PaneTestSupport.h"
#include "platform/NetServices.h"
#include "printsys/PMSession.h"

namespace {

constexpr const char* kServiceType = "_corvel_remote_ui._tcp";

class ServerDiscovery : public PaneTest {
 protected:
  void SetUp() override {
    if (!mAvahi.Running() && !corveltest::PrivateAvahi::Installed())
      GTEST_SKIP() << "avahi-daemon is not installed: " << mAvahi.Problem();
    // Where the project's scripts installed avahi, a daemon that does not start is a fault.
    ASSERT_TRUE(mAvahi.Running()) << mAvahi.Problem();
    ASSERT_TRUE(mAvahi.Publish("Corvel One", kServiceType, 8163));
    ASSERT_TRUE(mAvahi.Publish("Corvel Two", kServiceType, 8164));
    ASSERT_TRUE(mAvahi.Publish("Corvel Ghost", kServiceType, 8165, "ghost.local"));
    mBusVariable.emplace("DBUS_SYSTEM_BUS_ADDRESS", mAvahi.BusAddress());
    // libdbus reads the system bus address once per process; an earlier test's controller may
    // have read it already. No connection is open between tests, so it may start over.
    dbus_shutdown();
    ASSERT_EQ(PMCreateSession(&mSession), noErr);
    PMSessionSetCurrentPrinter(mSession, "Corvel");
    CModelInfo::SetCorvelPrinterName(mSession, "Corvel");
  }
  void TearDown() override {
    PaneTest::TearDown();
    PMRelease(mSession);
    dbus_shutdown();  // later tests read the machine's own bus address again
  }

  // "name address" of each row of the list, sorted.
  std::vector<std::string> Rows() {
    ControlRef list = Control("accs", 3);
    std::vector<std::string> rows;
    for (DataBrowserItemID item : GetDataBrowserItems(list))
      rows.push_back(GetDataBrowserCellText(list, item, FourCC("bNam")) + " " +
                     GetDataBrowserCellText(list, item, FourCC("ipAd")));
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  corveltest::PrivateAvahi mAvahi;
  std::optional<ScopedEnvironment> mBusVariable;
  PMPrintSession mSession = nullptr;
};

TEST_F(ServerDiscovery, BothServersAreListedAndTheChosenOneBecomesTheAddress) {
  Install();
  std::chrono::steady_clock::duration longestTurn{};
  corveltest::WaitUntil(
      [&] {
        const auto start = std::chrono::steady_clock::now();
        RunNetServicesPending(0);
        longestTurn = std::max(longestTurn, std::chrono::steady_clock::now() - start);
        return Rows().size() >= 2;
      },
      15);
  // The bound on resolving (3 s) is below the daemon's own give-up time (5 s).
  EXPECT_LT(longestTurn, std::chrono::milliseconds(4500));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Corvel One 127.0.0.1", "Corvel Two 127.0.0.1"}));

  UserClickTab(Control("crvl", 128), 7);
  ASSERT_EQ(UserSelectListRow(Control("accs", 3), 2), noErr);
  EXPECT_EQ(ControlText(Control("accs", 4)), "127.0.0.1");
  EXPECT_EQ(KTVQuillonPrinterPList().Find("corvel"), "127.0.0.1");
}

}  // namespace
