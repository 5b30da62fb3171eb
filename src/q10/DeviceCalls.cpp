// The printer as the one device of the server: trays, messages, names, and its open jobs.
#include "q10/Allocation.h"
#include "q10/Forward.h"
#include "q10/JobCount.h"
#include "q10/PrinterQueries.h"
#include "q10/TrayRecords.h"

namespace q10 {
namespace {

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const auto& text : texts) joined += (joined.empty() ? "" : ",") + text;
  return joined;
}

std::function<void()> DeliverTextOrNull(std::string text, char** out) {
  return [text = std::move(text), out] {
    if (out) *out = text.empty() ? nullptr : NewString(text);
  };
}

std::string PrettyName(const AttributeTable& table, const std::string& hostName) {
  for (const char* name : {"printer-make-and-model", "printer-info", "printer-name"}) {
    std::string text = FirstText(table, name);
    if (!text.empty()) return text;
  }
  return hostName;
}

}  // namespace
}  // namespace q10

using namespace q10;

extern "C" QuillonResult DEV_getNumDevices(QuillonServerHandle* handle, int32_t* count,
                                           QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr&) {
    return Answer(QUILLON_RESULT_OK, DeliverCount(1, count));
  });
}

extern "C" QuillonResult DEV_getTrayInfo(QuillonServerHandle* handle, int32_t device,
                                         QuillonTrayInfo*** trays, int32_t* count,
                                         QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) -> Work {
    if (device != 0) return Answer(QUILLON_RESULT_NOT_FOUND);
    return WithPrinterAttributes(connection, "", [trays, count](auto table) {
      return Outcome{QUILLON_RESULT_OK, [facts = CollectTrays(*table), trays, count] {
                       if (trays) *trays = NewTrayArray(facts);
                       if (count) *count = static_cast<int32_t>(facts.size());
                     }};
    });
  });
}

extern "C" QuillonResult DEV_getMessages(QuillonServerHandle* handle, int32_t device,
                                         char** message, char** reasons, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) -> Work {
    if (device != 0) return Answer(QUILLON_RESULT_NOT_FOUND);
    return WithPrinterAttributes(connection, "", [message, reasons](auto table) {
      return Outcome{
          QUILLON_RESULT_OK,
          Both(DeliverTextOrNull(FirstText(*table, "printer-state-message"), message),
               DeliverTextOrNull(Joined(Texts(*table, "printer-state-reasons")), reasons))};
    });
  });
}

extern "C" QuillonResult DEV_getPrettyDeviceNameList(QuillonServerHandle* handle, char*** names,
                                                     int32_t* count, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    const std::string hostName = connection->state.hostName;
    return WithPrinterAttributes(connection, "", [=](auto table) {
      return Outcome{QUILLON_RESULT_OK,
                     DeliverStrings({PrettyName(*table, hostName)}, names, count)};
    });
  });
}

extern "C" QuillonResult JOBM_openSession(QuillonServerHandle* handle,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    if (!session) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    AddSession(SessionKind::jobs, connection, session);
    return Answer(QUILLON_RESULT_OK);
  });
}

extern "C" QuillonResult JOBM_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return CloseSessionOfKind(session, SessionKind::jobs, ticket);
}

extern "C" QuillonResult JOBM_getNumJobs(QuillonSessionHandle* session, int32_t* count,
                                         QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::jobs, ticket, [&](Session& open) -> Work {
    return [connection = open.connection, count](RequestControl& control) {
      IppAnswer reply = GetOpenJobs(ExchangeFor(*connection, control));
      if (reply.result != QUILLON_RESULT_OK) return Outcome{reply.result, {}};
      return Outcome{QUILLON_RESULT_OK, DeliverCount(CountJobs(reply.response.get()), count)};
    };
  });
}
