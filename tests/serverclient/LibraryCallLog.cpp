#include "LibraryCallLog.h"

#include <dlfcn.h>

namespace libraryCallLog {
namespace {

std::vector<Call>& Log() {
  static std::vector<Call> calls;
  return calls;
}

// The library's own definition of a call that this program also defines.
template <typename Function>
Function Library(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

const std::vector<Call>& Calls() { return Log(); }
void Clear() { Log().clear(); }

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const Call& call : Log()) names.push_back(call.name);
  return names;
}

}  // namespace libraryCallLog

using libraryCallLog::Library;
using libraryCallLog::Log;

extern "C" QuillonResult INIT_setTimeout(QuillonServerHandle* handle, int32_t seconds,
                                         QuillonNBTicket* ticket) {
  static const auto library = Library<decltype(&INIT_setTimeout)>("INIT_setTimeout");
  Log().push_back({"INIT_setTimeout", handle, seconds, INIT_handleIsValid(handle, nullptr) == 0});
  return library(handle, seconds, ticket);
}

extern "C" QuillonResult INIT_disconnectFromServer(QuillonServerHandle* handle,
                                                   QuillonNBTicket* ticket) {
  static const auto library =
      Library<decltype(&INIT_disconnectFromServer)>("INIT_disconnectFromServer");
  Log().push_back({"INIT_disconnectFromServer", handle});
  return library(handle, ticket);
}

extern "C" QuillonResult LOCL_openSession(QuillonServerHandle* handle, int32_t index,
                                          const char* locale, const char* encoding,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  static const auto library = Library<decltype(&LOCL_openSession)>("LOCL_openSession");
  Log().push_back({"LOCL_openSession", handle});
  return library(handle, index, locale, encoding, session, ticket);
}

extern "C" QuillonResult LOCL_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  static const auto library = Library<decltype(&LOCL_closeSession)>("LOCL_closeSession");
  Log().push_back({"LOCL_closeSession"});
  return library(session, ticket);
}
