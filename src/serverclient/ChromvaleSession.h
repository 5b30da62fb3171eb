#pragma once
// The server's colour-management settings for one queue: each colour keyword with its display
// name, default and values, gathered into a KeywordContainer per keyword and kept in keyword
// order. Settings are added on every GetColorSettings; a keyword seen again replaces its entry.
#include <map>
#include <memory>
#include <string>

#include "serverclient/KeywordContainer.h"
#include "serverclient/SessionBasedClass.h"
#include "support/CString.h"

class ChromvaleSession : public SessionBasedClass {
 public:
  using KeywordMap = std::map<std::string, std::unique_ptr<KeywordContainer>>;

  // `queueName` may be null.
  ChromvaleSession(Wrenfold* wrenfold, const char* queueName);
  ~ChromvaleSession() override;

  int32_t OpenSession() override { return OpenSession(nullptr); }
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override { return OpenSessionAsync(nullptr); }
  int32_t CloseSession() override;
  // Opens at once for `name` (null: the stored queue name); answers the library's result, and a
  // session it opened is closed when this object ends.
  virtual int32_t OpenSession(const char* name);
  // Starts the open on the session's own ticket, which IsDone polls; the returned ticket starts
  // no request.
  virtual std::unique_ptr<AsyncTicket> OpenSessionAsync(const char* name);

  void GetColorSettings();
  KeywordContainer* GetKeywordObject(const char* keyword) const;
  KeywordMap::const_iterator KeywordObjectBegin() const { return mKeywordMap.begin(); }
  KeywordMap::const_iterator KeywordObjectEnd() const { return mKeywordMap.end(); }

 protected:
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override { return CompleteOpenStep(); }
  // The queue name the opens use, and the library's open call for it.
  virtual CString& QueueName() { return mServerQueueName; }
  virtual QuillonResult LibraryOpen(const char* queueName, QuillonNBTicket* ticket);

 private:
  std::unique_ptr<KeywordContainer> ReadCurrentKeyword(const char* key);

  CString mServerQueueName;
  KeywordMap mKeywordMap;
};
