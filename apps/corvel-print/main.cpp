// corvel-print: the Print dialog that loads the Corvel dialog extension, shows its panes and
// prints the documents to a CUPS queue with every option and the job comments.
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "CommandLine.h"
#include "DryRunReport.h"
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
};

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "corvel-print: %s\n", message.c_str());
  return status;
}

std::filesystem::path DefaultBundle(const char* argv0) {
  return InstalledOrBuilt("Corvel.plugin", CORVEL_BUILD_BUNDLE_DIR, "Contents/Info.plist", argv0);
}

// Prints (or reports) what the dialog holds once Print was pressed.
int Finish(const PrintDialogHost& host, const CommandLine& line) {
  if (line.dryRun) {
    std::cout << DryRunReport(host) << "\n";
    RetireJobCommentFile(host.SettingsTicket(), 0);
    return kPrinted;
  }
  const SubmittedJob job = SubmitJob(host.Queue(), line.files.front().filename().string(),
                                     line.files, JobOptionsFromTicket(host.SettingsTicket()));
  if (job.id <= 0) {
    RetireJobCommentFile(host.SettingsTicket(), 0);
    return Fail(job.documentUnreadable ? kUnreadableDocument : kJobRefused, job.error);
  }
  std::printf("corvel-print: job %d sent to %s\n", job.id, host.Queue().c_str());
  std::fflush(stdout);
  RetireJobCommentFile(host.SettingsTicket(), job.id);
  return kPrinted;
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
  if (!host.PressPrint(&error)) return Fail(kNotPrinted, error);
  return Finish(host, line);
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(argc, argv, &line, &error)) {
    std::fprintf(stderr, "corvel-print: %s\n%s", error.c_str(), kUsageText);
    return kUsage;
  }
  CopyLogToStandardError();
  const std::vector<std::string> unreadable = UnreadableDocuments(line.files);
  if (!unreadable.empty()) return Fail(kUnreadableDocument, "cannot read " + unreadable.front());
  if (line.bundle.empty()) line.bundle = DefaultBundle(argv[0]);

  PrintDialogHost host(line.bundle);
  if (line.queue.empty()) line.queue = host.DefaultQueue();
  if (!host.ChoosePrinter(line.queue, &error)) return Fail(kNoPrinter, error);
  if (line.headless || !PrintViewAvailable()) {
    if (!line.headless)
      std::fprintf(stderr, "corvel-print: no display; running without one (--headless)\n");
    return RunHeadless(host, line);
  }
  const PrintViewResult shown = RunPrintView(host);
  if (shown == PrintViewResult::Cancelled) return Fail(kCancelled, "cancelled");
  if (shown == PrintViewResult::NotPrinted) return Fail(kNotPrinted, "the job was not printed");
  return Finish(host, line);
}
