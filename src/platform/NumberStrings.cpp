#include "platform/NumberStrings.h"

#include <charconv>
#include <cstring>

void NumToString(int32_t number, unsigned char* theString) {
  if (!theString) return;
  char digits[12];
  auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  theString[0] = uint8_t(end - digits);
  std::memcpy(theString + 1, digits, size_t(end - digits));
}

void StringToNum(const unsigned char* theString, int32_t* theNum) {
  if (!theNum) return;
  *theNum = 0;
  if (!theString) return;
  const unsigned char* text = theString + 1;
  const unsigned char* end = text + theString[0];
  bool negative = text < end && *text == '-';
  if (text < end && (*text == '-' || *text == '+')) ++text;
  uint32_t value = 0;  // unsigned, so that wrapping is defined
  for (; text < end && *text >= '0' && *text <= '9'; ++text)
    value = value * 10 + uint32_t(*text - '0');
  *theNum = int32_t(negative ? 0u - value : value);
}
