// Connecting, the time-out, handle checks, disconnecting and unloading.
#include <algorithm>

#include "q10/Allocation.h"
#include "q10/Forward.h"
#include "q10/IppClient.h"
#include "q10/Limits.h"

namespace q10 {
namespace {

// Asks the printer for its attributes within seconds; on an answer the handle is made and
// delivered.
Work ConnectWork(const ServerAddress& address, int32_t seconds, QuillonServerHandle** handle) {
  return [address, seconds, handle](RequestControl& control) {
    IppAnswer reply = GetPrinterAttributes(Exchange{control, address, seconds}, "");
    if (reply.result != QUILLON_RESULT_OK) return Outcome{reply.result, {}};
    return Outcome{QUILLON_RESULT_OK,
                   [address, handle] { *handle = AddConnection(address, address.host)->handle; }};
  };
}

}  // namespace
}  // namespace q10

using namespace q10;

extern "C" QuillonResult INIT_connect(const char* host, const char*, const char*, int32_t, int32_t,
                                      const char*, int32_t, int32_t, int32_t connectSeconds,
                                      int32_t, int32_t, QuillonServerHandle** handle,
                                      QuillonNBTicket* ticket) {
  return Guarded([&]() -> QuillonResult {
    if (!host || !handle) return QUILLON_RESULT_BAD_PARAMETER;
    auto address = ParseServerAddress(host);
    if (!address) return QUILLON_RESULT_BAD_PARAMETER;
    const int32_t seconds =
        connectSeconds < 1 ? kDefaultTimeoutSeconds : std::min(connectSeconds, kMaxTimeoutSeconds);
    return Submit(ticket, 0, ConnectWork(*address, seconds, handle));
  });
}

extern "C" QuillonResult INIT_setTimeout(QuillonServerHandle* handle, int32_t seconds,
                                         QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    if (seconds < 1) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    connection->state.timeoutSeconds = std::min(seconds, kMaxTimeoutSeconds);
    return Answer(QUILLON_RESULT_OK);
  });
}

extern "C" QuillonResult INIT_handleIsValid(QuillonServerHandle* handle, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket,
                             [](const ConnectionPtr&) { return Answer(QUILLON_RESULT_OK); });
}

extern "C" QuillonResult INIT_disconnectFromServer(QuillonServerHandle* handle,
                                                   QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr&) {
    RemoveConnection(handle);
    return Answer(QUILLON_RESULT_OK);
  });
}

extern "C" void quillon_unload(void) {
  EndAllRequests();
  ClearRegistry();
}
