// corvel-print: the Print dialog that loads the Corvel dialog extension, shows its panes and
// prints the documents to a CUPS queue with every option and the job comments; with --job, the
// same dialog for a job an application left held in CUPS, which it then releases or cancels.
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "CommandLine.h"
#include "DryRunReport.h"
#include "HeldJob.h"
#include "InstallLayout.h"
#include "JobCommentLifetime.h"
#include "JobSubmission.h"
#include "LogCopy.h"
#include "PrintDialogHost.h"
#include "PrintView.h"

namespace {

enum ExitStatus {
  kPrinted = 0,
  kUsage = 1,
  kNoPrinter = 2,
  kUnreadableDocument = 3,
  kScriptFailed = 4,
  kNotPrinted = 5,
  kJobRefused = 6,
  kCancelled = 7,
  kJobGone = 8,             // the held job does not exist (any more)
  kJobOfAnotherUser = 9,    // the held job is another user's: it was not touched
  kJobNotHeld = 10,         // the job is not held (processing, done, ...)
  kJobOnAnotherQueue = 11,  // -P names another queue than the held job's
  kJobNotReleased = 12,     // its options could not be set or it could not be released: held
};

// The last failure said on standard error, which an on-screen run also shows the user.
std::string& LastFailure() {
  static std::string message;
  return message;
}

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "corvel-print: %s\n", message.c_str());
  LastFailure() = message;
  return status;
}

std::filesystem::path DefaultBundle(const char* argv0) {
  return InstalledOrBuilt("Corvel.plugin", CORVEL_BUILD_BUNDLE_DIR, "Contents/Info.plist", argv0);
}

void ReportSent(int job, const std::string& queue) {
  std::printf("corvel-print: job %d sent to %s\n", job, queue.c_str());
  std::fflush(stdout);
}

// Sets the dialog's options on the held job and releases it; it stays held when that fails.
int ReleaseHeldJob(const PrintDialogHost& host, int job) {
  std::string error;
  switch (SetOptionsAndRelease(job, JobOptionsFromTicket(host.SettingsTicket()), &error)) {
    case ReleaseOutcome::Released:
      ReportSent(job, host.Queue());
      RetireJobCommentFile(host.SettingsTicket(), job);
      return kPrinted;
    case ReleaseOutcome::Gone:
      RetireJobCommentFile(host.SettingsTicket(), 0);
      return Fail(kJobGone, error);
    case ReleaseOutcome::OptionsRefused:
      RetireJobCommentFile(host.SettingsTicket(), 0);
      return Fail(kJobNotReleased, error);
    case ReleaseOutcome::ReleaseRefused:
      // The job names the comment file now: it stays as long as the job waits.
      return Fail(kJobNotReleased, error);
  }
  return kJobNotReleased;
}

// Prints (or reports) what the dialog holds once Print was pressed.
int Finish(const PrintDialogHost& host, const CommandLine& line) {
  if (line.dryRun) {
    std::cout << DryRunReport(host) << "\n";
    RetireJobCommentFile(host.SettingsTicket(), 0);
    return kPrinted;
  }
  if (line.job > 0) return ReleaseHeldJob(host, line.job);
  const SubmittedJob job = SubmitJob(host.Queue(), line.files.front().filename().string(),
                                     line.files, JobOptionsFromTicket(host.SettingsTicket()));
  if (job.id <= 0) {
    RetireJobCommentFile(host.SettingsTicket(), 0);
    return Fail(job.documentUnreadable ? kUnreadableDocument : kJobRefused, job.error);
  }
  ReportSent(job.id, host.Queue());
  RetireJobCommentFile(host.SettingsTicket(), job.id);
  return kPrinted;
}

// The user cancelled: a held job goes with the dialog.
int Cancel(const CommandLine& line) {
  std::string error;
  if (line.job > 0 && !CancelHeldJob(line.job, &error)) return Fail(kCancelled, error);
  return Fail(kCancelled, line.job > 0
                              ? "cancelled; job " + std::to_string(line.job) + " was cancelled"
                              : "cancelled");
}

// Why Print did not go through; a held job waits for the next try.
int NotPrinted(const CommandLine& line, const std::string& error) {
  if (line.job == 0) return Fail(kNotPrinted, error);
  return Fail(kNotPrinted, error + "; job " + std::to_string(line.job) + " stays held");
}

int RunHeadless(PrintDialogHost& host, const CommandLine& line) {
  std::vector<std::string> unanswered;
  InstallModalAnswers(line.answers, &unanswered);
  std::string error;
  for (const ScriptStep& step : line.steps)
    if (!RunScriptStep(host.Window(), step, &error)) return Fail(kScriptFailed, error);
  for (const std::string& window : unanswered)
    std::fprintf(stderr, "corvel-print: no --answer for the dialog \"%s\"; it was dismissed\n",
                 window.c_str());
  if (host.Cancelled()) return Cancel(line);
  if (!host.PressPrint(&error)) return NotPrinted(line, error);
  return Finish(host, line);
}

// Looks the held job up and prepares the dialog for it: its queue, its title, its own settings
// as the panes' starting choices, and the check that it is still there. kPrinted when it can be
// shown, else the failure's status (said on standard error).
int PrepareForHeldJob(CommandLine& line, PrintDialogHost& host) {
  const HeldJobLookup lookup = LookUpHeldJob(line.job);
  switch (lookup.problem) {
    case JobProblem::None:
      break;
    case JobProblem::ServerUnreachable:
      return Fail(kNoPrinter, lookup.error);
    case JobProblem::NotFound:
      return Fail(kJobGone, lookup.error);
    case JobProblem::OtherUser:
      return Fail(kJobOfAnotherUser, lookup.error);
    case JobProblem::NotHeld:
      return Fail(kJobNotHeld, lookup.error);
  }
  const HeldJob& job = lookup.job;
  if (!line.queue.empty() && line.queue != job.queue)
    return Fail(kJobOnAnotherQueue, "job " + std::to_string(job.id) + " is on queue \"" +
                                        job.queue + "\", not \"" + line.queue + "\"");
  line.queue = job.queue;
  if (!job.name.empty()) host.NameDocument(job.name);
  host.HandJobAttribute("sides", job.sides);
  host.SetStillWantedCheck([id = job.id](std::string* reason) { return JobStillHeld(id, reason); });
  return kPrinted;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  std::string error;
  const ScannedCommandLine::Outcome scanned = ParseCommandLine(argc, argv, &line, &error);
  if (const std::optional<int> end =
          EndAtHelpOrMistake("corvel-print", kUsageText, scanned, error, kUsage))
    return *end;
  CopyLogToStandardError();
  const std::vector<std::string> unreadable = UnreadableDocuments(line.files);
  if (!unreadable.empty()) return Fail(kUnreadableDocument, "cannot read " + unreadable.front());
  if (line.bundle.empty()) line.bundle = DefaultBundle(argv[0]);

  PrintDialogHost host(line.bundle);
  if (line.job > 0)
    if (const int status = PrepareForHeldJob(line, host); status != kPrinted) return status;
  if (line.job == 0 && !line.files.empty())
    host.NameDocument(line.files.front().filename().string());
  if (line.queue.empty()) line.queue = host.DefaultQueue();
  if (!host.ChoosePrinter(line.queue, &error)) return Fail(kNoPrinter, error);
  if (line.job > 0) host.LockPrinter();
  if (line.headless || !PrintViewAvailable()) {
    if (!line.headless)
      std::fprintf(stderr, "corvel-print: no display; running without one (--headless)\n");
    return RunHeadless(host, line);
  }
  const PrintViewResult shown = RunPrintView(host);
  if (shown == PrintViewResult::Cancelled) return Cancel(line);
  if (!host.EndReason().empty()) return Fail(kJobGone, host.EndReason() + "; it was not printed");
  if (shown == PrintViewResult::NotPrinted) return NotPrinted(line, "the job was not printed");
  const int status = Finish(host, line);
  // The dialog has closed: a terminal may be nowhere to be seen, so the user is told on screen.
  if (status != kPrinted) ShowPrintFailure(LastFailure());
  return status;
}
