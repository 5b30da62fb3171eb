#include "q10/Registry.h"

#include <map>

#include "q10/Limits.h"

namespace q10 {
namespace {

struct Live {
  std::mutex mutex;
  std::map<const QuillonServerHandle*, ConnectionPtr> connections;
  std::vector<std::unique_ptr<QuillonServerHandle>> handles;  // live and retired
  std::map<int32_t, SessionPtr> sessions;
  int32_t lastSerial = 0;
  int32_t lastSession = 0;
};

Live& TheLive() {
  static Live live;
  return live;
}

int32_t Next(int32_t& last) {
  last = last == INT32_MAX ? 1 : last + 1;
  return last;
}

void Retire(Connection& connection) {
  connection.handle->hostName = nullptr;
  connection.handle->state = nullptr;
}

}  // namespace

ConnectionPtr AddConnection(const ServerAddress& address, const std::string& hostName) {
  auto connection = std::make_shared<Connection>();
  connection->state.address = address;
  connection->state.hostName = hostName;
  connection->state.timeoutSeconds = kDefaultTimeoutSeconds;
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  live.handles.push_back(std::make_unique<QuillonServerHandle>());
  connection->handle = live.handles.back().get();
  connection->handle->state = &connection->state;
  connection->handle->hostName = connection->state.hostName.data();
  connection->state.serial = Next(live.lastSerial);
  live.connections.emplace(connection->handle, connection);
  return connection;
}

ConnectionPtr FindConnection(const QuillonServerHandle* handle) {
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  auto found = live.connections.find(handle);
  return found == live.connections.end() ? nullptr : found->second;
}

void RemoveConnection(const QuillonServerHandle* handle) {
  ConnectionPtr connection;
  std::vector<SessionPtr> sessions;  // released outside the lock
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  auto found = live.connections.find(handle);
  if (found == live.connections.end()) return;
  connection = std::move(found->second);
  live.connections.erase(found);
  Retire(*connection);
  for (auto it = live.sessions.begin(); it != live.sessions.end();) {
    if (it->second->connection != connection) {
      ++it;
      continue;
    }
    sessions.push_back(std::move(it->second));
    it = live.sessions.erase(it);
  }
}

SessionPtr AddSession(SessionKind kind, const ConnectionPtr& connection,
                      QuillonSessionHandle* out) {
  auto session = std::make_shared<Session>();
  session->kind = kind;
  session->connection = connection;
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  int32_t id;
  do {
    id = Next(live.lastSession);
  } while (live.sessions.count(id));
  live.sessions.emplace(id, session);
  out->secure_handle = id;
  out->server_handle = connection->state.serial;
  return session;
}

SessionPtr FindSession(const QuillonSessionHandle* session, SessionKind kind, SessionKind other) {
  if (!session) return nullptr;
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  auto found = live.sessions.find(session->secure_handle);
  if (found == live.sessions.end() ||
      found->second->connection->state.serial != session->server_handle)
    return nullptr;
  const SessionKind actual = found->second->kind;
  return actual == kind || actual == other ? found->second : nullptr;
}

SessionPtr FindSession(const QuillonSessionHandle* session, SessionKind kind) {
  return FindSession(session, kind, kind);
}

void RemoveSession(const QuillonSessionHandle* session) {
  SessionPtr removed;
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  auto found = live.sessions.find(session->secure_handle);
  if (found == live.sessions.end()) return;
  removed = std::move(found->second);
  live.sessions.erase(found);
}

void ClearRegistry() {
  decltype(Live::connections) connections;
  decltype(Live::sessions) sessions;
  auto& live = TheLive();
  std::lock_guard lock(live.mutex);
  for (auto& [handle, connection] : live.connections) Retire(*connection);
  connections.swap(live.connections);
  sessions.swap(live.sessions);
}

}  // namespace q10
