#include "q10/IppClient.h"

#include <algorithm>
#include <chrono>

#include "q10/Limits.h"

namespace q10 {
namespace {

using Clock = std::chrono::steady_clock;

struct WaitBudget {
  RequestControl& control;
  Clock::time_point deadline;
  bool Expired() const { return Clock::now() >= deadline; }
};

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

HttpPtr Connect(const Exchange& exchange, WaitBudget& budget) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(budget.deadline - Clock::now());
  const auto encryption =
      exchange.address.encrypted ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED;
  HttpPtr http(httpConnect2(exchange.address.host.c_str(), exchange.address.port, nullptr,
                            AF_UNSPEC, encryption, 1, static_cast<int>(left.count()),
                            &exchange.control.connectCancel));
  if (http) httpSetTimeout(http.get(), kWaitSliceSeconds, KeepWaiting, &budget);
  return http;
}

struct BoundedBody {
  http_t* http;
  std::size_t read = 0;
  std::size_t limit;
};

ssize_t ReadBounded(void* context, ipp_uchar_t* buffer, size_t bytes) {
  auto* body = static_cast<BoundedBody*>(context);
  if (body->read >= body->limit) return -1;
  bytes = std::min(bytes, body->limit - body->read);
  const ssize_t got = httpRead2(body->http, reinterpret_cast<char*>(buffer), bytes);
  if (got > 0) body->read += static_cast<std::size_t>(got);
  return got;
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
  WaitBudget budget{exchange.control, Clock::now() + std::chrono::seconds(exchange.timeoutSeconds)};
  HttpPtr http = Connect(exchange, budget);
  if (!http) return {WhyItFailed(budget, QUILLON_RESULT_CONNECT_FAILED), nullptr};
  exchange.control.progress = 25.0f;
  if (Send(http.get(), request.get(), exchange.address.resource) != HTTP_STATUS_OK)
    return {WhyItFailed(budget, QUILLON_RESULT_SERVER_ERROR), nullptr};
  exchange.control.progress = 50.0f;
  IppPtr response(ippNew());
  BoundedBody body{http.get(), 0, kMaxAnswerBytes};
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
  const Exchange fileExchange{exchange.control, address, exchange.timeoutSeconds};
  const int seconds = std::min(exchange.timeoutSeconds, int(kStringsFileSeconds));
  WaitBudget budget{exchange.control, Clock::now() + std::chrono::seconds(seconds)};
  HttpPtr http = Connect(fileExchange, budget);
  if (!http) return {WhyItFailed(budget, QUILLON_RESULT_CONNECT_FAILED), {}};
  httpClearFields(http.get());
  http_status_t status = HTTP_STATUS_ERROR;
  if (!httpGet(http.get(), resource)) {
    while ((status = httpUpdate(http.get())) == HTTP_STATUS_CONTINUE) {}
  }
  if (status != HTTP_STATUS_OK) return {WhyItFailed(budget, QUILLON_RESULT_NOT_FOUND), {}};
  std::string text;
  char buffer[8192];
  for (ssize_t got; (got = httpRead2(http.get(), buffer, sizeof(buffer))) > 0;) {
    if (text.size() + static_cast<std::size_t>(got) > limit)
      return {QUILLON_RESULT_SERVER_ERROR, {}};
    text.append(buffer, static_cast<std::size_t>(got));
  }
  if (budget.control.cancelled) return {QUILLON_RESULT_CANCELLED, {}};
  return {QUILLON_RESULT_OK, std::move(text)};
}

}  // namespace q10
