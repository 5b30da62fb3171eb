#include "q10/IppClient.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "q10/DeadlineWatch.h"
#include "q10/Limits.h"

namespace q10 {
namespace {

using Clock = std::chrono::steady_clock;

struct WaitBudget {
  RequestControl& control;
  Clock::time_point deadline;
  bool Expired() const { return Clock::now() >= deadline; }
};

WaitBudget RequestBudget(const Exchange& exchange) {
  return {exchange.control,
          exchange.control.started + std::chrono::seconds(exchange.timeoutSeconds)};
}

// libcups calls this each time a wait slice passes without data: go on waiting or give up.
int KeepWaiting(http_t*, void* data) {
  auto* budget = static_cast<WaitBudget*>(data);
  return !budget->control.cancelled && !budget->Expired();
}

QuillonResult WhyItFailed(const WaitBudget& budget, QuillonResult otherwise) {
  if (budget.control.cancelled) return QUILLON_RESULT_CANCELLED;
  if (budget.Expired()) return QUILLON_RESULT_TIMED_OUT;
  return otherwise;
}

// One exchange's connection, its socket watched until the deadline.
struct Channel {
  QuillonResult result = QUILLON_RESULT_OK;
  HttpPtr http;
  std::unique_ptr<DeadlineWatch> watch;  // after http: it stops watching before http closes
};

Channel Open(const ServerAddress& address, WaitBudget& budget) {
  Channel channel;
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(budget.deadline - Clock::now());
  if (left.count() <= 0) {
    channel.result = WhyItFailed(budget, QUILLON_RESULT_TIMED_OUT);
    return channel;
  }
  const auto encryption = address.encrypted ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED;
  channel.http.reset(httpConnect2(address.host.c_str(), address.port, nullptr, AF_UNSPEC,
                                  encryption, 1, static_cast<int>(left.count()),
                                  &budget.control.connectCancel));
  if (!channel.http) {
    channel.result = WhyItFailed(budget, QUILLON_RESULT_CONNECT_FAILED);
    return channel;
  }
  httpSetTimeout(channel.http.get(), kWaitSliceSeconds, KeepWaiting, &budget);
  channel.watch = std::make_unique<DeadlineWatch>(httpGetFd(channel.http.get()), budget.control,
                                                  budget.deadline);
  if (!channel.watch->Watching()) channel.result = QUILLON_RESULT_NO_MEMORY;
  return channel;
}

struct BoundedBody {
  http_t* http;
  std::size_t read = 0;
  std::size_t limit;
};

// ippReadIO takes a short read for a broken answer, while httpRead2 hands out only what has
// arrived: read until the count is met, the body ends or reading fails.
ssize_t ReadBounded(void* context, ipp_uchar_t* buffer, size_t bytes) {
  auto* body = static_cast<BoundedBody*>(context);
  if (bytes > body->limit - body->read) return -1;
  std::size_t total = 0;
  while (total < bytes) {
    const ssize_t got =
        httpRead2(body->http, reinterpret_cast<char*>(buffer) + total, bytes - total);
    if (got < 0) return -1;
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
  }
  body->read += total;
  return static_cast<ssize_t>(total);
}

// Sends the request and reads the HTTP status of the answer.
http_status_t Send(http_t* http, ipp_t* request, const std::string& resource) {
  httpClearFields(http);
  httpSetField(http, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
  httpSetLength(http, ippLength(request));
  if (httpPost(http, resource.c_str())) return HTTP_STATUS_ERROR;
  ippSetState(request, IPP_STATE_IDLE);
  for (ipp_state_t state; (state = ippWrite(http, request)) != IPP_STATE_DATA;)
    if (state == IPP_STATE_ERROR) return HTTP_STATUS_ERROR;
  http_status_t status;
  while ((status = httpUpdate(http)) == HTTP_STATUS_CONTINUE) {}
  return status;
}

IppAnswer Run(const Exchange& exchange, IppPtr request) {
  WaitBudget budget = RequestBudget(exchange);
  const Channel channel = Open(exchange.address, budget);
  if (channel.result != QUILLON_RESULT_OK) return {channel.result, nullptr};
  exchange.control.progress = 25.0f;
  if (Send(channel.http.get(), request.get(), exchange.address.resource) != HTTP_STATUS_OK)
    return {WhyItFailed(budget, QUILLON_RESULT_SERVER_ERROR), nullptr};
  exchange.control.progress = 50.0f;
  IppPtr response(ippNew());
  BoundedBody body{channel.http.get(), 0, kMaxAnswerBytes};
  for (ipp_state_t state;
       (state = ippReadIO(&body, ReadBounded, 1, nullptr, response.get())) != IPP_STATE_DATA;)
    if (state == IPP_STATE_ERROR)
      return {WhyItFailed(budget, QUILLON_RESULT_SERVER_ERROR), nullptr};
  if (ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
    return {QUILLON_RESULT_SERVER_ERROR, nullptr};
  return {QUILLON_RESULT_OK, std::move(response)};
}

IppPtr NewRequest(ipp_op_t operation, const Exchange& exchange) {
  IppPtr request(ippNewRequest(operation));
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri(exchange.address).c_str());
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

}  // namespace

IppAnswer GetPrinterAttributes(const Exchange& exchange, const std::string& language) {
  IppPtr request = NewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, exchange);
  if (!language.empty()) {
    ipp_attribute_t* natural =
        ippFindAttribute(request.get(), "attributes-natural-language", IPP_TAG_LANGUAGE);
    if (natural) ippSetString(request.get(), &natural, 0, language.c_str());
  }
  return Run(exchange, std::move(request));
}

IppAnswer GetOpenJobs(const Exchange& exchange) {
  IppPtr request = NewRequest(IPP_OP_GET_JOBS, exchange);
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr,
               "not-completed");
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "job-id");
  return Run(exchange, std::move(request));
}

TextAnswer FetchPrinterFile(const Exchange& exchange, const std::string& uri, std::size_t limit) {
  char scheme[32], user[256], host[256], resource[1024];
  int port = 0;
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof(scheme), user, sizeof(user),
                      host, sizeof(host), &port, resource, sizeof(resource)) < HTTP_URI_STATUS_OK)
    return {QUILLON_RESULT_NOT_FOUND, {}};
  // The file is taken from the printer itself, whatever host the URI names.
  ServerAddress address = exchange.address;
  address.encrypted = std::string_view(scheme) == "https" || std::string_view(scheme) == "ipps";
  WaitBudget budget = RequestBudget(exchange);
  budget.deadline =
      std::min(budget.deadline, Clock::now() + std::chrono::seconds(kStringsFileSeconds));
  const Channel channel = Open(address, budget);
  if (channel.result != QUILLON_RESULT_OK) return {channel.result, {}};
  http_t* http = channel.http.get();
  httpClearFields(http);
  http_status_t status = HTTP_STATUS_ERROR;
  if (!httpGet(http, resource)) {
    while ((status = httpUpdate(http)) == HTTP_STATUS_CONTINUE) {}
  }
  if (status != HTTP_STATUS_OK) return {WhyItFailed(budget, QUILLON_RESULT_NOT_FOUND), {}};
  std::string text;
  char buffer[8192];
  ssize_t got;
  while ((got = httpRead2(http, buffer, sizeof(buffer))) > 0) {
    if (text.size() + static_cast<std::size_t>(got) > limit)
      return {QUILLON_RESULT_SERVER_ERROR, {}};
    text.append(buffer, static_cast<std::size_t>(got));
  }
  // A body cut short by the deadline ends like a whole one: only the budget tells them apart.
  if (got < 0 || budget.control.cancelled || budget.Expired())
    return {WhyItFailed(budget, QUILLON_RESULT_SERVER_ERROR), {}};
  return {QUILLON_RESULT_OK, std::move(text)};
}

}  // namespace q10
