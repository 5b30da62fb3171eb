// Completion rules of tickets, sessions and the connection, with the library's own ticket calls:
// an all-zero ticket is a finished request with result 0, an unknown ticket fails its check.
#include <gtest/gtest.h>

#include "serverclient/SessionBasedClass.h"
#include "serverclient/TrayInfo.h"
#include "serverclient/Wrenfold.h"
#include "TestSupport/CapturedLog.h"

namespace {

// A session whose pending step and ticket the test sets, counting the completions it receives.
class ProbeSession : public SessionBasedClass {
 public:
  ProbeSession() : SessionBasedClass(nullptr) {}
  int32_t OpenSession() override { return 0; }
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override { return nullptr; }
  int32_t CloseSession() override { return 0; }

  void Pend(int32_t step, int32_t ticketID) {
    mCurrentAsyncOp = step;
    mSessionTicket.ID = ticketID;
  }
  int completions = 0;

 protected:
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override {
    ++completions;
    return CompleteOpenStep();
  }
};

constexpr int32_t kUnknownTicket = 0x7eadbeef;

TEST(AsyncTicket, ReportsDoneOnlyThroughProgressAndDeliversEveryTime) {
  ProbeSession session;
  AsyncTicket ticket(&session);
  for (int poll = 1; poll <= 2; ++poll) {
    float progress = -1.0f;
    EXPECT_FALSE(ticket.IsDone(&progress)) << "poll " << poll;
    EXPECT_EQ(progress, 100.0f) << "poll " << poll;
    EXPECT_EQ(session.completions, poll);
  }
  EXPECT_EQ(ticket.GetLastResult(), 0);
}

TEST(SessionBasedClass, IsDoneFollowsThePendingStep) {
  struct Case {
    const char* name;
    int32_t step;
    int32_t ticketID;
    bool done;
    float progress;
    bool errorIsZero;
    bool openAfter;
  };
  constexpr Case kCases[] = {
      {"nothing pending", -1, 0, true, 100.0f, true, false},
      {"open step finished", 2, 0, true, 100.0f, true, true},
      {"other step finished", 5, 0, true, 100.0f, true, false},
      {"ticket check fails", 2, kUnknownTicket, false, 0.0f, false, false},
  };
  for (const Case& c : kCases) {
    ProbeSession session;
    session.Pend(c.step, c.ticketID);
    float progress = -1.0f;
    long error = 1;
    EXPECT_EQ(session.IsDone(&progress, &error), c.done) << c.name;
    EXPECT_EQ(progress, c.progress) << c.name;
    EXPECT_EQ(error == 0, c.errorIsZero) << c.name;
    EXPECT_EQ(session.IsSessionOpen(), c.openAfter) << c.name;
    EXPECT_EQ(session.completions, c.step != -1 && c.done ? 1 : 0) << c.name;
  }
}

// Nothing answers on port 1 of the loopback address. With nothing pending the connection is done
// without touching the progress.
TEST(Wrenfold, UnconnectedHasNoSessions) {
  for (const char* server : {static_cast<const char*>(nullptr), "127.0.0.1:1"}) {
    Wrenfold wrenfold(server, 0);
    if (server) {
      EXPECT_FALSE(wrenfold.ConnectToServer(false, false));
    }
    float progress = -7.0f;
    EXPECT_TRUE(wrenfold.IsDone(&progress));
    EXPECT_EQ(progress, -7.0f);
    EXPECT_EQ(wrenfold.SetServerTimeout(30), 0);
    EXPECT_EQ(wrenfold.GetFeaturesObject(), nullptr);
    EXPECT_EQ(wrenfold.GetServerInfoObject(), nullptr);
    EXPECT_EQ(wrenfold.GetLocalizationObject(), nullptr);
    EXPECT_EQ(wrenfold.GetChromvaleObject("q"), nullptr);
    EXPECT_EQ(wrenfold.GetColrObject("q"), nullptr);
    EXPECT_EQ(wrenfold.GetLanguages(), nullptr);
    EXPECT_FALSE(wrenfold.SetLanguage("de_DE"));
  }
}

// A level above the capacity is cut to it with a logged line; a negative one is ignored.
TEST(TrayInfo, SetTrayLevelKeepsTheLevelWithinTheCapacity) {
  struct Case {
    int level;
    int stored;
    bool logged;
  };
  constexpr Case kCases[] = {{50, 50, false}, {150, 100, true}, {-1, 50, false}, {100, 100, false}};
  CapturedLog log;
  for (const Case& c : kCases) {
    TrayInfo tray("Tray 1", "A4", "Plain", 100);
    tray.SetTrayLevel(50);
    log.text.clear();
    tray.SetTrayLevel(c.level);
    EXPECT_EQ(tray.GetCurrentLevel(), c.stored) << "level " << c.level;
    EXPECT_EQ(log.text == "TrayInfo::SetTrayLevel currentLevel 150 > mMaxCapacity 100, limiting\n",
              c.logged)
        << "level " << c.level << ": " << log.text;
  }
}

}  // namespace
