// corvel-agent against a private cupsd: jobs printed with lp to queues that hold new jobs, the
// agent's dialog command a script that records "JOB QUEUE" and, unless told to keep it, cancels
// the job as a user's Cancel would.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <regex>

#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/ScopedEnvironment.h"

namespace {

namespace fs = std::filesystem;
using corveltest::ProgramRun;
using corveltest::RunCapturing;

// Create-Printer-Subscriptions needs a user nobody is.
const char* const kNoSubscriptionsPolicy =
    "DefaultPolicy no-subscriptions\n"
    "<Policy no-subscriptions>\n"
    "  <Limit Create-Printer-Subscriptions>\n"
    "    AuthType Basic\n"
    "    Require user corvel-nobody\n"
    "  </Limit>\n"
    "  <Limit All>\n"
    "    Order allow,deny\n"
    "    Allow all\n"
    "  </Limit>\n"
    "</Policy>\n";

// The bundled PPD as another maker's printer.
std::string NonCorvelPPD() {
  const std::string text = corveltest::FileContents(CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd");
  return std::regex_replace(text, std::regex(R"((\*(Short)?NickName: ")Corvel MTQ-ix)"),
                            "$1Generic Laser");
}

class CorvelAgent : public ::testing::Test {
 protected:
  void StartServer(const std::string& configuration = "") {
    mCupsd = std::make_unique<corveltest::PrivateCupsd>(CORVEL_JOBCOMMENTS_FILTER, configuration);
    ASSERT_TRUE(mCupsd->Running());
    const fs::path plain = mFolder.path() / "plain.ppd";
    std::ofstream(plain) << NonCorvelPPD();
    for (const auto& [queue, ppd] :
         {std::pair<std::string, fs::path>{"Corvel", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"},
          {"Plain", plain}}) {
      ASSERT_TRUE(mCupsd->AddQueue(queue, ppd)) << queue;
      ASSERT_TRUE(mCupsd->SetQueueOption(queue, "job-hold-until-default", "indefinite")) << queue;
    }
  }
  void SetUp() override {
    StartServer();
    WriteDialogCommand(true);
  }
  void TearDown() override { StopAgent(); }

  // The recording dialog; `cancel` false leaves the job held, as a user who closes the window.
  void WriteDialogCommand(bool cancel) {
    std::ofstream(DialogCommand()) << "#!/bin/sh\necho \"$2 $4\" >> " << Record() << "\n"
                                   << (cancel ? "exec cancel \"$2\"\n" : "");
    fs::permissions(DialogCommand(), fs::perms(0700));
  }

  // Prints a document as an application would; the job id, or 0.
  int Print(const std::string& queue, const std::string& user = "") {
    const fs::path document = mFolder.path() / "doc.ps";
    std::ofstream(document) << "%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\nshowpage\n%%EOF\n";
    std::vector<std::string> argv = {"lp", "-d", queue, document.string()};
    if (!user.empty()) argv.insert(argv.begin() + 1, {"-U", user});
    const ProgramRun run = RunCapturing(argv);
    std::smatch match;
    return std::regex_search(run.output, match, std::regex(queue + "-(\\d+)")) ? std::stoi(match[1])
                                                                               : 0;
  }

  void StartAgent(const std::string& dialogCommand = "") {
    const std::string log = (mFolder.path() / "agent.log").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    mAgent =
        corveltest::SpawnProgram({CORVEL_AGENT_PROGRAM, "--dialog-command",
                                  dialogCommand.empty() ? DialogCommand().string() : dialogCommand},
                                 &actions);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_NE(mAgent, 0);
  }
  // Stops the agent as a session's end would; what it logged.
  std::string StopAgent() {
    if (mAgent != 0) kill(mAgent, SIGTERM);
    corveltest::WaitForProgram(mAgent);
    mAgent = 0;
    return corveltest::FileContents(mFolder.path() / "agent.log");
  }

  // What `file` holds once `done` finds it complete, or after a minute.
  static std::string WaitForContents(const fs::path& file,
                                     const std::function<bool(const std::string&)>& done) {
    std::string text;
    corveltest::WaitUntil([&] { return done(text = corveltest::FileContents(file)); }, 60,
                          std::chrono::milliseconds(50));
    return text;
  }
  // The dialogs opened once there are `count`, one "JOB QUEUE" a line.
  std::string Dialogs(size_t count) const {
    return WaitForContents(Record(), [count](const std::string& text) {
      return size_t(std::count(text.begin(), text.end(), '\n')) >= count;
    });
  }
  bool AgentSaid(const std::string& words) const {
    return WaitForContents(mFolder.path() / "agent.log", [&](const std::string& text) {
             return text.find(words) != std::string::npos;
           }).find(words) != std::string::npos;
  }

  fs::path Record() const { return mFolder.path() / "record"; }
  fs::path DialogCommand() const { return mFolder.path() / "dialog"; }

  TemporaryFolder mFolder;
  TemporaryFolder mRuntime;
  ScopedEnvironment mRuntimeFolder{"XDG_RUNTIME_DIR", mRuntime.path().string()};
  std::unique_ptr<corveltest::PrivateCupsd> mCupsd;
  pid_t mAgent = 0;
};

// A job held before the agent started is shown, then one held while it runs; another user's job
// and a job on a queue of another printer model are never shown, though both wait between them.
TEST_F(CorvelAgent, ShowsOnlyThisUsersJobsOnCorvelQueues) {
  const int before = Print("Corvel");
  ASSERT_GT(Print("Corvel", "someone-else"), 0);
  ASSERT_GT(Print("Plain"), 0);
  StartAgent();
  const int during = Print("Corvel");
  ASSERT_GT(before, 0);
  EXPECT_EQ(Dialogs(2),
            std::to_string(before) + " Corvel\n" + std::to_string(during) + " Corvel\n");
}

// Twenty jobs, each left held when its dialog ends: twenty dialogs in job order, none shown twice
// (the job after them proves the agent looked again).
TEST_F(CorvelAgent, ShowsEachOfManyJobsOnceInJobOrder) {
  WriteDialogCommand(false);
  StartAgent();
  std::string expected;
  for (int i = 0; i < 21; ++i) {
    const int job = Print("Corvel");
    ASSERT_GT(job, 0);
    expected += std::to_string(job) + " Corvel\n";
  }
  EXPECT_EQ(Dialogs(21), expected);
}

// The server goes away and comes back while the agent runs: a job held afterwards is shown.
TEST_F(CorvelAgent, ShowsJobsHeldAfterTheServerRestarted) {
  StartAgent();
  const int first = Print("Corvel");
  ASSERT_EQ(Dialogs(1), std::to_string(first) + " Corvel\n");
  ASSERT_TRUE(mCupsd->Restart());
  const int second = Print("Corvel");
  EXPECT_EQ(Dialogs(2), std::to_string(first) + " Corvel\n" + std::to_string(second) + " Corvel\n");
  const std::string log = StopAgent();
  std::regex unreachable("cannot reach the print server");
  EXPECT_LE(std::distance(std::sregex_iterator(log.begin(), log.end(), unreachable),
                          std::sregex_iterator()),
            1)
      << log;
}

// A server whose policy refuses subscriptions: the agent asks for held jobs itself.
TEST_F(CorvelAgent, ShowsJobsWhenTheServerRefusesSubscriptions) {
  StartServer(kNoSubscriptionsPolicy);
  StartAgent();
  const int job = Print("Corvel");
  EXPECT_EQ(Dialogs(1), std::to_string(job) + " Corvel\n");
  EXPECT_NE(StopAgent().find("refused a subscription to job events"), std::string::npos);
}

// The whole path with the real dialog, scripted: the job printed with lp prints with the dialog's
// stapling and owner comment; a job whose dialog is cancelled is cancelled.
TEST_F(CorvelAgent, PrintsOrCancelsEachHeldJobThroughTheDialog) {
  TemporaryHome home;
  ASSERT_TRUE(mCupsd->SetQueueOption("Corvel", "KTFinisher", "Finisher6"));
  const struct {
    const char* script;
    ipp_jstate_t state;
  } cases[] = {
      {" --headless --set outp/29=2 --set outp/11=8 --type info/10=Ann", IPP_JSTATE_COMPLETED},
      {" --headless --click host/3", IPP_JSTATE_CANCELED},
  };
  for (const auto& [script, state] : cases) {
    StartAgent(CORVEL_PRINT_PROGRAM + std::string(script));
    const int job = Print("Corvel");
    EXPECT_EQ(corveltest::PrivateCupsd::WaitForJobEnd(job), state) << script << StopAgent();
    StopAgent();
  }
  const std::string printed = mCupsd->QueueOutput("Corvel");
  EXPECT_NE(printed.find("%%BeginFeature: *KTStapler 2Left"), std::string::npos) << printed;
  EXPECT_NE(printed.find("%%CORVEL: DocOwner Ann\n"), std::string::npos) << printed;
}

// Runs that end at once: help, a wrong command line, a second agent, no runtime folder.
TEST_F(CorvelAgent, EndsAtOnceWithItsReason) {
  StartAgent();
  ASSERT_TRUE(AgentSaid("watching for held jobs"));
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> runtimeFolder;
    int exitStatus;
    std::string says;
  } cases[] = {
      {{"--help"}, mRuntime.path().string(), 0, "--job ID -P QUEUE"},
      {{"--bogus"},
       mRuntime.path().string(),
       1,
       "unknown option --bogus\nTry 'corvel-agent --help'"},
      {{"--dialog-command"}, mRuntime.path().string(), 1, "--dialog-command needs a value"},
      {{}, mRuntime.path().string(), 2, "already running for this user (lock "},
      {{}, std::nullopt, 3, "XDG_RUNTIME_DIR is not set"},
  };
  for (const Case& c : cases) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", c.runtimeFolder);
    std::vector<std::string> argv = c.arguments;
    argv.insert(argv.begin(), CORVEL_AGENT_PROGRAM);
    const ProgramRun run = RunCapturing(argv);
    EXPECT_EQ(run.exitStatus, c.exitStatus) << c.says;
    EXPECT_NE((run.output + run.messages).find(c.says), std::string::npos)
        << run.output << run.messages;
  }
}

}  // namespace
