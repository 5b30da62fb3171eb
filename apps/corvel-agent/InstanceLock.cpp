#include "InstanceLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

InstanceLock::~InstanceLock() {
  if (mFd >= 0) close(mFd);
}

InstanceLock::Result InstanceLock::Acquire(std::string* detail) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || runtime[0] != '/') {
    *detail = "XDG_RUNTIME_DIR is not set to a folder, so one agent per user cannot be ensured";
    return Result::NoRuntimeFolder;
  }
  mPath = std::filesystem::path(runtime) / "corvel-agent.lock";
  // The runtime folder is the user's own; a link planted there is not followed.
  mFd = open(mPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (mFd < 0) {
    *detail = "cannot open " + mPath.string() + ": " + std::strerror(errno);
    return Result::Failed;
  }
  if (flock(mFd, LOCK_EX | LOCK_NB) == 0) return Result::Acquired;
  const int error = errno;
  close(mFd);
  mFd = -1;
  *detail = mPath.string();
  if (error == EWOULDBLOCK) return Result::AlreadyRunning;
  *detail = "cannot lock " + mPath.string() + ": " + std::strerror(error);
  return Result::Failed;
}
