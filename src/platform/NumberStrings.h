#pragma once
// Decimal text of 32-bit numbers in length-prefixed (Str255) strings.
#include <cstdint>

// Writes the decimal text of `number` ("-" for negatives) as a length-prefixed string; the
// buffer needs 12 bytes.
void NumToString(int32_t number, unsigned char* theString);

// The number a length-prefixed decimal text stands for: an optional "+" or "-", then digits;
// reading stops at the first other character. Like the platform's own conversion it computes in
// 32 bits, so values beyond the 32-bit range wrap. A null string or one without digits gives 0.
void StringToNum(const unsigned char* theString, int32_t* theNum);
