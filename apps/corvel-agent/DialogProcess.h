#pragma once
// The dialog of one held job, run as a program of its own (corvel-print --job ID -P QUEUE, or the
// command given with --dialog-command) and watched without blocking, so the agent keeps up with
// the server while the user takes their time. One dialog at a time.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "HeldJobs.h"

// The corvel-print beside the agent's own program when there is one, else corvel-print from PATH.
std::vector<std::string> DefaultDialogCommand();

class DialogProcess {
 public:
  // Starts `command` with "--job ID -P QUEUE" appended; false with the reason in `error`.
  bool Start(const std::vector<std::string>& command, const HeldJob& job, std::string* error);

  // True while a started dialog has not been seen to end.
  bool Busy() const { return mPid != 0; }

  struct Ended {
    HeldJob job;
    int exitStatus = -1;  // -1 when the dialog did not exit normally
  };
  // The dialog that has ended since the last call, once; nullopt while it runs or none was started.
  std::optional<Ended> Poll();

 private:
  pid_t mPid = 0;
  HeldJob mJob;
};
