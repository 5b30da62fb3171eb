#pragma once
// The frame of every per-topic session on a server connection. A session holds the library's
// session handle and at most one pending step: `mCurrentAsyncOp` is -1 when nothing is pending,
// otherwise a code of the derived class (2 is always "opening the session"). A step completes
// when its ticket reports 100 % progress, through AsyncCompletion, which the derived class
// overrides to say what the completion means.
#include <cstdint>
#include <memory>

#include "q10/q10.h"
#include "serverclient/AsyncTicket.h"

class Wrenfold;

// What a completion reports about a multi-phase step; every completion here returns zeros.
struct PhaseInfoBlock {
  int32_t numberOfPhases = 0;
  int32_t runningPhase = 0;
};

// The pending-step code of an open request, shared by every session.
inline constexpr int32_t kSessionOpenStep = 2;
inline constexpr int32_t kNoPendingStep = -1;

class SessionBasedClass {
 public:
  explicit SessionBasedClass(Wrenfold* wrenfold);
  // Cancels a request pending on the session's own ticket and clears the open flag; the derived
  // classes close their own library sessions.
  virtual ~SessionBasedClass();
  SessionBasedClass(const SessionBasedClass&) = delete;
  SessionBasedClass& operator=(const SessionBasedClass&) = delete;

  // 0 when the session is open, -1 when no ticket could be made, else the library's result.
  virtual int32_t OpenSession() = 0;
  // Starts the open; the caller owns the ticket and polls or blocks on it. Null when the
  // session cannot be opened this way.
  virtual std::unique_ptr<AsyncTicket> OpenSessionAsync() = 0;
  virtual int32_t CloseSession() = 0;
  // Completion test of the pending step polled on `mSessionTicket`: true when nothing is pending
  // or the step has just completed. A failing ticket check reports progress 0 and its code.
  virtual bool IsDone(float* progress, long* error);

  // The result of the last completed step.
  QuillonResult GetTransactionError() const { return mLastQuillonResult; }
  bool IsSessionOpen() const { return mSessionOpen; }

 protected:
  friend class AsyncTicket;
  // Base form: the pending step ends.
  virtual PhaseInfoBlock AsyncCompletion(AsyncTicket* ticket);
  // The common completion: an open step marks the session open; anything else is ignored.
  PhaseInfoBlock CompleteOpenStep();
  // A library open of the form (server, out session, ticket).
  using TicketedOpen = QuillonResult (*)(QuillonServerHandle*, QuillonSessionHandle*,
                                         QuillonNBTicket*);
  // Starts `open` on a new ticket as the pending open step; the caller owns the ticket.
  std::unique_ptr<AsyncTicket> StartOpenStep(TicketedOpen open);
  // The synchronous form of a ticketed request: blocks on the ticket, deletes it and answers its
  // result; `noTicket` when there is none.
  static int32_t BlockOnTicket(std::unique_ptr<AsyncTicket> ticket, int32_t noTicket = -1);

  Wrenfold* mWrenfoldObject;
  QuillonNBTicket mSessionTicket{};
  QuillonSessionHandle mSessionHandle{};
  QuillonResult mLastQuillonResult = 0;
  bool mSessionOpen = false;
  int32_t mCurrentAsyncOp = kNoPendingStep;

 private:
  // Records the request's result and hands the completion to the derived class.
  void DeliverCompletion(AsyncTicket* ticket, QuillonResult result);
};
