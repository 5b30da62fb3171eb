#include "serverclient/Localization.h"

#include <algorithm>
#include <cstring>

#include "platform/Bundle.h"
#include "platform/TextEncoding.h"
#include "serverclient/AsyncTicket.h"
#include "serverclient/FixedText.h"
#include "serverclient/QuillonOwned.h"
#include "serverclient/Wrenfold.h"

namespace {

// The plug-in bundle, whose string table may name the locale to ask the server for.
constexpr const char* kBundleIdentifier = "com.ktv.print.pde.CorvelPDEMTQix";
constexpr const char* kServerLanguageKey = "ServerLanguage";
constexpr const char* kFallbackLocale = "en_US";
// The default and at most 255 of the server's entries.
constexpr std::size_t kMaxListEntries = 256;

bool IsASCII(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

std::string BundleServerLanguage() {
  const CFBundleRef bundle = CFBundleGetBundleWithIdentifier(kBundleIdentifier);
  const std::optional<std::string> language =
      bundle ? bundle->LocalizedString(kServerLanguageKey, "Localizable") : std::nullopt;
  if (!language || *language == kServerLanguageKey) return kFallbackLocale;
  return IsASCII(*language) ? *language : std::string();
}

using DefaultCall = QuillonResult (*)(QuillonServerHandle*, char**, QuillonNBTicket*);
using ListCall = QuillonResult (*)(QuillonServerHandle*, char***, int32_t*, QuillonNBTicket*);

// The default first (it becomes the preferred value when none is set), then the server's list.
template <std::size_t N>
std::vector<std::string> FetchList(QuillonServerHandle* server, DefaultCall getDefault,
                                   ListCall getList, char (&preferred)[N]) {
  QuillonOwned<char> defaultValue;
  getDefault(server, defaultValue.Out(), nullptr);
  if (preferred[0] == '\0') CopyFixedText(preferred, defaultValue.Get());
  std::vector<std::string> list;
  auto add = [&list](const char* text) {
    if (text) list.push_back(ToUTF8(text, kTextEncodingMacRoman).value_or(""));
  };
  add(defaultValue.Get());
  QuillonOwned<char*> entries;
  int32_t count = 0;
  if (getList(server, entries.Out(), &count, nullptr) != 0 || !entries) return list;
  for (int32_t i = 0; i < count && list.size() < kMaxListEntries; ++i) add(entries.Get()[i]);
  return list;
}

}  // namespace

Localization::Localization(Wrenfold* wrenfold) : SessionBasedClass(wrenfold) {
  CopyFixedText(mPreferredLocale, BundleServerLanguage().c_str());
}

Localization::~Localization() {
  if (mSessionOpen) CloseSession();
}

std::unique_ptr<AsyncTicket> Localization::OpenSessionAsync(int index) {
  auto ticket = std::make_unique<AsyncTicket>(this);
  if (!mSessionOpen) StartOpen(index, *ticket);
  return ticket;
}

int32_t Localization::OpenSession(int index) {
  // An open session starts no request, so there is nothing to wait for.
  if (mSessionOpen) return 0;
  auto ticket = std::make_unique<AsyncTicket>(this);
  const QuillonResult started = StartOpen(index, *ticket);
  if (started != 0) return started;
  return BlockOnTicket(std::move(ticket));
}

QuillonResult Localization::StartOpen(int index, AsyncTicket& ticket) {
  mThisSessionIndex = index;
  const QuillonResult started =
      LOCL_openSession(mWrenfoldObject->GetServerHandle(), index, mPreferredLocale,
                       mPreferredEncoding, &mSessionHandle, ticket.GetTicket());
  if (started == 0) mCurrentAsyncOp = kSessionOpenStep;
  return started;
}

PhaseInfoBlock Localization::AsyncCompletion(AsyncTicket* ticket) {
  if (mCurrentAsyncOp != kSessionOpenStep) return {};
  mCurrentAsyncOp = kNoPendingStep;
  mSessionOpen = !ticket || ticket->GetLastResult() == 0;
  return {};
}

int32_t Localization::CloseSession() {
  if (!mSessionOpen) return 0;
  const QuillonResult result = LOCL_closeSession(&mSessionHandle, nullptr);
  mSessionOpen = false;
  return result;
}

void Localization::FetchValidLocaleList() {
  mLocalesArray = FetchList(mWrenfoldObject->GetServerHandle(), LOCL_getDefaultLocale,
                            LOCL_getLocales, mPreferredLocale);
}

void Localization::FetchEncodingList() {
  mEncodingArray = FetchList(mWrenfoldObject->GetServerHandle(), LOCL_getDefaultEncoding,
                             LOCL_getEncodings, mPreferredEncoding);
}

const Localization::StringList* Localization::GetLocaleList() {
  if (!mLocalesArray) FetchValidLocaleList();
  return &*mLocalesArray;
}

const Localization::StringList* Localization::GetEncodingList() {
  if (!mEncodingArray) FetchEncodingList();
  return &*mEncodingArray;
}

int32_t Localization::SetLocaleAndEncoding(const char* locale, const char* encoding) {
  bool changed = false;
  if (locale && std::strcmp(locale, mPreferredLocale) != 0) {
    CopyFixedText(mPreferredLocale, locale);
    changed = true;
  }
  if (encoding) {
    CopyFixedText(mPreferredEncoding, encoding);
    changed = true;
  }
  if (!changed) return 0;
  CloseSession();
  const int32_t result = OpenSession(mThisSessionIndex);
  if (result == 0 && mCachedStrings) {
    mCachedStrings = false;
    CacheStrings();
  }
  return result;
}

void Localization::CacheStrings() {
  if (mSessionOpen) mCachedStrings = LOCL_cacheStrings(&mSessionHandle, nullptr) == 0;
}

std::optional<std::string> Localization::GetKeywordString(const char* key, const char* context) {
  QuillonOwned<char> text;
  QuillonResult result =
      LOCL_getStringWithContext(&mSessionHandle, context, key, text.Out(), nullptr);
  if (result != 0 && context)
    result = LOCL_getStringWithContext(&mSessionHandle, nullptr, key, text.Out(), nullptr);
  if (result != 0 || !text) return std::nullopt;
  return ToUTF8(text.Get(), GetApplicationTextEncoding());
}

std::optional<std::string> Localization::GetOptionString(const char* keyword, const char* value) {
  QuillonOwned<char> text;
  if (LOCL_getStringWithContext(&mSessionHandle, keyword, value, text.Out(), nullptr) != 0 || !text)
    return std::nullopt;
  return ToUTF8(text.Get(), GetApplicationTextEncoding());
}
