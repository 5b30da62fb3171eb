#include "options/store/PStringFields.h"

#include <algorithm>
#include <cstring>

#include "options/store/TextSafety.h"
#include "platform/TextEncoding.h"
#include "support/Logging.h"

bool StoreMacRoman(const std::string& utf8, unsigned char* field, size_t maxLength) {
  const std::optional<std::string> macRoman = FromUTF8(utf8, kTextEncodingMacRoman);
  if (!macRoman) {
    trace_log(0, "a stored text has characters Mac Roman lacks; the field is kept\n");
    return false;
  }
  SetPStringBytes(macRoman->substr(0, std::min(maxLength, kMaxPStringLength)), field);
  return true;
}

std::string MacRomanText(const unsigned char* field) {
  return ToUTF8(PStringBytes(field), kTextEncodingMacRoman).value_or("");
}

std::string PStringBytes(const unsigned char* field) {
  return std::string(reinterpret_cast<const char*>(field + 1), field[0]);
}

void SetPStringBytes(const std::string& bytes, unsigned char* field) {
  const size_t length = std::min(bytes.size(), kMaxPStringLength);
  field[0] = static_cast<unsigned char>(length);
  std::memcpy(field + 1, bytes.data(), length);
}

std::string CStringCopy(const unsigned char* field) { return PStringBytes(field).c_str(); }

std::string ScrambledCopy(const unsigned char* field) { return ScrambledText(CStringCopy(field)); }

std::string UnscrambledCopy(const unsigned char* field) {
  return UnscrambledText(CStringCopy(field));
}
