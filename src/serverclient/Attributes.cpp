#include "serverclient/Attributes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/TextEncoding.h"
#include "serverclient/AsyncTicket.h"
#include "serverclient/Localization.h"
#include "serverclient/QuillonOwned.h"
#include "serverclient/Wrenfold.h"
#include "support/Logging.h"

namespace {

// The first value of one attribute, with the library's arrays owned until the read ends.
struct AttributeValues {
  QuillonOwned<char*> values;
  QuillonOwned<QuillonAttributeType> types;
  int32_t count = 0;
  QuillonResult result = 0;

  const char* First() const { return values && count > 0 ? values.Get()[0] : nullptr; }
};

void ReadAttribute(QuillonSessionHandle* session, int scope, const char* name,
                   AttributeValues& out) {
  out.result = ATTR_getAttributeValues(session, scope, name, out.values.Out(), out.types.Out(),
                                       &out.count, nullptr);
}

// Leading white space, an optional sign and digits; anything else (or an overflow) reads as 0.
int LeadingNumber(const char* text) {
  errno = 0;
  const long value = std::strtol(text, nullptr, 10);
  if (errno == ERANGE || value > INT_MAX || value < INT_MIN) return 0;
  return static_cast<int>(value);
}

}  // namespace

Attributes::Attributes(Wrenfold* wrenfold) : SessionBasedClass(wrenfold) {}

int32_t Attributes::OpenSession() { return BlockOnTicket(OpenSessionAsync()); }

std::unique_ptr<AsyncTicket> Attributes::OpenSessionAsync() {
  return StartOpenStep(ATTR_openSession);
}

int32_t Attributes::CloseSession() { return ATTR_closeSession(&mSessionHandle, nullptr); }

int Attributes::GetAttributeSingleAsInt(const char* name, int scope) {
  AttributeValues read;
  ReadAttribute(&mSessionHandle, scope, name, read);
  const char* first = read.First();
  return first ? LeadingNumber(first) : 0;
}

std::optional<std::string> Attributes::GetAttributeSingleAsCFString(const char* name, int scope,
                                                                    bool localize) {
  AttributeValues read;
  ReadAttribute(&mSessionHandle, scope, name, read);
  const char* first = read.First();
  if (read.result != 0 || !first) return std::nullopt;
  Localization* localization = localize ? mWrenfoldObject->GetLocalizationObject() : nullptr;
  if (localization) {
    if (auto localized = localization->GetKeywordString(first, name)) return localized;
  }
  return ToUTF8(first, GetApplicationTextEncoding());
}

int Attributes::GetTrayCount(int scope) {
  return GetAttributeSingleAsInt("vidInputNumOfTrays", scope);
}

void Attributes::CheckScopes(int scope) {
  {
    QuillonOwned<int32_t> scopes;
    int32_t scopeCount = 0;
    ATTR_getScopes(&mSessionHandle, scope, scopes.Out(), &scopeCount, nullptr);
  }
  QuillonOwned<char*> values;
  QuillonOwned<char*> names;
  QuillonOwned<QuillonAttributeType> types;
  int32_t count = 0;
  ATTR_getAttributeKeys(&mSessionHandle, scope, 0, values.Out(), names.Out(), types.Out(), &count,
                        nullptr);
  if (!values || !names) return;
  for (int32_t i = 0; i < count; ++i) trace_log(0, "%s\t\t%s\n", names.Get()[i], values.Get()[i]);
}
