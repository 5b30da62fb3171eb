// The system's own small formatter: a fixed set of conversions, 32-bit values, and output
// that never runs past the caller's buffer.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "support/Logging.h"

namespace {

constexpr long kMaxFieldNumber = 1'000'000;  // widths beyond this cannot fit any buffer anyway

// Writes the digits of `magnitude` in `base` and returns the end of the text (its NUL).
char* WriteDigits(uint32_t magnitude, char* buffer, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char reversed[33];
  int count = 0;
  do {
    reversed[count++] = digits[magnitude % base];
    magnitude /= base;
  } while (magnitude != 0);
  while (count > 0) *buffer++ = reversed[--count];
  *buffer = '\0';
  return buffer;
}

class OutputBuffer {
 public:
  OutputBuffer(char* buffer, unsigned long size) : mBuffer(buffer), mSize(buffer ? size : 0) {}

  bool Full() const { return mWritten + 1 >= mSize; }
  void Put(char c) {
    if (!Full()) mBuffer[mWritten++] = c;
  }
  void Put(const char* text, size_t length) {
    for (size_t i = 0; i < length && !Full(); ++i) Put(text[i]);
  }
  void Pad(char c, long count) {
    for (; count > 0 && !Full(); --count) Put(c);
  }
  unsigned long Terminate() {
    if (mSize > 0) mBuffer[mWritten] = '\0';
    return mWritten;
  }

 private:
  char* mBuffer;
  unsigned long mSize;
  unsigned long mWritten = 0;
};

struct FieldSpec {
  bool left = false;
  bool centre = false;
  bool zeros = false;
  long width = 0;
  long precision = 0;  // 0: none
  bool isLong = false;
};

// Digits or "*" (from the next argument); negative or missing values count as 0.
const char* ReadFieldNumber(const char* f, va_list& args, long& value) {
  value = 0;
  if (*f == '*') {
    value = std::max(va_arg(args, int), 0);
    return f + 1;
  }
  for (; *f >= '0' && *f <= '9'; ++f) value = std::min(value * 10 + (*f - '0'), kMaxFieldNumber);
  return f;
}

const char* ReadFieldSpec(const char* f, va_list& args, FieldSpec& spec) {
  if (*f == '-') {
    spec.left = true;
    ++f;
  }
  if (*f == '|') {
    spec.centre = true;
    ++f;
  }
  if (*f == '0') {
    spec.zeros = true;
    ++f;
  }
  f = ReadFieldNumber(f, args, spec.width);
  if (*f == '.') f = ReadFieldNumber(f + 1, args, spec.precision);
  if (*f == 'l' || *f == 'L') {
    spec.isLong = true;
    ++f;
  }
  return f;
}

// Values are 32-bit; a long argument is read as what it is and cut to 32 bits.
uint32_t NextValue(va_list& args, const FieldSpec& spec) {
  return spec.isLong ? static_cast<uint32_t>(va_arg(args, unsigned long))
                     : va_arg(args, unsigned int);
}

// Zeros pad only in front of a number; after it (or around it) they would change its value.
void PutField(OutputBuffer& out, const FieldSpec& spec, const char* text, size_t length,
              bool signedNumber) {
  const long pad = std::max(spec.width - static_cast<long>(length), 0L);
  const bool zeroFill = spec.zeros && !spec.left && !spec.centre;
  const char padChar = zeroFill ? '0' : ' ';
  if (zeroFill && signedNumber && length > 0 && text[0] == '-') {
    out.Put('-');
    ++text;
    --length;
  }
  const long before = spec.centre ? pad / 2 : (spec.left ? 0 : pad);
  out.Pad(padChar, before);
  out.Put(text, length);
  out.Pad(padChar, pad - before);
}

void PutConversion(OutputBuffer& out, char conversion, const FieldSpec& spec, va_list& args) {
  char number[40];
  switch (conversion) {
    case 'd': {
      const char* end = ltos(NextValue(args, spec), number, 10, 0);
      PutField(out, spec, number, end - number, true);
      return;
    }
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'b': {
      const unsigned base = conversion == 'u'   ? 10
                            : conversion == 'o' ? 8
                            : conversion == 'b' ? 2
                                                : 16;
      const char* end = WriteDigits(NextValue(args, spec), number, base, conversion == 'X');
      PutField(out, spec, number, end - number, false);
      return;
    }
    case 'c': {
      const char c = static_cast<char>(va_arg(args, int));
      PutField(out, spec, c ? &c : "\\0", c ? 1 : 2, false);
      return;
    }
    case 's': {
      const char* text = va_arg(args, const char*);
      if (!text)
        PutField(out, spec, "<NULL>", 6, false);
      else
        PutField(out, spec, text,
                 spec.precision > 0 ? strnlen(text, spec.precision) : std::strlen(text), false);
      return;
    }
    default:
      PutField(out, spec, &conversion, 1, false);
  }
}

}  // namespace

char* ltos(unsigned long value, char* buffer, unsigned long base, int upper) {
  if (!buffer || base < 2 || base > 16) return nullptr;
  const auto bits = static_cast<uint32_t>(value);
  const auto asSigned = static_cast<int32_t>(bits);
  if (base == 10 && asSigned < 0) {
    *buffer++ = '-';
    return WriteDigits(0u - bits, buffer, 10, upper != 0);
  }
  return WriteDigits(bits, buffer, static_cast<unsigned>(base), upper != 0);
}

unsigned long DoPrint(char* buffer, unsigned long size, const char* format, va_list arguments) {
  OutputBuffer out(buffer, size);
  if (!format) return out.Terminate();
  va_list args;
  va_copy(args, arguments);
  for (const char* f = format; *f && !out.Full(); ++f) {
    if (*f != '%') {
      out.Put(*f);
      continue;
    }
    FieldSpec spec;
    f = ReadFieldSpec(f + 1, args, spec);
    if (!*f) break;
    PutConversion(out, *f, spec, args);
  }
  va_end(args);
  return out.Terminate();
}
