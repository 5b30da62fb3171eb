#pragma once
// One non-blocking request of the client library and the session that issued it. The ticket
// reports completion to that session each time it is polled after the request has finished, so
// the session's completion must tolerate being delivered more than once.
#include "q10/q10.h"

class SessionBasedClass;

class AsyncTicket {
 public:
  // Allocates the library ticket; `parent` is notified on completion and is not owned.
  explicit AsyncTicket(SessionBasedClass* parent);
  virtual ~AsyncTicket();
  AsyncTicket(const AsyncTicket&) = delete;
  AsyncTicket& operator=(const AsyncTicket&) = delete;

  // The ticket to hand to a non-blocking library call.
  virtual QuillonNBTicket* GetTicket() { return mAsyncTicket; }
  // 0 until the request completes, then the request's result.
  virtual QuillonResult GetLastResult() { return mLastResult; }

  // Writes the progress (0 to 100) and, once it reaches 100, delivers the completion. Always
  // false: callers learn completion from the progress value.
  bool IsDone(float* progress);
  // Waits for the request and delivers its completion before returning.
  void BlockUntilDone();

 private:
  QuillonNBTicket* mAsyncTicket;
  QuillonResult mLastResult = 0;
  SessionBasedClass* mParentObject;
};
