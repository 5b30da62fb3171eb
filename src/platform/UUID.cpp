#include "platform/UUID.h"

#include <uuid/uuid.h>

std::optional<CFUUIDRef> CFUUIDCreateFromString(std::string_view text) {
  constexpr size_t kTextLength = 36;
  if (text.size() != kTextLength) return std::nullopt;
  char terminated[kTextLength + 1] = {};
  text.copy(terminated, kTextLength);
  CFUUID uuid;
  if (uuid_parse(terminated, uuid.bytes.data()) != 0) return std::nullopt;
  return uuid;
}
