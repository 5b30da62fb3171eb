// corvel-print end to end, as a script runs it: the bundled queues on a private cupsd, the dialog
// driven headless, the job printed through the printing path into the queue's file. What reached
// the file (PPD code, job comments), what the program answered and what it remembered is checked.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "JobCommentLifetime.h"
#include "PrintTestSupport.h"
#include "TestSupport/SecureAccessServer.h"
#include "platform/PlatformTestSupport.h"
#include "platform/Preferences.h"
#include "options/CCorvelOptions.h"

namespace {

namespace fs = std::filesystem;
using corveltest::ProgramRun;

class HeadlessPrint : public printtest::PrintFixture {};

// Stops or starts a queue of the private cupsd, as cupsdisable and cupsenable do.
bool SetQueueStopped(const std::string& queue, bool stopped) {
  ipp_t* request = ippNewRequest(stopped ? IPP_OP_PAUSE_PRINTER : IPP_OP_RESUME_PRINTER);
  const std::string uri = "ipp://localhost/printers/" + queue;
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
  return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

TEST_F(HeadlessPrint, StaplePunchAndOwnerReachThePrintedJobAndAreRememberedAfterward) {
  const ProgramRun run = Print({"--headless", "-P", "Corvel", "--set", "page/15=0", "--set",
                                "outp/29=2", "--set", "outp/11=8", "--set", "outp/14=2", "--type",
                                "info/10=Ann", "--type", "info/11=pass1", Document().string()});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  EXPECT_EQ(run.messages, "") << "a normal run logs nothing";
  ASSERT_GT(CompletedJob(run), 0) << run.output;
  const std::string job = LatestJob("Corvel");
  EXPECT_NE(job.find("%%BeginFeature: *KTStapler 2Left\n"), std::string::npos);
  EXPECT_NE(job.find("%%BeginFeature: *KTCollate True"), std::string::npos) << "stapling collates";
  EXPECT_NE(job.find("%%BeginFeature: *KTPunchHoleType 2Even"), std::string::npos);
  EXPECT_NE(job.find("%%CORVEL: DocOwner Ann\n"), std::string::npos);
  char scrambled[32] = "pass1";
  CCorvelOptions::EncryptUserPassword(scrambled);
  EXPECT_NE(job.find(std::string("%%CORVEL: Password ") + scrambled + "\n"), std::string::npos);
  EXPECT_EQ(job.find("pass1"), std::string::npos) << "the password never travels plain";
  EXPECT_EQ(job.find("%%KTVPrintTime:"), std::string::npos);

  const ProgramRun again = Print({"-P", "Corvel", "--dry-run", Document().string()});
  ASSERT_EQ(again.exitStatus, 0) << again.messages;
  EXPECT_NE(again.output.find("\"KTStapler\": \"2Left\""), std::string::npos) << "remembered";
  EXPECT_NE(again.output.find("%%CORVEL: DocOwner Ann"), std::string::npos);
  // Annex comes first and has Corvel's description: the choices are Corvel's all the same.
  EXPECT_TRUE(fs::exists(PreferencesFileForDomain("com.ktv.print.pde.CorvelOptions.Corvel")));
  EXPECT_FALSE(fs::exists(PreferencesFileForDomain("com.ktv.print.pde.CorvelOptions.Annex")));
}

TEST_F(HeadlessPrint, ASecureAccessQueuePrintsOnlyWhenTheServerAcceptsTheUser) {
  corveltest::SecureAccessServer server(printtest::kSecureAccessConfig);
  ScopedEnvironment port("CORVEL_SECURE_ACCESS_PORT", std::to_string(server.Port()));
  const auto print = [&](const std::string& password) {
    std::vector<std::string> arguments = printtest::SecureAccessAnswers(password);
    arguments.insert(arguments.end(), {"-P", "CorvelSA", Document().string()});
    return Print(arguments);
  };
  const ProgramRun refused = print("nope");
  EXPECT_EQ(refused.exitStatus, 5) << refused.messages;
  EXPECT_NE(refused.messages.find("Unknown user or wrong password."), std::string::npos)
      << refused.messages;
  const ProgramRun accepted = print("pw");
  ASSERT_EQ(accepted.exitStatus, 0) << accepted.messages;
  ASSERT_GT(CompletedJob(accepted), 0) << accepted.output;
  EXPECT_NE(LatestJob("CorvelSA").find("%%CORVEL: DocOwner jdoe\n"), std::string::npos);
  EXPECT_EQ(server.Requests(), "100\n101 jdoe\\tnope\\t\\r\n100\n101 jdoe\\tpw\\t\\r\n");
}

TEST_F(HeadlessPrint, AScheduledTimeAddsThePrintTimeLine) {
  const ProgramRun run = Print({"-P", "Corvel", "--click", "file/17", "--answer",
                                "SchedulePrintDlg=skOK", Document().string()});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  ASSERT_GT(CompletedJob(run), 0);
  EXPECT_NE(LatestJob("Corvel").find("%%KTVPrintTime: "), std::string::npos);
}

// Twenty users print at once to one queue, each with a home of their own: every job is accepted
// and carries its user's choices and comments, and every user's choices are remembered.
TEST_F(HeadlessPrint, TwentyPrintsAtOnceEachKeepTheirOwnOptions) {
  constexpr int kUsers = 20;
  std::vector<std::unique_ptr<TemporaryFolder>> homes;
  const auto owner = [](int user) { return "user" + std::to_string(100 + user); };
  const auto start = [&](int user, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"env", "HOME=" + homes[user]->path().string(),
                                         CORVEL_PRINT_PROGRAM, "-P", "Corvel"});
    return std::make_unique<corveltest::CapturedProgram>(arguments);
  };
  // Even users staple, odd users punch.
  const auto finishing = [](int user) {
    return user % 2 == 0 ? std::pair{"outp/11=8", "*KTStapler 2Left"}
                         : std::pair{"outp/14=2", "*KTPunchHoleType 2Even"};
  };
  std::vector<std::unique_ptr<corveltest::CapturedProgram>> prints;
  for (int user = 0; user < kUsers; ++user) {
    homes.push_back(std::make_unique<TemporaryFolder>());
    prints.push_back(start(user, {"--set", "outp/29=2", "--set", finishing(user).first, "--type",
                                  "info/10=" + owner(user), Document().string()}));
  }
  for (int user = 0; user < kUsers; ++user) {
    const ProgramRun run = prints[user]->Wait();
    ASSERT_EQ(run.exitStatus, 0) << owner(user) << ": " << run.messages;
    ASSERT_GT(CompletedJob(run), 0) << owner(user) << ": " << run.output;
  }

  const std::string all = sCupsd->QueueOutput("Corvel");
  for (int user = 0; user < kUsers; ++user) {
    SCOPED_TRACE(owner(user));
    const size_t comment = all.find("%%CORVEL: DocOwner " + owner(user) + "\n");
    ASSERT_NE(comment, std::string::npos);
    const size_t begin = all.rfind("%!PS-Adobe", comment);
    const std::string job = all.substr(begin, all.find("%!PS-Adobe", comment) - begin);
    for (int other : {0, 1})
      EXPECT_EQ(
          job.find(std::string("%%BeginFeature: ") + finishing(other).second) != std::string::npos,
          other == user % 2);
  }

  for (int user = 0; user < kUsers; ++user)
    prints[user] = start(user, {"--dry-run", Document().string()});
  for (int user = 0; user < kUsers; ++user) {
    const ProgramRun remembered = prints[user]->Wait();
    ASSERT_EQ(remembered.exitStatus, 0) << remembered.messages;
    EXPECT_NE(remembered.output.find("%%CORVEL: DocOwner " + owner(user)), std::string::npos)
        << owner(user);
    EXPECT_EQ(remembered.output.find("\"KTStapler\": \"2Left\"") != std::string::npos,
              user % 2 == 0)
        << owner(user);
  }
}

// Without its interface file the extension cannot make its panes: it stops before it could store
// a record the panes never filled.
TEST_F(HeadlessPrint, ABundleWithoutItsInterfaceFileStopsAndStoresNothing) {
  const fs::path bundle = mDocuments.path() / "Corvel.plugin";
  fs::copy(CORVEL_BUNDLE_DIR, bundle, fs::copy_options::recursive);
  ASSERT_TRUE(fs::remove(bundle / "Contents/Resources/Corvel.xml"));
  const ProgramRun run =
      Print({"--bundle", bundle.string(), "-P", "Corvel", "--dry-run", Document().string()});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.messages.find("interface file"), std::string::npos) << run.messages;
  EXPECT_FALSE(fs::exists(mHome.path() / "Library/Preferences"));
}

// The job still goes, but what cannot be kept or read is said.
TEST_F(HeadlessPrint, ChoicesThatCannotBeKeptOrAddressesReadAreSaid) {
  const fs::path preferences = mHome.path() / "Library/Preferences";
  fs::create_directories(preferences);
  std::ofstream(preferences / "KTV.QuillonPrinter.plist") << "damaged";
  const ProgramRun damaged = Print({"-P", "Corvel", "--dry-run", Document().string()});
  EXPECT_EQ(damaged.exitStatus, 0);
  EXPECT_NE(damaged.messages.find("KTV.QuillonPrinter.plist is damaged"), std::string::npos)
      << damaged.messages;

  fs::remove_all(preferences);
  std::ofstream(preferences) << "a file where the folder belongs";
  const ProgramRun unsaved = Print({"-P", "Corvel", "--dry-run", Document().string()});
  EXPECT_EQ(unsaved.exitStatus, 0);
  EXPECT_NE(unsaved.messages.find("your choices are not saved"), std::string::npos)
      << unsaved.messages;
}

// A comment file (the user's scrambled passwords, readable by everybody) lives until its job is
// past processing: a job's file goes once the job completed, a dry run leaves none, and each run
// removes the user's earlier comment files that no unfinished job names. The files whose fate is
// checked live in a folder of the test's own, so that corvel-print runs of other tests (asking
// other cupsds) cannot take them.
TEST_F(HeadlessPrint, CommentFilesLiveUntilTheirJobIsDone) {
  const auto makeFile = [&](const fs::path& file, bool old) {
    std::ofstream(file) << "comments";
    if (old) fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    return file;
  };
  const auto submit = [&](const fs::path& file, bool held) {
    cups_option_t* options = nullptr;
    int count = cupsAddOption("KTV.PSData.Corvel", file.c_str(), 0, &options);
    if (held) count = cupsAddOption("job-hold-until", "indefinite", count, &options);
    const int job = cupsPrintFile("Corvel", Document().c_str(), "sample", count, options);
    cupsFreeOptions(count, options);
    return job;
  };
  const fs::path stem = mDocuments.path() / "Zanth.temp";
  const fs::path done = makeFile(stem.string() + "10", true),
                 held = makeFile(stem.string() + "11", true);
  const fs::path stale = makeFile(stem.string() + "12", true),
                 fresh = makeFile(stem.string() + "13", false);
  const fs::path others = makeFile(stem.string() + "14", true);
  ASSERT_EQ(chown(others.c_str(), 65534, -1), 0);
  const int doneJob = submit(done, false), heldJob = submit(held, true);
  ASSERT_TRUE(corveltest::PrivateCupsd::WaitForJob("Corvel", doneJob));
  EXPECT_TRUE(RemoveCommentFileOnceJobEnds(doneJob, done, std::chrono::milliseconds(0)));
  // A held job, or one in a stopped queue, cannot end before somebody acts: no waiting for it.
  EXPECT_FALSE(RemoveCommentFileOnceJobEnds(heldJob, held, std::chrono::hours(1)));
  ASSERT_TRUE(SetQueueStopped("Corvel", true));
  const fs::path stopped = makeFile(stem.string() + "15", false);
  const int stoppedJob = submit(stopped, false);
  EXPECT_FALSE(RemoveCommentFileOnceJobEnds(stoppedJob, stopped, std::chrono::hours(1)));
  cupsCancelJob("Corvel", stoppedJob);
  ASSERT_TRUE(SetQueueStopped("Corvel", false));
  EXPECT_EQ(RemoveStaleCommentFiles(stem.string() + "0"), 1);
  const std::pair<fs::path, bool> keptOrNot[] = {{done, false}, {held, true},   {stale, false},
                                                 {fresh, true}, {others, true}, {stopped, true}};
  for (const auto& [file, kept] : keptOrNot) EXPECT_EQ(fs::exists(file), kept) << file;
  cupsCancelJob("Corvel", heldJob);

  const fs::path staleInTmp = makeFile("/tmp/Zanth.temp9" + std::to_string(getpid()), true);
  const ProgramRun run = Print({"-P", "Corvel", "--dry-run", Document().string()});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  std::smatch dryRunFile;
  ASSERT_TRUE(std::regex_search(run.output, dryRunFile, std::regex("/tmp/Zanth\\.temp\\d+")));
  EXPECT_FALSE(fs::exists(dryRunFile.str()));
  EXPECT_FALSE(fs::exists(staleInTmp));
}

// The job comments cannot be written (here /tmp is read-only, in a mount namespace of the run's
// own): the job must not print without its owner and passwords, and the user learns why.
TEST_F(HeadlessPrint, AJobWhoseCommentsCannotBeWrittenDoesNotPrint) {
  if (corveltest::RunProgram({"unshare", "-m", "true"}) != 0)
    GTEST_SKIP() << "no mount namespace can be made here";
  const std::string writable = mDocuments.path().string();
  const ProgramRun run = corveltest::RunCapturing(
      {"unshare", "-m", "sh", "-c",
       "mount --bind \"$0\" \"$0\" && mount --rbind /tmp /tmp && "
       "mount -o remount,bind,ro /tmp && TMPDIR=\"$0\" exec \"$@\"",
       writable, CORVEL_PRINT_PROGRAM, "-P", "Corvel", Document().string()});
  EXPECT_EQ(run.exitStatus, 5) << run.messages;
  EXPECT_NE(run.messages.find("job comments could not be written"), std::string::npos)
      << run.messages;
  EXPECT_NE(run.messages.find("read-only"), std::string::npos) << run.messages;
}

// Each failure exits with its status and says its cause on standard error.
TEST_F(HeadlessPrint, FailuresSayWhyAndExitWithTheirStatus) {
  const std::string document = Document().string();
  const fs::path fifo = mDocuments.path() / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string noServer =
      "CUPS_SERVER=127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* message;
    std::vector<std::string> environment = {};
  } cases[] = {
      {{"-P", "CorvelSA", document}, 5, "Secure Access"},
      {{"-P", "Nobody", document}, 2, "no printer queue named \"Nobody\""},
      {{"-P", "Corvel", "--set", "outp/77=1", document}, 4, "no control outp/77"},
      {{"-P", "Corvel", "--set", "outp/11=Sideways", document}, 4, "has no item \"Sideways\""},
      {{"-P", "Corvel", "--set", "outp/11=8", document}, 4, "is disabled"},  // finishing is none
      {{"-P", "Corvel", "--set", document}, 1, "is not SIG/N=VALUE"},  // the document is no setting
      {{"-P", "Corvel", (mDocuments.path() / "none.ps").string()}, 3, "none.ps"},
      {{"-P", "Corvel", fifo.string()}, 3, "fifo: is not a regular file"},
      // Its size says 0 and its first read fails: the job is made, then cancelled.
      {{"-P", "Corvel", "/proc/self/mem"}, 3, "failed: Input/output error; the job was cancelled"},
      {{"-P", "Corvel", document}, 2, "cannot reach the print server", {noServer}},
      {{"-P", "Corvel", document},
       2,
       "cannot fetch the PPD of queue \"Corvel\"",
       {"TMPDIR=/nonexistent"}},
  };
  for (const auto& c : cases) {
    const ProgramRun run = Print(c.arguments, c.environment);
    EXPECT_EQ(run.exitStatus, c.status) << c.message << ": " << run.messages;
    EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
  }
}

}  // namespace
