#pragma once
// One connection to one server and the per-topic sessions made on it. The sessions are made on
// first request, and only while connected; each asks for the server handle whenever it opens, so
// it always opens on the current connection. Connecting again (after SetTargetServer) first
// closes the sessions and the connection that came before, so nothing of the old server lingers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "q10/q10.h"
#include "support/CString.h"

class ChromvaleSession;
class ColrSession;
class Localization;
class ServerFeatures;
class ServerInfo;

class Wrenfold {
 public:
  // How long a blocking connect may take, answer included; a non-blocking one gets twice that.
  static constexpr int32_t kBlockingConnectSeconds = 5;

  Wrenfold();
  // `server`: host name or address; `timeout` 0 or less keeps the library's default.
  Wrenfold(const char* server, int timeout);
  // Cancels a pending connect, deletes the sessions, disconnects, and unloads the library.
  ~Wrenfold();
  Wrenfold(const Wrenfold&) = delete;
  Wrenfold& operator=(const Wrenfold&) = delete;

  // Names the server for the next connect; the current connection stays until then.
  void SetTargetServer(const char* server);
  // Stores the time-out; while connected, answers the library's result of applying it, else 0
  // (it is applied when a connect completes).
  QuillonResult SetServerTimeout(int timeout);
  // Synchronous: true when connected (a failed connect answers the previous state). Non-blocking:
  // true when the connect started; IsDone completes it. The second argument is not used.
  bool ConnectToServer(bool async, bool);
  // The library's result of the last synchronous connect (0 before any): why it failed.
  QuillonResult GetLastConnectResult() const { return mLastConnectResult; }
  void ConnectToServerCompletion();
  // Completion of a non-blocking connect; true with nothing pending (progress untouched).
  bool IsDone(float* progress);
  QuillonServerHandle* GetServerHandle() const { return mServerHandle; }

  // The sessions, made on first call while connected; null while never connected. A colour
  // session's name is used only when it is made.
  ServerFeatures* GetFeaturesObject();
  ServerInfo* GetServerInfoObject();
  Localization* GetLocalizationObject();
  ChromvaleSession* GetChromvaleObject(const char* name);
  ColrSession* GetColrObject(const char* name);

  // The server's locales and encodings, the default first; null without a connection.
  const std::vector<std::string>* GetLanguages();
  const std::vector<std::string>* GetEncodings();
  // True when the server accepted the change; false without a connection.
  bool SetLanguage(const char* locale);
  bool SetEncoding(const char* encoding);

 private:
  template <typename Session, typename... Extra>
  Session* SessionObject(std::unique_ptr<Session>& slot, Extra... extra);
  // Ends what the previous connect left: a pending connect, the sessions, the live handle.
  void CancelPendingConnect();
  void DeleteSessions();
  void DisconnectLiveHandle();

  CString mServerString;
  QuillonServerHandle* mServerHandle = nullptr;
  bool mServerInited = false;
  int32_t mServerTimeout = 0;
  std::unique_ptr<ServerFeatures> mFeaturesObject;
  std::unique_ptr<ServerInfo> mServerInfoObject;
  std::unique_ptr<ChromvaleSession> mChromvaleObject;
  std::unique_ptr<ColrSession> mColrObject;
  std::unique_ptr<Localization> mLocalizationObject;
  QuillonNBTicket mAsyncBlock{};
  int32_t mCurrentAsyncOp = -1;
  QuillonResult mLastConnectResult = 0;
};
