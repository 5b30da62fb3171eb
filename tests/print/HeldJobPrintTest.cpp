// corvel-print --job: a job an application printed waits held on a queue that holds new jobs; the
// dialog, run headless, sets its options and releases it, cancels it, or refuses it with its
// reason, never touching a job that is not the user's held job.
#include <gtest/gtest.h>

#include "HeldJob.h"
#include "PrintTestSupport.h"
#include "TestSupport/SecureAccessServer.h"

namespace {

using corveltest::ProgramRun;

class HeldJobPrint : public printtest::PrintFixture {
 protected:
  // Prints `document` with lp as an application does, with these lp arguments; the job id, 0
  // when refused.
  static int PrintAsApplication(const std::string& queue, const std::filesystem::path& document,
                                std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), {"lp", "-d", queue, "-t", "Report", document.string()});
    std::smatch id;
    const ProgramRun run = corveltest::RunCapturing(arguments);
    return std::regex_search(run.output, id, std::regex("request id is \\S+-(\\d+)"))
               ? std::stoi(id[1])
               : 0;
  }
  int HoldJob(std::vector<std::string> arguments = {}) {
    return PrintAsApplication("Holding", Document(), std::move(arguments));
  }

  static ProgramRun PrintJob(int job, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--job", std::to_string(job)});
    return Print(std::move(arguments));
  }
};

// PostScript and PDF alike: the held job prints with the dialog's finishing and comments. A
// print from the dialog itself is not held a second time.
TEST_F(HeldJobPrint, AHeldJobPrintsWithTheDialogsOptionsAndComments) {
  const std::filesystem::path pdf = PDFDocument();
  for (const std::filesystem::path& document : {Document(), pdf}) {
    SCOPED_TRACE(document);
    const int job = PrintAsApplication("Holding", document);
    ASSERT_EQ(corveltest::PrivateCupsd::JobState(job), IPP_JSTATE_HELD) << cupsLastErrorString();
    const ProgramRun run = PrintJob(
        job, {"--headless", "--set", "outp/29=2", "--set", "outp/11=8", "--type", "info/10=Ann"});
    ASSERT_EQ(run.exitStatus, 0) << run.messages;
    EXPECT_EQ(CompletedJob(run), job) << run.output;
    EXPECT_NE(LatestJob("Holding").find("%%BeginFeature: *KTStapler 2Left\n"), std::string::npos);
    EXPECT_NE(LatestJob("Holding").find("%%CORVEL: DocOwner Ann\n"), std::string::npos);
  }
  const ProgramRun direct = Print({"-P", "Holding", "--type", "info/10=Pat", pdf.string()});
  ASSERT_EQ(direct.exitStatus, 0) << direct.messages;
  EXPECT_GT(CompletedJob(direct), 0) << "not held: " << direct.output;
  EXPECT_NE(LatestJob("Holding").find("%%CORVEL: DocOwner Pat\n"), std::string::npos);
}

// The job's "sides" wins over the saved duplex choice (short edge); a dry run leaves the job
// held. What the user prints with is saved, so each case saves short edge first.
TEST_F(HeldJobPrint, TheJobsSidesWinsOverTheSavedChoice) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"-o", "sides=two-sided-long-edge"}, "\"KTDuplex\": \"LongEdge\""},
      {{"-o", "sides=one-sided"}, "\"KTDuplex\": \"False\""},
      {{}, "\"KTDuplex\": \"ShortEdge\""},
  };
  for (const auto& [options, duplex] : cases) {
    ASSERT_EQ(
        Print({"-P", "Holding", "--dry-run", "--set", "page/10=3", Document().string()}).exitStatus,
        0);
    const int job = HoldJob(options);
    const ProgramRun run = PrintJob(job, {"--dry-run"});
    EXPECT_NE(run.output.find(duplex), std::string::npos) << duplex << run.messages;
    EXPECT_EQ(corveltest::PrivateCupsd::JobState(job), IPP_JSTATE_HELD)
        << "a dry run leaves the job as it was";
    cupsCancelJob("Holding", job);
  }
}

// Cancel in the dialog cancels the job; Secure Access refusing the user leaves it held.
TEST_F(HeldJobPrint, CancelCancelsAndARefusedUserLeavesTheJobHeld) {
  const int cancelled = HoldJob();
  EXPECT_EQ(PrintJob(cancelled, {"--headless", "--click", "host/3"}).exitStatus, 7);
  EXPECT_EQ(corveltest::PrivateCupsd::JobState(cancelled), IPP_JSTATE_CANCELED);

  corveltest::SecureAccessServer server(printtest::kSecureAccessConfig);
  ScopedEnvironment port("CORVEL_SECURE_ACCESS_PORT", std::to_string(server.Port()));
  const int refused = PrintAsApplication("HoldingSA", Document());
  const ProgramRun run = PrintJob(refused, printtest::SecureAccessAnswers("nope"));
  EXPECT_EQ(run.exitStatus, 5) << run.messages;
  EXPECT_NE(run.messages.find("Unknown user or wrong password."), std::string::npos);
  EXPECT_NE(run.messages.find("stays held"), std::string::npos) << run.messages;
  EXPECT_EQ(corveltest::PrivateCupsd::JobState(refused), IPP_JSTATE_HELD);
  cupsCancelJob("HoldingSA", refused);
}

// Each job it may not print is refused with its reason and status, and left as it was.
TEST_F(HeldJobPrint, JobsItMayNotPrintAreRefusedAndLeftAlone) {
  const int others = HoldJob({"-U", "other"});
  const int held = HoldJob(), done = HoldJob({"-H", "immediate"});
  const int cancelled = HoldJob();
  ASSERT_TRUE(corveltest::PrivateCupsd::WaitForJob("Holding", done));
  cupsCancelJob("Holding", cancelled);
  const std::string noServer =
      "CUPS_SERVER=127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  const struct {
    int job;
    std::vector<std::string> arguments;
    int status;
    std::string message;
  } cases[] = {
      {999999, {}, 8, "job 999999 does not exist"},
      {others, {}, 9, "job " + std::to_string(others) + " belongs to "},
      {done, {}, 10, "is not held (it is completed)"},
      {cancelled, {}, 10, "is not held (it is canceled)"},
      {held, {"-P", "Corvel"}, 11, "is on queue \"Holding\", not \"Corvel\""},
      {held, {Document().string()}, 1, "give no FILE"},
      {0, {}, 1, "--job needs a job number"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = PrintJob(c.job, c.arguments);
    EXPECT_EQ(run.exitStatus, c.status) << c.message << ": " << run.messages;
    EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
  }
  const ProgramRun unreachable = Print({"--job", std::to_string(held)}, {noServer});
  EXPECT_EQ(unreachable.exitStatus, 2) << unreachable.messages;
  EXPECT_EQ(corveltest::PrivateCupsd::JobState(others), IPP_JSTATE_HELD);
  EXPECT_EQ(corveltest::PrivateCupsd::JobState(held), IPP_JSTATE_HELD);
}

// A job that went while its dialog was open (cancelled, or lost without a trace as in a restart
// of the print server): the on-screen view's check says so, and Print releases nothing.
TEST_F(HeldJobPrint, AJobThatWentWhileTheDialogWasOpenIsNotPrinted) {
  for (const auto& [purge, reason] :
       {std::pair{0, "is no longer held (it is canceled)"}, std::pair{1, "no longer exists"}}) {
    const int job = HoldJob();
    std::string said, error;
    ASSERT_TRUE(JobStillHeld(job, &said)) << said;
    ASSERT_EQ(LookUpHeldJob(job).job.name, "Report");
    cupsCancelJob2(CUPS_HTTP_DEFAULT, "Holding", job, purge);
    EXPECT_FALSE(JobStillHeld(job, &said));
    EXPECT_NE(said.find(reason), std::string::npos) << said;
    EXPECT_EQ(SetOptionsAndRelease(job, {{{"KTStapler", "2Left"}}}, &error), ReleaseOutcome::Gone);
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

}  // namespace
