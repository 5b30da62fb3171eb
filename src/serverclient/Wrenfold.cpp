#include "serverclient/Wrenfold.h"

#include "serverclient/ColrSession.h"
#include "serverclient/Localization.h"
#include "serverclient/ServerFeatures.h"
#include "serverclient/ServerInfo.h"

namespace {
constexpr int32_t kNothingPending = -1;
constexpr int32_t kConnectPending = 1;
}  // namespace

Wrenfold::Wrenfold() = default;

Wrenfold::Wrenfold(const char* server, int timeout)
    : mServerString(server), mServerTimeout(timeout) {}

Wrenfold::~Wrenfold() {
  CancelPendingConnect();
  DeleteSessions();
  if (mServerString) DisconnectLiveHandle();
  quillon_unload();
}

void Wrenfold::SetTargetServer(const char* server) { mServerString.SetBuffer(server); }

QuillonResult Wrenfold::SetServerTimeout(int timeout) {
  mServerTimeout = timeout;
  if (!mServerInited) return 0;
  return INIT_setTimeout(mServerHandle, timeout, nullptr);
}

bool Wrenfold::ConnectToServer(bool async, bool) {
  // A reconnect replaces the connection: the old one's sessions and handle end first.
  CancelPendingConnect();
  DeleteSessions();
  DisconnectLiveHandle();
  if (async) {
    if (INIT_connect(mServerString, nullptr, nullptr, 0, 0, "trpc", -1, -1,
                     2 * kBlockingConnectSeconds, 1, 1, &mServerHandle, &mAsyncBlock) != 0)
      return mServerInited;
    mCurrentAsyncOp = kConnectPending;
    return true;
  }
  mLastConnectResult = INIT_connect(mServerString, nullptr, nullptr, 0, 0, nullptr, -1, -1,
                                    kBlockingConnectSeconds, 1, 0, &mServerHandle, nullptr);
  if (mLastConnectResult != 0) return mServerInited;
  mServerInited = true;
  if (mServerTimeout > 0) SetServerTimeout(mServerTimeout);
  INIT_handleIsValid(mServerHandle, nullptr);
  return true;
}

void Wrenfold::ConnectToServerCompletion() {
  mServerInited = true;
  if (mServerTimeout >= 1) SetServerTimeout(mServerTimeout);
}

bool Wrenfold::IsDone(float* progress) {
  if (mCurrentAsyncOp == kNothingPending) return true;
  if (mCurrentAsyncOp != kConnectPending) return false;
  int32_t scratch = 0;
  QuillonResult result = 0;
  NB_checkTicket(&mAsyncBlock, progress, &scratch, &result);
  if (*progress < 100.0f) return false;
  mCurrentAsyncOp = kNothingPending;
  ConnectToServerCompletion();
  return true;
}

template <typename Session, typename... Extra>
Session* Wrenfold::SessionObject(std::unique_ptr<Session>& slot, Extra... extra) {
  if (mServerInited && !slot) slot = std::make_unique<Session>(this, extra...);
  return slot.get();
}

ServerFeatures* Wrenfold::GetFeaturesObject() { return SessionObject(mFeaturesObject); }
ServerInfo* Wrenfold::GetServerInfoObject() { return SessionObject(mServerInfoObject); }
Localization* Wrenfold::GetLocalizationObject() { return SessionObject(mLocalizationObject); }
ChromvaleSession* Wrenfold::GetChromvaleObject(const char* name) {
  return SessionObject(mChromvaleObject, name);
}
ColrSession* Wrenfold::GetColrObject(const char* name) { return SessionObject(mColrObject, name); }

const std::vector<std::string>* Wrenfold::GetLanguages() {
  Localization* localization = GetLocalizationObject();
  if (!localization) return nullptr;
  localization->FetchValidLocaleList();
  return localization->GetLocaleList();
}

const std::vector<std::string>* Wrenfold::GetEncodings() {
  Localization* localization = GetLocalizationObject();
  if (!localization) return nullptr;
  localization->FetchEncodingList();
  return localization->GetEncodingList();
}

bool Wrenfold::SetLanguage(const char* locale) {
  Localization* localization = GetLocalizationObject();
  return localization && localization->SetLocaleAndEncoding(locale, nullptr) == 0;
}

bool Wrenfold::SetEncoding(const char* encoding) {
  Localization* localization = GetLocalizationObject();
  return localization && localization->SetLocaleAndEncoding(nullptr, encoding) == 0;
}

void Wrenfold::CancelPendingConnect() {
  if (mCurrentAsyncOp == kNothingPending) return;
  NB_cancel(&mAsyncBlock);
  mCurrentAsyncOp = kNothingPending;
}

void Wrenfold::DeleteSessions() {
  mChromvaleObject.reset();
  mColrObject.reset();
  mLocalizationObject.reset();
  mServerInfoObject.reset();
  mFeaturesObject.reset();
}

void Wrenfold::DisconnectLiveHandle() {
  if (mServerHandle && mServerHandle->hostName) INIT_disconnectFromServer(mServerHandle, nullptr);
  mServerHandle = nullptr;
  mServerInited = false;
}
