#include "q10/DeadlineWatch.h"

#include <sys/socket.h>

#include <algorithm>

#include "q10/Limits.h"

namespace q10 {

DeadlineWatch::DeadlineWatch(int fd, const RequestControl& control,
                             Clock::time_point deadline) noexcept
    : mFd(fd), mControl(control), mDeadline(deadline) {
  try {
    mThread = std::thread([this] { Watch(); });
  } catch (...) {}
}

DeadlineWatch::~DeadlineWatch() {
  {
    std::lock_guard lock(mMutex);
    mStopped = true;
  }
  mWake.notify_all();
  if (mThread.joinable()) mThread.join();
}

void DeadlineWatch::Watch() {
  // A cancel only sets a flag: it is looked at once per wait slice.
  const auto slice =
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kWaitSliceSeconds));
  std::unique_lock lock(mMutex);
  while (!mStopped) {
    if (mControl.cancelled || Clock::now() >= mDeadline) {
      shutdown(mFd, SHUT_RDWR);
      return;
    }
    mWake.wait_until(lock, std::min(mDeadline, Clock::now() + slice));
  }
}

}  // namespace q10
