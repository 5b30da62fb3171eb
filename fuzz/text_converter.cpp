// Fuzz target: hex-escape removal and conversion of PPD translation strings. The first byte picks
// the input encoding (low half) and the output encoding (high half); the rest is the text.
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "platform/TextEncoding.h"
#include "ppdx/text/TextConverter.h"

namespace {

constexpr TextEncoding kEncodings[] = {
    kTextEncodingMacRoman,      kTextEncodingUnicodeDefault, kTextEncodingUnicodeV1_1,
    kTextEncodingISOLatin1,     kTextEncodingISOLatin2,      kTextEncodingISOLatin5,
    kTextEncodingWindowsLatin1, kTextEncodingShiftJIS,       kTextEncodingUnknown,
    kTextEncodingUTF8,
};

TextEncoding Pick(unsigned selector) { return kEncodings[selector % std::size(kEncodings)]; }

bool IsUTF8(const std::string& text) { return ToUTF8(text, kTextEncodingUTF8).has_value(); }

void CheckDehex(const std::string& text) {
  std::vector<char> out(text.size() + 1);  // exactly what the contract asks for
  const long length = TextConverter::DehexBufferFill(text.c_str(), out.data());
  FUZZ_CHECK(length >= 1 && length <= static_cast<long>(out.size()));
  FUZZ_CHECK(out[static_cast<size_t>(length) - 1] == '\0');
}

// The display string is always valid UTF-8, whatever bytes came in.
void CheckDisplayString(TextEncoding input, const std::string& text) {
  unsigned long in = input;
  TextConverter converter(in, kTextEncodingUTF8);
  const std::string display = converter.ConvertToCFString(text.c_str());
  FUZZ_CHECK(IsUTF8(display));
  std::vector<char> cString(1 + text.size() % 64);
  TextConverter::CFStringToCstring(display, cString.data(), static_cast<long>(cString.size()));
  FUZZ_CHECK(std::memchr(cString.data(), '\0', cString.size()) != nullptr);
}

// In-place conversion stays inside its buffer and ends a cut UTF-8 text on a whole character.
// Without a valid converter the text is left as it is.
void CheckConvertInPlace(TextEncoding input, TextEncoding output, const std::string& text) {
  unsigned long in = input;
  TextConverter converter(in, output);
  std::vector<char> buffer(text.c_str(), text.c_str() + text.size() + 1);
  const bool valid = converter.ValidConverter();
  if (converter.Convert(buffer.data(), static_cast<long>(buffer.size())) != noErr || !valid) return;
  FUZZ_CHECK(std::memchr(buffer.data(), '\0', buffer.size()) != nullptr);
  if (output == kTextEncodingUTF8) FUZZ_CHECK(IsUTF8(buffer.data()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const TextEncoding input = Pick(data[0] & 0x0F), output = Pick(data[0] >> 4);
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  text.resize(std::strlen(text.c_str()));  // the library's strings end at their first NUL
  CheckDehex(text);
  TextConverter::LanguageStringToEncoding(text.c_str());
  CheckDisplayString(input, text);
  CheckConvertInPlace(input, output, text);
  return 0;
}
