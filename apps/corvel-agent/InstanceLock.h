#pragma once
// One agent per user: a lock file in the user's runtime folder ($XDG_RUNTIME_DIR), locked with
// flock for as long as the process lives. The kernel drops the lock when the process ends, however
// it ends, so a crashed agent never blocks the next one.
#include <filesystem>
#include <string>

class InstanceLock {
 public:
  enum class Result { Acquired, AlreadyRunning, NoRuntimeFolder, Failed };

  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock; anything but Acquired leaves `detail` saying why (the lock file's path for
  // AlreadyRunning).
  Result Acquire(std::string* detail);

  const std::filesystem::path& Path() const { return mPath; }

 private:
  int mFd = -1;
  std::filesystem::path mPath;
};
