#include "JobSubscription.h"

#include <algorithm>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough to ride out a busy moment, short enough that an agent killed without a word leaves
// its subscription behind for a few minutes only.
constexpr int kLeaseSeconds = 300;
const char* const kEvents[] = {"job-created", "job-state-changed"};

ipp_t* SubscriptionRequest(ipp_op_t operation, int id) {
  ipp_t* request = NewServerRequest(operation);
  if (id > 0)
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id", id);
  return request;
}

}  // namespace

JobSubscription::Outcome JobSubscription::Create(PrintServer& server, std::string* error) {
  mId = 0;
  ipp_t* request = NewServerRequest(IPP_OP_CREATE_PRINTER_SUBSCRIPTIONS);
  ippAddStrings(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-events",
                int(std::size(kEvents)), nullptr, kEvents);
  ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-pull-method", nullptr,
               "ippget");
  ippAddInteger(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration",
                kLeaseSeconds);
  const PrintServer::Answer answer = server.Send(request);
  if (!answer.Reached()) {
    *error = answer.error;
    return Outcome::Unreachable;
  }
  ipp_attribute_t* id =
      answer.ipp ? ippFindAttribute(answer.ipp.get(), "notify-subscription-id", IPP_TAG_INTEGER)
                 : nullptr;
  if (!answer.Succeeded() || !id) {
    *error = answer.error.empty() ? "no subscription id in the answer" : answer.error;
    return Outcome::Refused;
  }
  mId = ippGetInteger(id, 0);
  mNextSequence = 1;
  mRenewAt = Clock::now() + std::chrono::seconds(kLeaseSeconds / 2);
  return Outcome::Subscribed;
}

JobSubscription::Events JobSubscription::Fetch(PrintServer& server) {
  Events events;
  ipp_t* request = NewServerRequest(IPP_OP_GET_NOTIFICATIONS);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-ids", mId);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-sequence-numbers",
                mNextSequence);
  const PrintServer::Answer answer = server.Send(request);
  events.reached = answer.Reached();
  if (!events.reached) return events;
  if (!answer.Succeeded()) {
    events.lost = true;
    return events;
  }
  for (ipp_attribute_t* a = ippFirstAttribute(answer.ipp.get()); a;
       a = ippNextAttribute(answer.ipp.get())) {
    if (ippGetGroupTag(a) != IPP_TAG_EVENT_NOTIFICATION || ippGetValueTag(a) != IPP_TAG_INTEGER ||
        std::string_view(ippGetName(a) ? ippGetName(a) : "") != "notify-sequence-number")
      continue;
    ++events.count;
    mNextSequence = std::max(mNextSequence, ippGetInteger(a, 0) + 1);
  }
  // The server ended the subscription (its lease ran out, say): the agent subscribes again.
  events.lost = answer.status == IPP_STATUS_OK_EVENTS_COMPLETE;
  if (!events.lost) RenewWhenDue(server);
  return events;
}

void JobSubscription::RenewWhenDue(PrintServer& server) {
  if (Clock::now() < mRenewAt) return;
  ipp_t* request = SubscriptionRequest(IPP_OP_RENEW_SUBSCRIPTION, mId);
  ippAddInteger(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration",
                kLeaseSeconds);
  // A failed renewal is retried at the next fetch; a lease that ran out shows as a lost
  // subscription there.
  if (server.Send(request).Succeeded())
    mRenewAt = Clock::now() + std::chrono::seconds(kLeaseSeconds / 2);
}

void JobSubscription::Cancel(PrintServer& server) {
  if (mId <= 0 || !server.Connected()) return;
  server.Send(SubscriptionRequest(IPP_OP_CANCEL_SUBSCRIPTION, mId));
  mId = 0;
}
