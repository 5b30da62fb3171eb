#pragma once
// The server's locales and encodings and its translations of attribute values and colour
// settings. The session is opened with an index and the preferred locale and encoding; changing
// either reopens it. The lists put the server's default first and are read once.
#include <optional>
#include <string>
#include <vector>

#include "serverclient/SessionBasedClass.h"

class Localization : public SessionBasedClass {
 public:
  using StringList = std::vector<std::string>;

  // The preferred locale is the bundle's "ServerLanguage" string, or "en_US" without one.
  explicit Localization(Wrenfold* wrenfold);
  ~Localization() override;

  // The session opens only with an index: these answer -1 and null.
  int32_t OpenSession() override { return -1; }
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override { return nullptr; }
  int32_t CloseSession() override;
  // Starts the open unless the session is open already (the ticket then started nothing).
  virtual std::unique_ptr<AsyncTicket> OpenSessionAsync(int index);
  // 0 when the session is open (at once when it already was), else the library's result.
  virtual int32_t OpenSession(int index);

  void FetchValidLocaleList();
  void FetchEncodingList();
  // The default followed by the server's entries (at most 256 in all), read on first use.
  const StringList* GetLocaleList();
  const StringList* GetEncodingList();
  const char* GetCurrentLocale() const { return mPreferredLocale; }
  const char* GetCurrentEncoding() const { return mPreferredEncoding; }

  // Reopens the session when the locale changes or an encoding is given; answers the open's
  // result, or 0 when nothing changed.
  int32_t SetLocaleAndEncoding(const char* locale, const char* encoding);
  void CacheStrings();
  // The translation of `key` under `context`, retried without context; null when unknown.
  std::optional<std::string> GetKeywordString(const char* key, const char* context);
  // The translation of a setting's value under its keyword; null when unknown.
  std::optional<std::string> GetOptionString(const char* keyword, const char* value);

 protected:
  // A completed open leaves the session open when the server accepted it.
  PhaseInfoBlock AsyncCompletion(AsyncTicket* ticket) override;

 private:
  QuillonResult StartOpen(int index, AsyncTicket& ticket);

  std::optional<StringList> mLocalesArray;
  std::optional<StringList> mEncodingArray;
  bool mCachedStrings = true;
  int32_t mThisSessionIndex = 0;
  char mPreferredLocale[64] = {};
  char mPreferredEncoding[64] = {};
};
