// Colour: ICC profiles and device links (corvel-icc-profiles "description=id",
// corvel-device-links "sourceId,destId=name") and the colour settings (corvel-color-keywords,
// each keyword's values in <keyword>-supported and its default in <keyword>-default).
#include <cstring>

#include "q10/Forward.h"
#include "q10/Pairs.h"
#include "q10/PrinterQueries.h"

namespace q10 {
namespace {

std::vector<ColourKeyword> ReadColourKeywords(const AttributeTable& table) {
  std::vector<ColourKeyword> keywords;
  for (const auto& keyword : Texts(table, "corvel-color-keywords"))
    keywords.push_back(
        {keyword, FirstText(table, keyword + "-default"), Texts(table, keyword + "-supported")});
  return keywords;
}

// Opens a colour session whose open request stores what read makes of the attributes.
template <class Read>
Work OpenColourSession(const ConnectionPtr& connection, SessionKind kind,
                       QuillonSessionHandle* session, Read read) {
  if (!session) return Answer(QUILLON_RESULT_BAD_PARAMETER);
  SessionPtr opened = AddSession(kind, connection, session);
  return WithPrinterAttributes(connection, "", [opened, read](auto table) {
    return Outcome{QUILLON_RESULT_OK, [opened, table, read] {
                     std::lock_guard lock(opened->mutex);
                     read(*opened, table);
                   }};
  });
}

// The right side of the first "left=right" value of attribute whose left side is left.
Work FindRight(const Session& open, const char* attribute, const std::string& left, char** out) {
  if (!open.attributes) return Answer(QUILLON_RESULT_NOT_FOUND);
  for (const auto& text : Texts(*open.attributes, attribute)) {
    auto pair = SplitPair(text);
    if (pair && pair->left == left) {
      Outcome found = StringOrNotFound(pair->right, out);
      return Answer(found.result, std::move(found.deliver));
    }
  }
  return Answer(QUILLON_RESULT_NOT_FOUND);
}

const ColourKeyword* CurrentKeyword(const Session& open) {
  if (open.keyIndex < 1 || open.keyIndex > open.keywords.size()) return nullptr;
  return &open.keywords[open.keyIndex - 1];
}

Work StringAnswer(const std::string& text, char** out) {
  Outcome found = StringOrNotFound(text, out);
  return Answer(found.result, std::move(found.deliver));
}

}  // namespace
}  // namespace q10

using namespace q10;

extern "C" QuillonResult COLR_openSession(QuillonServerHandle* handle, const char*, const char*,
                                          const char*, const char*, const char*, const char*,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return OpenColourSession(connection, SessionKind::colourProfiles, session,
                             [](Session& open, auto table) { open.attributes = table; });
  });
}

extern "C" QuillonResult COLR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return CloseSessionOfKind(session, SessionKind::colourProfiles, ticket);
}

extern "C" QuillonResult ICCM_mapDescriptionToProfile(QuillonSessionHandle* session,
                                                      const char* description, char** profileId,
                                                      QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourProfiles, ticket, [&](Session& open) {
    if (!description) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    return FindRight(open, "corvel-icc-profiles", description, profileId);
  });
}

extern "C" QuillonResult ICCM_doesDeviceLinkProfileExist(QuillonSessionHandle* session,
                                                         const char* sourceId, const char* destId,
                                                         int32_t, char** name,
                                                         QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourProfiles, ticket, [&](Session& open) {
    if (!sourceId || !destId) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    return FindRight(open, "corvel-device-links", std::string(sourceId) + "," + destId, name);
  });
}

extern "C" QuillonResult CLDF_openSession(QuillonServerHandle* handle, const char*, const char*,
                                          const char*, const char*, const char*, int32_t,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return OpenColourSession(
        connection, SessionKind::colourSettings, session,
        [](Session& open, auto table) { open.keywords = ReadColourKeywords(*table); });
  });
}

extern "C" QuillonResult CLDF_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return CloseSessionOfKind(session, SessionKind::colourSettings, ticket);
}

extern "C" QuillonResult CLDF_setNextKey(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourSettings, ticket, [&](Session& open) {
    open.keyIndex = std::min(open.keyIndex + 1, open.keywords.size() + 1);
    open.valueIndex = 0;
    return Answer(CurrentKeyword(open) ? QUILLON_RESULT_OK : QUILLON_RESULT_END_OF_LIST);
  });
}

extern "C" QuillonResult CLDF_getCurrentKey(QuillonSessionHandle* session, char* key,
                                            QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourSettings, ticket, [&](Session& open) {
    const ColourKeyword* current = CurrentKeyword(open);
    if (!key) return Answer(QUILLON_RESULT_BAD_PARAMETER);
    if (!current) return Answer(QUILLON_RESULT_END_OF_LIST);
    return Answer(QUILLON_RESULT_OK, [text = current->keyword, key] {
      const std::size_t length = std::min<std::size_t>(text.size(), QUILLON_KEY_BUFFER_SIZE - 1);
      std::memcpy(key, text.data(), length);
      key[length] = '\0';
    });
  });
}

extern "C" QuillonResult CLDF_getDefaultValue(QuillonSessionHandle* session, char** value,
                                              QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourSettings, ticket, [&](Session& open) {
    const ColourKeyword* current = CurrentKeyword(open);
    return current ? StringAnswer(current->defaultValue, value)
                   : Answer(QUILLON_RESULT_END_OF_LIST);
  });
}

extern "C" QuillonResult CLDF_getNextValue(QuillonSessionHandle* session, char** value,
                                           QuillonNBTicket* ticket) {
  return ForwardToSession(session, SessionKind::colourSettings, ticket, [&](Session& open) {
    const ColourKeyword* current = CurrentKeyword(open);
    if (!current || open.valueIndex >= current->values.size())
      return Answer(QUILLON_RESULT_END_OF_LIST);
    return StringAnswer(current->values[open.valueIndex++], value);
  });
}
