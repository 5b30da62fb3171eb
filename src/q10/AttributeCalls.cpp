// The attribute session: the printer's attributes read once at open, then looked up by name.
#include <optional>

#include "q10/Allocation.h"
#include "q10/Forward.h"
#include "q10/PrinterQueries.h"
#include "q10/StandardFallbacks.h"

namespace q10 {
namespace {

// A vendor attribute as the printer gives it, else from the standard attributes.
std::optional<AttributeValues> LookUp(const AttributeTable& table, std::string_view name) {
  if (const AttributeValues* values = FindValues(table, name)) return *values;
  return StandardFallback(table, name);
}

std::function<void()> DeliverValues(const AttributeValues& values, char*** texts,
                                    QuillonAttributeType** types, int32_t* count) {
  std::vector<std::string> textList;
  std::vector<QuillonAttributeType> typeList;
  for (const auto& value : values) {
    textList.push_back(value.text);
    typeList.push_back(value.type);
  }
  return Both(DeliverStrings(std::move(textList), texts, count),
              [typeList = std::move(typeList), types] {
                if (types) *types = NewTypeArray(typeList);
              });
}

std::function<void()> DeliverKeys(const AttributeTable& table, char*** values, char*** names,
                                  QuillonAttributeType** types, int32_t* count) {
  AttributeValues firstValues;
  std::vector<std::string> nameList;
  for (const auto& [name, entries] : table) {
    nameList.push_back(name);
    firstValues.push_back(entries.empty() ? AttributeValue{} : entries.front());
  }
  return Both(DeliverValues(firstValues, values, types, count),
              DeliverStrings(std::move(nameList), names, nullptr));
}

}  // namespace
}  // namespace q10

using namespace q10;

extern "C" QuillonResult ATTR_openSession(QuillonServerHandle* handle,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) -> Work {
    if (!session) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    SessionPtr opened = AddSession(SessionKind::attributes, connection, session);
    return WithPrinterAttributes(connection, "", [opened](auto table) {
      return Outcome{QUILLON_RESULT_OK, [opened, table] {
                       std::lock_guard lock(opened->mutex);
                       opened->attributes = table;
                     }};
    });
  });
}

extern "C" QuillonResult ATTR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return CloseSessionOfKind(session, SessionKind::attributes, ticket);
}

extern "C" QuillonResult ATTR_getAttributeValues(QuillonSessionHandle* session, int32_t scope,
                                                 const char* name, char*** values,
                                                 QuillonAttributeType** types, int32_t* count,
                                                 QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::attributes, ticket, [&](Session& open) {
    if (!name) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    if (scope != 0 || !open.attributes) return Answer(QUILLON_RESULT_NOT_FOUND);
    auto found = LookUp(*open.attributes, name);
    if (!found) return Answer(QUILLON_RESULT_NOT_FOUND);
    return Answer(QUILLON_RESULT_OK, DeliverValues(*found, values, types, count));
  });
}

extern "C" QuillonResult ATTR_getScopes(QuillonSessionHandle* session, int32_t scope,
                                        int32_t** scopes, int32_t* count, QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::attributes, ticket, [&](Session&) {
    if (scope != 0) return Answer(QUILLON_RESULT_NOT_FOUND);
    return Answer(QUILLON_RESULT_OK, [scopes, count] {
      if (scopes) *scopes = NewIntArray({0});
      if (count) *count = 1;
    });
  });
}

extern "C" QuillonResult ATTR_getAttributeKeys(QuillonSessionHandle* session, int32_t scope,
                                               int32_t, char*** values, char*** names,
                                               QuillonAttributeType** types, int32_t* count,
                                               QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::attributes, ticket, [&](Session& open) {
    if (scope != 0 || !open.attributes) return Answer(QUILLON_RESULT_NOT_FOUND);
    return Answer(QUILLON_RESULT_OK, DeliverKeys(*open.attributes, values, names, types, count));
  });
}
