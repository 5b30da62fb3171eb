// Locales, encodings and the printer's localized strings.
#include "q10/Forward.h"
#include "q10/Limits.h"
#include "q10/Locale.h"
#include "q10/PrinterQueries.h"

namespace q10 {
namespace {

// Reads the strings file the printer names for the session's language into the session. With
// strict false a printer without a readable strings file still gives result 0 (and no strings).
Work ReadStrings(const SessionPtr& session, bool strict) {
  return [session, strict](RequestControl& control) {
    const ConnectionPtr& connection = session->connection;
    std::string language;
    {
      std::lock_guard lock(session->mutex);
      language = session->language;
    }
    IppAnswer reply = GetPrinterAttributes(ExchangeFor(*connection, control), language);
    if (reply.result != QUILLON_RESULT_OK) return Outcome{reply.result, {}};
    const std::string uri =
        FirstText(ReadPrinterAttributes(reply.response.get()), "printer-strings-uri");
    TextAnswer file{QUILLON_RESULT_NOT_FOUND, {}};
    if (!uri.empty())
      file = FetchPrinterFile(ExchangeFor(*connection, control), uri, kMaxStringsFileBytes);
    auto strings = std::make_shared<const StringsTable>(ParseStringsFile(file.text));
    const QuillonResult result = strict ? file.result : QuillonResult{QUILLON_RESULT_OK};
    return Outcome{result, [session, strings] {
                     std::lock_guard lock(session->mutex);
                     session->strings = strings;
                   }};
  };
}

using Convert = std::string (*)(std::string_view);
std::string AsIs(std::string_view text) { return std::string(text); }

// The values of one printer attribute, converted, as a string list.
Work ListOf(const ConnectionPtr& connection, std::string attribute, Convert convert, char*** out,
            int32_t* count) {
  return WithPrinterAttributes(connection, "", [=](auto table) {
    const AttributeValues* values = FindValues(*table, attribute);
    if (!values || values->empty()) return Outcome{QUILLON_RESULT_NOT_FOUND, {}};
    std::vector<std::string> texts;
    for (const auto& value : *values) texts.push_back(convert(value.text));
    return Outcome{QUILLON_RESULT_OK, DeliverStrings(std::move(texts), out, count)};
  });
}

Work FirstOf(const ConnectionPtr& connection, std::string attribute, Convert convert, char** out) {
  return WithPrinterAttributes(connection, "", [=](auto table) {
    return StringOrNotFound(convert(FirstText(*table, attribute)), out);
  });
}

std::string Lookup(const StringsTable& strings, const char* context, const char* key) {
  if (context && *context) {
    auto found = strings.find(std::string(context) + "." + key);
    if (found != strings.end()) return found->second;
  }
  auto found = strings.find(std::string_view(key));
  return found == strings.end() ? std::string() : found->second;
}

}  // namespace
}  // namespace q10

using namespace q10;

extern "C" QuillonResult LOCL_openSession(QuillonServerHandle* handle, int32_t, const char* locale,
                                          const char*, QuillonSessionHandle* session,
                                          QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) -> Work {
    if (!session) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    SessionPtr opened = AddSession(SessionKind::localization, connection, session);
    opened->language = IppLanguageFromLocale(locale ? locale : "");
    return ReadStrings(opened, false);
  });
}

extern "C" QuillonResult LOCL_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return CloseSessionOfKind(session, SessionKind::localization, ticket);
}

extern "C" QuillonResult LOCL_getDefaultLocale(QuillonServerHandle* handle, char** locale,
                                               QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return FirstOf(connection, "natural-language-configured", LocaleFromIppLanguage, locale);
  });
}

extern "C" QuillonResult LOCL_getDefaultEncoding(QuillonServerHandle* handle, char** encoding,
                                                 QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return FirstOf(connection, "charset-configured", AsIs, encoding);
  });
}

extern "C" QuillonResult LOCL_getLocales(QuillonServerHandle* handle, char*** locales,
                                         int32_t* count, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return ListOf(connection, "generated-natural-language-supported", LocaleFromIppLanguage,
                  locales, count);
  });
}

extern "C" QuillonResult LOCL_getEncodings(QuillonServerHandle* handle, char*** encodings,
                                           int32_t* count, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return ListOf(connection, "charset-supported", AsIs, encodings, count);
  });
}

extern "C" QuillonResult LOCL_getStringWithContext(QuillonSessionHandle* session,
                                                   const char* context, const char* key,
                                                   char** text, QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::localization, ticket, [&](Session& open) {
    if (!key) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    if (!open.strings) return Answer(QUILLON_RESULT_NOT_FOUND);
    Outcome found = StringOrNotFound(Lookup(*open.strings, context, key), text);
    return Answer(found.result, std::move(found.deliver));
  });
}

extern "C" QuillonResult LOCL_cacheStrings(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  SessionPtr open = FindSession(session, SessionKind::localization);
  return ForwardToSession(session, SessionKind::localization, ticket,
                          [&](Session&) { return ReadStrings(open, true); });
}
