#include "serverclient/SessionBasedClass.h"

#include "serverclient/AsyncTicket.h"
#include "serverclient/Wrenfold.h"

namespace {
constexpr float kDone = 100.0f;
}

SessionBasedClass::SessionBasedClass(Wrenfold* wrenfold) : mWrenfoldObject(wrenfold) {}

SessionBasedClass::~SessionBasedClass() {
  // A request still running on the session's own ticket ends with the session.
  if (mCurrentAsyncOp != kNoPendingStep) NB_cancel(&mSessionTicket);
  mSessionOpen = false;
}

bool SessionBasedClass::IsDone(float* progress, long* error) {
  if (mCurrentAsyncOp == kNoPendingStep) {
    *progress = kDone;
    *error = mLastQuillonResult;
    return true;
  }
  float current = 0.0f;
  int32_t scratch = 0;
  QuillonResult result = 0;
  const QuillonResult checked = NB_checkTicket(&mSessionTicket, &current, &scratch, &result);
  if (checked != 0) {
    *progress = 0.0f;
    *error = checked;
    return false;
  }
  *progress = current;
  *error = result;
  if (current < kDone) return false;
  // The completion reads the step it completes (an open step marks the session open); the step
  // is cleared after it, whatever the derived class did.
  DeliverCompletion(nullptr, result);
  mCurrentAsyncOp = kNoPendingStep;
  return true;
}

PhaseInfoBlock SessionBasedClass::AsyncCompletion(AsyncTicket*) {
  mCurrentAsyncOp = kNoPendingStep;
  return {};
}

PhaseInfoBlock SessionBasedClass::CompleteOpenStep() {
  if (mCurrentAsyncOp == kSessionOpenStep) {
    mCurrentAsyncOp = kNoPendingStep;
    mSessionOpen = true;
  }
  return {};
}

void SessionBasedClass::DeliverCompletion(AsyncTicket* ticket, QuillonResult result) {
  mLastQuillonResult = result;
  AsyncCompletion(ticket);
}

std::unique_ptr<AsyncTicket> SessionBasedClass::StartOpenStep(TicketedOpen open) {
  auto ticket = std::make_unique<AsyncTicket>(this);
  open(mWrenfoldObject->GetServerHandle(), &mSessionHandle, ticket->GetTicket());
  mCurrentAsyncOp = kSessionOpenStep;
  return ticket;
}

int32_t SessionBasedClass::BlockOnTicket(std::unique_ptr<AsyncTicket> ticket, int32_t noTicket) {
  if (!ticket) return noTicket;
  ticket->BlockUntilDone();
  return ticket->GetLastResult();
}
