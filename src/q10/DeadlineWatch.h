#pragma once
// A request's deadline, held on its socket. libcups waits for a server in many places (a header
// line, a chunk size, the body) and calls its time-out callback only when nothing at all arrives
// for a while, so a server that trickles its answer would hold a request for as long as it keeps
// sending. The watch shuts the socket down once the deadline passes or the request is cancelled;
// every wait inside libcups then ends at once.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "q10/Tickets.h"

namespace q10 {

class DeadlineWatch {
 public:
  using Clock = std::chrono::steady_clock;
  // Watches fd until destroyed; the caller keeps fd open for longer than the watch.
  DeadlineWatch(int fd, const RequestControl& control, Clock::time_point deadline) noexcept;
  ~DeadlineWatch();
  DeadlineWatch(const DeadlineWatch&) = delete;
  DeadlineWatch& operator=(const DeadlineWatch&) = delete;

  // False when no watching thread could be started (the request must then not go on).
  bool Watching() const { return mThread.joinable(); }

 private:
  void Watch();

  const int mFd;
  const RequestControl& mControl;
  const Clock::time_point mDeadline;
  std::mutex mMutex;
  std::condition_variable mWake;
  bool mStopped = false;
  std::thread mThread;
};

}  // namespace q10
