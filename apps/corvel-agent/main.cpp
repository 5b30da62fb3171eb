// corvel-agent: runs in the user's desktop session and opens the Corvel Print dialog for each of
// the user's jobs that a Corvel queue holds, so documents printed from any application get the
// dialog's options, comments and checks before they print.
#include <cups/cups.h>

#include <csignal>
#include <cstdio>

#include "Agent.h"
#include "AgentCommandLine.h"
#include "AgentLog.h"
#include "DialogProcess.h"
#include "InstallLayout.h"
#include "InstanceLock.h"

namespace {

enum ExitStatus {
  kStopped = 0,
  kUsage = 1,
  kAlreadyRunning = 2,
  kNoLock = 3,
};

volatile std::sig_atomic_t gStop = 0;

void RequestStop(int) { gStop = 1; }

void HandleStopSignals() {
  struct sigaction action = {};
  action.sa_handler = RequestStop;  // no SA_RESTART: a pause ends at once
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  AgentCommandLine line;
  std::string error;
  const ScannedCommandLine::Outcome scanned = ParseAgentCommandLine(argc, argv, &line, &error);
  if (const std::optional<int> end =
          EndAtHelpOrMistake("corvel-agent", kAgentUsageText, scanned, error, kUsage))
    return *end;
  InstanceLock lock;
  switch (lock.Acquire(&error)) {
    case InstanceLock::Result::Acquired:
      break;
    case InstanceLock::Result::AlreadyRunning:
      AgentLog("already running for this user (lock %s)", error.c_str());
      return kAlreadyRunning;
    case InstanceLock::Result::NoRuntimeFolder:
    case InstanceLock::Result::Failed:
      AgentLog("%s; not starting", error.c_str());
      return kNoLock;
  }
  AgentSettings settings;
  settings.dialogCommand = line.dialogCommand.empty() ? DefaultDialogCommand() : line.dialogCommand;
  settings.bundleContents =
      InstalledOrBuilt("Corvel.plugin", CORVEL_BUILD_BUNDLE_DIR, "Contents/Info.plist", argv[0]) /
      "Contents";
  HandleStopSignals();
  AgentLog("watching for held jobs of %s on Corvel queues of %s", cupsUser(), cupsServer());
  RunAgent(settings, gStop);
  return kStopped;
}
