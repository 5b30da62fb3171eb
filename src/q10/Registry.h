#pragma once
// The library's live connections and sessions. Callers hold only plain handles; every call finds
// the object behind a handle here first, so a stale or foreign handle is refused, never used.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "q10/AttributeTable.h"
#include "q10/ServerAddress.h"
#include "q10/StringsFile.h"
#include "q10/q10.h"

struct QuillonServerState {
  int32_t serial = 0;
  q10::ServerAddress address;
  std::string hostName;
  std::atomic<int32_t> timeoutSeconds;
};

namespace q10 {

// The handle itself is never freed, only retired (hostName and state null): a caller may still
// read its first word after a disconnect or an unload made elsewhere.
struct Connection {
  QuillonServerHandle* handle = nullptr;
  QuillonServerState state;
};
using ConnectionPtr = std::shared_ptr<Connection>;

enum class SessionKind { attributes, localization, jobs, colourProfiles, colourSettings };

struct ColourKeyword {
  std::string keyword;
  std::string defaultValue;
  std::vector<std::string> values;
};

// Everything but kind and connection is guarded by mutex.
struct Session {
  SessionKind kind;
  ConnectionPtr connection;
  std::mutex mutex;
  std::shared_ptr<const AttributeTable> attributes;  // set when the open request is delivered
  std::string language;                              // IPP language of a strings session
  std::shared_ptr<const StringsTable> strings;
  std::vector<ColourKeyword> keywords;  // colour settings, walked by the CLDF calls
  std::size_t keyIndex = 0;             // 1-based; 0 before the first CLDF_setNextKey
  std::size_t valueIndex = 0;
};
using SessionPtr = std::shared_ptr<Session>;

// A new connection to address with its hostName set; null when out of memory.
ConnectionPtr AddConnection(const ServerAddress& address, const std::string& hostName);
ConnectionPtr FindConnection(const QuillonServerHandle* handle);
// Forgets the connection and its sessions and retires the handle.
void RemoveConnection(const QuillonServerHandle* handle);

// Registers a new session of the connection and fills *out with its handle.
SessionPtr AddSession(SessionKind kind, const ConnectionPtr& connection, QuillonSessionHandle* out);
// The session when out names a live session of kind.
SessionPtr FindSession(const QuillonSessionHandle* session, SessionKind kind);
SessionPtr FindSession(const QuillonSessionHandle* session, SessionKind kind, SessionKind other);
void RemoveSession(const QuillonSessionHandle* session);

void ClearRegistry();

}  // namespace q10
