#include "IppRequest.h"

IppPtr NewRequestAsUser(ipp_op_t operation, const char* uriName, const std::string& uri) {
  IppPtr request(ippNewRequest(operation));
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.c_str());
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

IppPtr NewJobRequest(ipp_op_t operation, int job) {
  return NewRequestAsUser(operation, "job-uri", "ipp://localhost/jobs/" + std::to_string(job));
}

void RequestOnly(ipp_t* request, std::initializer_list<const char*> attributes) {
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                int(attributes.size()), nullptr, attributes.begin());
}

IppPtr Ask(IppPtr request) {
  // cupsDoRequest takes the request whatever happens.
  IppPtr response(cupsDoRequest(CUPS_HTTP_DEFAULT, request.release(), "/"));
  if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) return nullptr;
  return response;
}
