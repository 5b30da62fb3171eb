#include "serverclient/ChromvaleSession.h"

#include "serverclient/AsyncTicket.h"
#include "serverclient/Localization.h"
#include "serverclient/QuillonOwned.h"
#include "serverclient/Wrenfold.h"

namespace {
constexpr int32_t kSettingsMode = 2;
}

ChromvaleSession::ChromvaleSession(Wrenfold* wrenfold, const char* queueName)
    : SessionBasedClass(wrenfold), mServerQueueName(queueName) {}

ChromvaleSession::~ChromvaleSession() {
  if (mSessionOpen) CloseSession();
}

int32_t ChromvaleSession::OpenSession(const char* name) {
  if (name) QueueName().SetBuffer(name);
  const QuillonResult result = LibraryOpen(QueueName(), nullptr);
  if (result == 0) mSessionOpen = true;
  return result;
}

std::unique_ptr<AsyncTicket> ChromvaleSession::OpenSessionAsync(const char* name) {
  if (name) QueueName().SetBuffer(name);
  if (LibraryOpen(QueueName(), &mSessionTicket) == 0) mCurrentAsyncOp = kSessionOpenStep;
  return std::make_unique<AsyncTicket>(this);
}

QuillonResult ChromvaleSession::LibraryOpen(const char* queueName, QuillonNBTicket* ticket) {
  return CLDF_openSession(mWrenfoldObject->GetServerHandle(), queueName, "", "", "", "",
                          kSettingsMode, &mSessionHandle, ticket);
}

int32_t ChromvaleSession::CloseSession() {
  if (!mSessionOpen) return 0;
  mSessionOpen = false;
  return CLDF_closeSession(&mSessionHandle, nullptr);
}

void ChromvaleSession::GetColorSettings() {
  if (CLDF_setNextKey(&mSessionHandle, nullptr) != 0) return;
  do {
    char key[QUILLON_KEY_BUFFER_SIZE] = {};
    if (CLDF_getCurrentKey(&mSessionHandle, key, nullptr) != 0 || key[0] == '\0') return;
    mKeywordMap[key] = ReadCurrentKeyword(key);
  } while (CLDF_setNextKey(&mSessionHandle, nullptr) == 0);
}

std::unique_ptr<KeywordContainer> ChromvaleSession::ReadCurrentKeyword(const char* key) {
  auto container = std::make_unique<KeywordContainer>(key);
  Localization* localization = mWrenfoldObject->GetLocalizationObject();
  container->SetLocalizedName(localization ? localization->GetKeywordString(key, nullptr)
                                           : std::nullopt);
  QuillonOwned<char> value;
  if (CLDF_getDefaultValue(&mSessionHandle, value.Out(), nullptr) == 0 && value)
    container->SetDefaultItem(value.Get());
  while (CLDF_getNextValue(&mSessionHandle, value.Out(), nullptr) == 0 && value) {
    std::optional<std::string> display =
        localization ? localization->GetOptionString(key, value.Get()) : std::nullopt;
    if (!display) display = value.Get();
    container->AddSettingString(value.Get(), std::move(display), value.Get());
  }
  return container;
}

KeywordContainer* ChromvaleSession::GetKeywordObject(const char* keyword) const {
  const auto found = mKeywordMap.find(keyword);
  return found == mKeywordMap.end() ? nullptr : found->second.get();
}
