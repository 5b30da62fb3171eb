#include "platform/IndexedStrings.h"

#include <cstring>

#include "platform/NumberStrings.h"
#include "platform/ResourceMap.h"

namespace {

// Copies a length-prefixed string into a C-string buffer of at least 256 bytes.
void CopyToCString(const unsigned char* pascal, char* cstr) {
  std::memcpy(cstr, pascal + 1, pascal[0]);
  cstr[pascal[0]] = '\0';
}

}  // namespace

char* num2String(int32_t number, char* cstr) {
  if (!cstr) return nullptr;
  unsigned char pascal[256];
  NumToString(number, pascal);
  CopyToCString(pascal, cstr);
  return cstr;
}

int32_t string2Number(const char* cstr) {
  if (!cstr) return 0;
  unsigned char pascal[256];
  size_t length = strnlen(cstr, 255);
  pascal[0] = uint8_t(length);
  std::memcpy(pascal + 1, cstr, length);
  int32_t number = 0;
  StringToNum(pascal, &number);
  return number;
}

char* getIndString(char* cstr, int16_t listID, int16_t index) {
  if (!cstr) return nullptr;
  unsigned char pascal[256];
  GetIndString(pascal, listID, index);
  CopyToCString(pascal, cstr);
  return pascal[0] == 0 ? nullptr : cstr;
}
