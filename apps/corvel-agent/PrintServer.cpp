#include "PrintServer.h"

namespace {

constexpr int kConnectMilliseconds = 5000;
constexpr double kAnswerSeconds = 10.0;

// The agent has no terminal to ask a password on; a server that wants one refuses instead.
const char* NoPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

}  // namespace

bool PrintServer::Connect(std::string* error) {
  cupsSetPasswordCB2(NoPassword, nullptr);
  mHttp.reset(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           kConnectMilliseconds, nullptr));
  if (!mHttp) {
    *error = std::string(cupsServer()) + ": " + cupsLastErrorString();
    return false;
  }
  // No timeout callback: a wait that runs out fails the request.
  httpSetTimeout(mHttp.get(), kAnswerSeconds, nullptr, nullptr);
  return true;
}

PrintServer::Answer PrintServer::Send(ipp_t* request) {
  Answer answer;
  if (!mHttp) {
    ippDelete(request);
    answer.error = "not connected";
    return answer;
  }
  answer.ipp.reset(cupsDoRequest(mHttp.get(), request, "/"));
  answer.status = answer.ipp ? ippGetStatusCode(answer.ipp.get()) : cupsLastError();
  if (!answer.Succeeded()) answer.error = cupsLastErrorString();
  if (!answer.Reached()) mHttp.reset();
  return answer;
}

ipp_t* NewServerRequest(ipp_op_t operation) {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, kAllQueuesUri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}
