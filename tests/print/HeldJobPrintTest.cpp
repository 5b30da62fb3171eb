// corvel-print --job: a job an application printed waits held on a queue that holds new jobs; the
// dialog, run headless against a private cupsd, sets its options and releases it, or cancels it,
// or refuses it with a reason, never touching a job that is not the user's.
#include <gtest/gtest.h>

#include "HeldJob.h"
#include "PrintTestSupport.h"
#include "TestSupport/SecureAccessServer.h"
#include "platform/PlatformTestSupport.h"

namespace {

namespace fs = std::filesystem;
using corveltest::ProgramRun;
using printtest::RunCorvelPrint;

class HeldJobPrint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sCupsd = new corveltest::PrivateCupsd;
    ASSERT_TRUE(sCupsd->Running()) << "see " << sCupsd->Root() / "log/error_log";
    for (const auto& [queue, ppd] :
         {std::pair{"Holding", "crvmtqix.ppd"}, std::pair{"HoldingSA", "crvmtqsa.ppd"}}) {
      ASSERT_TRUE(sCupsd->AddQueue(queue, std::string(CORVEL_SOURCE_DIR "/ppd/") + ppd));
      ASSERT_TRUE(sCupsd->SetQueueOption(queue, "job-hold-until-default", "indefinite"));
    }
    ASSERT_TRUE(sCupsd->SetQueueOption("Holding", "KTFinisher", "Finisher6"));
    ASSERT_TRUE(sCupsd->AddQueue("Plain", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
  }
  static void TearDownTestSuite() { delete sCupsd; }

  // Prints the sample as an application does, as `user` (the process's own when empty), with
  // these options; the job id (0 when refused).
  int PrintAsApplication(const std::string& queue, const std::string& extension = ".ps",
                         const std::vector<std::pair<std::string, std::string>>& options = {},
                         const std::string& user = "") {
    const fs::path document = printtest::WriteDocument(mDocuments.path(), extension);
    cups_option_t* encoded = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
      count = cupsAddOption(name.c_str(), value.c_str(), count, &encoded);
    if (!user.empty()) cupsSetUser(user.c_str());
    const int job = cupsPrintFile(queue.c_str(), document.c_str(), "Report", count, encoded);
    cupsSetUser(nullptr);
    cupsFreeOptions(count, encoded);
    return job;
  }

  static ipp_jstate_t StateOf(int job) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = ipp_jstate_t(0);
    for (int i = 0; i < count; ++i)
      if (jobs[i].id == job) state = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return state;
  }

  static ProgramRun PrintJob(int job, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--job", std::to_string(job)});
    return RunCorvelPrint(std::move(arguments));
  }

  static corveltest::PrivateCupsd* sCupsd;
  TemporaryHome mHome;
  TemporaryFolder mDocuments;
};

corveltest::PrivateCupsd* HeldJobPrint::sCupsd = nullptr;

// PostScript and PDF alike: the job waits held, then prints with the dialog's finishing and
// comments; a print from the dialog itself is not held a second time.
TEST_F(HeldJobPrint, AHeldJobPrintsWithTheDialogsOptionsAndComments) {
  for (const char* extension : {".ps", ".pdf"}) {
    SCOPED_TRACE(extension);
    const int job = PrintAsApplication("Holding", extension);
    ASSERT_GT(job, 0) << cupsLastErrorString();
    ASSERT_EQ(StateOf(job), IPP_JSTATE_HELD);
    const ProgramRun run = PrintJob(
        job, {"--headless", "--set", "outp/29=2", "--set", "outp/11=8", "--type", "info/10=Ann"});
    ASSERT_EQ(run.exitStatus, 0) << run.messages;
    EXPECT_EQ(printtest::CompletedJob(run), job) << run.output;
    const std::string printed = printtest::LatestJob(*sCupsd, "Holding");
    EXPECT_NE(printed.find("%%BeginFeature: *KTStapler 2Left\n"), std::string::npos);
    EXPECT_NE(printed.find("%%CORVEL: DocOwner Ann\n"), std::string::npos);
  }
  const fs::path document = printtest::WriteDocument(mDocuments.path(), ".ps");
  const ProgramRun direct = RunCorvelPrint({"-P", "Holding", document.string()});
  ASSERT_EQ(direct.exitStatus, 0) << direct.messages;
  EXPECT_GT(printtest::CompletedJob(direct), 0) << "not held: " << direct.output;
}

// The job's own "sides" wins over the saved duplex choice (short edge here); a dry run leaves
// the job held. What the user prints with is what is saved next, so each case saves first.
TEST_F(HeldJobPrint, TheJobsSidesWinsOverTheSavedChoice) {
  const fs::path document = printtest::WriteDocument(mDocuments.path(), ".ps");
  const struct {
    const char* sides;
    const char* duplex;
  } cases[] = {
      {"two-sided-long-edge", "\"KTDuplex\": \"LongEdge\""},
      {"one-sided", "\"KTDuplex\": \"False\""},
      {nullptr, "\"KTDuplex\": \"ShortEdge\""},  // the saved choice
  };
  for (const auto& c : cases) {
    ASSERT_EQ(
        RunCorvelPrint({"-P", "Holding", "--dry-run", "--set", "page/10=3", document.string()})
            .exitStatus,
        0);
    const int job = PrintAsApplication(
        "Holding", ".ps",
        c.sides ? std::vector<std::pair<std::string, std::string>>{{"sides", c.sides}}
                : std::vector<std::pair<std::string, std::string>>{});
    const ProgramRun run = PrintJob(job, {"--dry-run"});
    ASSERT_EQ(run.exitStatus, 0) << run.messages;
    EXPECT_NE(run.output.find(c.duplex), std::string::npos) << c.duplex;
    EXPECT_EQ(StateOf(job), IPP_JSTATE_HELD) << "a dry run leaves the job as it was";
    cupsCancelJob("Holding", job);
  }
}

// Cancel in the dialog cancels the job; Secure Access refusing the user leaves it held.
TEST_F(HeldJobPrint, CancelCancelsAndARefusedUserLeavesTheJobHeld) {
  const int cancelled = PrintAsApplication("Holding");
  const ProgramRun cancel = PrintJob(cancelled, {"--headless", "--click", "host/3"});
  EXPECT_EQ(cancel.exitStatus, 7) << cancel.messages;
  EXPECT_EQ(StateOf(cancelled), IPP_JSTATE_CANCELED);

  corveltest::SecureAccessServer server(
      "secure-access on\nrequire-user-id on\nrequire-password on\n"
      "message Unknown user or wrong password.\nuser jdoe pw -\n");
  ScopedEnvironment port("CORVEL_SECURE_ACCESS_PORT", std::to_string(server.Port()));
  const int refused = PrintAsApplication("HoldingSA");
  const ProgramRun run = PrintJob(
      refused,
      {"--type", "info/10=jdoe", "--answer", "Two Way Communcations=ok:paed/0=127.0.0.1",
       "--answer", "SecureAccessWindow=saOK:SecA/11=nope", "--answer", "SAValidationMsgDlg=vaOK"});
  EXPECT_EQ(run.exitStatus, 5) << run.messages;
  EXPECT_NE(run.messages.find("Unknown user or wrong password."), std::string::npos);
  EXPECT_NE(run.messages.find("stays held"), std::string::npos) << run.messages;
  EXPECT_EQ(StateOf(refused), IPP_JSTATE_HELD);
  cupsCancelJob("HoldingSA", refused);
}

// A job that is not the user's held job on the named queue is refused with its reason and its
// own status, and stays as it was.
TEST_F(HeldJobPrint, JobsItMayNotPrintAreRefusedAndLeftAlone) {
  const int others = PrintAsApplication("Holding", ".ps", {}, "other");
  const int held = PrintAsApplication("Holding");
  const int done = PrintAsApplication("Holding", ".ps", {{"job-hold-until", "no-hold"}});
  const int cancelled = PrintAsApplication("Holding");
  ASSERT_TRUE(corveltest::PrivateCupsd::WaitForJob("Holding", done));
  cupsCancelJob("Holding", cancelled);
  const std::string noServer =
      "CUPS_SERVER=127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  const struct {
    int job;
    std::vector<std::string> arguments;
    int status;
    std::string message;
    std::vector<std::string> environment = {};
  } cases[] = {
      {999999, {}, 8, "job 999999 does not exist"},
      {others, {}, 9, "job " + std::to_string(others) + " belongs to "},
      {done, {}, 10, "is not held (it is completed)"},
      {cancelled, {}, 10, "is not held (it is canceled)"},
      {held, {"-P", "Plain"}, 11, "is on queue \"Holding\", not \"Plain\""},
      {held, {}, 2, "cannot reach the print server", {noServer}},
      {held, {printtest::WriteDocument(mDocuments.path(), ".ps").string()}, 1, "give no FILE"},
      {0, {}, 1, "--job needs a job number"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"--job", std::to_string(c.job), "--headless"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const ProgramRun run = RunCorvelPrint(arguments, c.environment);
    EXPECT_EQ(run.exitStatus, c.status) << c.message << ": " << run.messages;
    EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
  }
  EXPECT_EQ(StateOf(others), IPP_JSTATE_HELD);
  EXPECT_EQ(StateOf(held), IPP_JSTATE_HELD);
}

// A job that goes while its dialog is open: the check the on-screen view makes says so, and
// Print neither sets options on it nor releases anything.
TEST_F(HeldJobPrint, AJobThatWentWhileTheDialogWasOpenIsNotPrinted) {
  const struct {
    bool purge;  // gone without a trace, as after a restart that lost it
    const char* reason;
  } cases[] = {{false, "is no longer held (it is canceled)"}, {true, "no longer exists"}};
  for (const auto& c : cases) {
    const int job = PrintAsApplication("Holding");
    std::string reason;
    ASSERT_TRUE(JobStillHeld(job, &reason)) << reason;
    ASSERT_EQ(LookUpHeldJob(job).job.name, "Report");
    cupsCancelJob2(CUPS_HTTP_DEFAULT, "Holding", job, c.purge ? 1 : 0);
    EXPECT_FALSE(JobStillHeld(job, &reason));
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    std::string error;
    EXPECT_EQ(SetOptionsAndRelease(job, {{{"KTStapler", "2Left"}}}, &error), ReleaseOutcome::Gone);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

}  // namespace
