#pragma once
// Requests and their tickets. A request is a piece of work (usually one IPP exchange) and a
// delivery that fills the caller's out-values. Work may run on a worker thread; delivery always
// runs on the thread that calls into the library, so out-values are never written behind the
// caller's back, and never after the ticket was cancelled or destroyed.
#include <atomic>
#include <chrono>
#include <functional>

#include "q10/q10.h"

namespace q10 {

// What a running request shares with whoever may cancel it.
struct RequestControl {
  std::atomic<bool> cancelled{false};
  int connectCancel = 0;  // read by libcups while a connect is under way
  std::atomic<float> progress{0.0f};
  // The handle's time-out runs from here: every exchange of the request shares one deadline.
  const std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

struct Outcome {
  QuillonResult result = QUILLON_RESULT_OK;
  std::function<void()> deliver;  // may be empty
};

using Work = std::function<Outcome(RequestControl&)>;

// With a null ticket runs work at once, delivers and returns its result. With a ticket starts
// the work on a worker thread owned by the ticket's request and returns 0 (or why it could not).
QuillonResult Submit(QuillonNBTicket* ticket, int32_t serverSerial, Work work);
// An outcome that needs no work: delivers the given values.
inline Work Answer(QuillonResult result, std::function<void()> deliver = {}) {
  return [result, deliver = std::move(deliver)](RequestControl&) {
    return Outcome{result, deliver};
  };
}
// Cancels and joins every request; used at unload.
void EndAllRequests();

}  // namespace q10
