#pragma once
// The agent's connection to the print server libcups names (CUPS_SERVER, client.conf, else the
// local socket). Every wait on it is bounded: a server that stops answering fails the request
// after a few seconds instead of hanging the agent, and the agent then connects again.
#include <cups/cups.h>

#include <string>

#include "q10/Scoped.h"

using q10::HttpPtr;
using q10::IppPtr;

// The printer-uri that stands for every queue of the server.
inline constexpr const char* kAllQueuesUri = "ipp://localhost/";

class PrintServer {
 public:
  // Connects; false with the reason in `error` when the server cannot be reached.
  bool Connect(std::string* error);
  void Disconnect() { mHttp.reset(); }
  bool Connected() const { return mHttp != nullptr; }
  http_t* Http() const { return mHttp.get(); }

  // What became of a request: the server's answer, or none. A refusal at the HTTP level (a
  // policy that forbids the operation) comes without an answer but with a client-error status.
  struct Answer {
    IppPtr ipp;
    ipp_status_t status = IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    std::string error;  // the server's or libcups's words when status is not a success
    // The server was reached (it answered or refused); otherwise the connection is dropped.
    bool Reached() const {
      return ipp ||
             (status >= IPP_STATUS_ERROR_BAD_REQUEST && status < IPP_STATUS_ERROR_INTERNAL) ||
             status == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED;
    }
    bool Succeeded() const { return ipp && status <= IPP_STATUS_OK_EVENTS_COMPLETE; }
  };
  // Sends `request` (taken) and waits for the answer.
  Answer Send(ipp_t* request);

 private:
  HttpPtr mHttp;
};

// A new request of `operation` with the usual operation attributes (printer-uri for every queue,
// requesting-user-name of this user).
ipp_t* NewServerRequest(ipp_op_t operation);
