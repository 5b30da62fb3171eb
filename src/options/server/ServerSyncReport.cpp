#include "options/server/ServerSyncReport.h"

namespace {

struct Reason {
  QuillonResult result;
  const char* text;
};

constexpr Reason kReasons[] = {
    {QUILLON_RESULT_CONNECT_FAILED, "the connection was refused or the host is unknown"},
    {QUILLON_RESULT_SERVER_ERROR, "its answer could not be read"},
    {QUILLON_RESULT_BAD_PARAMETER, "the address is not valid"},
    {QUILLON_RESULT_NO_MEMORY, "there was not enough memory"},
};

std::string ReasonText(QuillonResult result, int seconds) {
  if (result == QUILLON_RESULT_TIMED_OUT)
    return "it did not answer within " + std::to_string(seconds) + " seconds";
  for (const Reason& reason : kReasons)
    if (reason.result == result) return reason.text;
  return "the request failed (" + std::to_string(result) + ")";
}

}  // namespace

std::string ContactingServerText(const std::string& host) {
  return "Contacting the server at " + host + "\u2026";
}

std::string CannotReachText(const std::string& host, QuillonResult result, int seconds) {
  return "Cannot reach the server at " + host + ": " + ReasonText(result, seconds) + ".";
}

std::string CannotReadText(const std::string& host, QuillonResult result, int seconds) {
  return "Cannot read the installed options from the server at " + host + ": " +
         ReasonText(result, seconds) + ".";
}
