#pragma once
// Every flat call has one shape: find the object behind the handle (bad parameter when there is
// none), build the request's work and submit it with the caller's ticket. Nothing thrown inside
// gets out: an allocation failure is QUILLON_RESULT_NO_MEMORY.
#include <new>

#include "q10/Registry.h"
#include "q10/Tickets.h"

namespace q10 {

template <class Fn>
QuillonResult Guarded(Fn&& fn) noexcept {
  try {
    return fn();
  } catch (const std::bad_alloc&) {
    return QUILLON_RESULT_NO_MEMORY;
  } catch (...) {
    return QUILLON_RESULT_SERVER_ERROR;
  }
}

// makeWork(const ConnectionPtr&) -> Work
template <class MakeWork>
QuillonResult ForwardToConnection(const QuillonServerHandle* handle, QuillonNBTicket* ticket,
                                  MakeWork&& makeWork) {
  return Guarded([&]() -> QuillonResult {
    ConnectionPtr connection = FindConnection(handle);
    if (!connection) return QUILLON_RESULT_BAD_PARAMETER;
    return Submit(ticket, connection->state.serial, makeWork(connection));
  });
}

// makeWork(Session&) -> Work, called with the session's mutex held.
template <class MakeWork>
QuillonResult ForwardToSession(const QuillonSessionHandle* handle, SessionKind kind,
                               SessionKind otherKind, QuillonNBTicket* ticket,
                               MakeWork&& makeWork) {
  return Guarded([&]() -> QuillonResult {
    SessionPtr session = FindSession(handle, kind, otherKind);
    if (!session) return QUILLON_RESULT_BAD_PARAMETER;
    Work work;
    {
      std::lock_guard lock(session->mutex);
      work = makeWork(*session);
    }
    return Submit(ticket, session->connection->state.serial, std::move(work));
  });
}

template <class MakeWork>
QuillonResult ForwardToSession(const QuillonSessionHandle* handle, SessionKind kind,
                               QuillonNBTicket* ticket, MakeWork&& makeWork) {
  return ForwardToSession(handle, kind, kind, ticket, std::forward<MakeWork>(makeWork));
}

}  // namespace q10

namespace q10 {

// The close call of every session kind: forgets the session.
inline QuillonResult CloseSessionOfKind(const QuillonSessionHandle* handle, SessionKind kind,
                                        QuillonNBTicket* ticket) {
  return ForwardToSession(handle, kind, ticket, [&](Session&) {
    RemoveSession(handle);
    return Answer(QUILLON_RESULT_OK);
  });
}

}  // namespace q10
