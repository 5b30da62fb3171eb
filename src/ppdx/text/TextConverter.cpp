#include "ppdx/text/TextConverter.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>

#include "platform/UTF8.h"
#include "ppdx/parser/PPDX.h"
#include "support/DebugLogFile.h"

namespace {

// UTF-8 and ISO Latin 1 are read here rather than through iconv: they are the encodings of most
// printer descriptions, and the first iconv converter of a process costs more than a whole parse.
bool IsUTF8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const std::optional<UTF8Character> character = DecodeUTF8Character(text, at);
    if (!character) return false;
    at += character->length;
  }
  return true;
}

std::string Latin1ToUTF8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) AppendUTF8(text, byte);
  return text;
}

// Text that is valid UTF-8 stays as it is; anything else is read byte for byte as ISO Latin 1,
// so no byte is ever lost.
std::string AsUnicodeFallback(const std::string& bytes) {
  return IsUTF8(bytes) ? bytes : Latin1ToUTF8(bytes);
}

std::string TakeAs(const std::string& bytes, TextEncoding encoding) {
  if (auto text = ToUTF8(bytes, encoding)) return *text;
  return AsUnicodeFallback(bytes);
}

bool HasHighBitByte(const char* text, long size) {
  for (long i = 0; i < size && text[i]; ++i)
    if (static_cast<unsigned char>(text[i]) & 0x80) return true;
  return false;
}

}  // namespace

TextConverter::TextConverter(PPDX* ppd) {
  Initialize();
  SetupFromPPD(ppd, GetCurrentEncoding());
}

TextConverter::TextConverter(PPDX* ppd, const unsigned long& outEncoding) {
  Initialize();
  SetupFromPPD(ppd, static_cast<TextEncoding>(outEncoding));
}

TextConverter::TextConverter(unsigned long& inEncoding, const unsigned long& outEncoding) {
  Initialize();
  mInEncoding = static_cast<TextEncoding>(inEncoding);
  mOutEncoding = static_cast<TextEncoding>(outEncoding);
  mConverterDue = mInEncoding != kTextEncodingUnknown && mOutEncoding != kTextEncodingUnknown;
}

TextConverter::~TextConverter() = default;

void TextConverter::SetupFromPPD(PPDX* ppd, TextEncoding outEncoding) {
  mInEncoding = GetPPDEncoding(ppd);
  if (mInEncoding == kTextEncodingUnknown) return;
  if (ppd && ppd->LanguageVersion()) mLanguageVersion = ppd->LanguageVersion();
  mOutEncoding = outEncoding;
  mConverterDue = mOutEncoding != kTextEncodingUnknown && mErr == noErr;
}

void TextConverter::Initialize() {
  mInEncoding = mOutEncoding = kTextEncodingUnknown;
  mEncodingConverter.reset();
  mToUnicodeConverter.reset();
  mErr = noErr;
  mValidConverter = false;
  mToUnicodeEncoding = 0;
  mConverterDue = false;
}

void TextConverter::OpenConverterWhenDue() {
  if (mConverterDue) Create();
}

OSStatus TextConverter::Create() {
  DisposeConverter();
  mConverterDue = false;
  mEncodingConverter = MakeTECConverter(mInEncoding, mOutEncoding, &mErr);
  mValidConverter = mErr == noErr && mEncodingConverter;
  return mErr;
}

void TextConverter::DisposeConverter() {
  mEncodingConverter.reset();
  mValidConverter = false;
}

TextEncoding TextConverter::GetCurrentEncoding() { return GetSystemTextEncoding(); }

TextEncoding TextConverter::GetPPDEncoding(PPDX* ppd) {
  return LanguageStringToEncoding(ppd ? ppd->LanguageEncoding() : nullptr);
}

TextEncoding TextConverter::LanguageStringToEncoding(const char* language) {
  if (!language) return kTextEncodingUnknown;
  static const struct {
    const char* keyword;
    TextEncoding encoding;
  } kEncodings[] = {
      {"ISOLatin1", kTextEncodingISOLatin1},  {"ISOLatin2", kTextEncodingISOLatin2},
      {"ISOLatin5", kTextEncodingISOLatin5},  {"JIS83-RKSJ", kTextEncodingShiftJIS},
      {"MacStandard", kTextEncodingMacRoman}, {"WindowsANSI", kTextEncodingWindowsLatin1}};
  for (const auto& entry : kEncodings)
    if (std::strcmp(language, entry.keyword) == 0) return entry.encoding;
  if (std::strcmp(language, "UTF-8") == 0) {
    TextEncoding theEncoding = kTextEncodingUnicodeDefault;  // the Mac form of Unicode text
    gDebugLog.dprintf("CFStringGetMostCompatibleMacStringEncoding theEncoding = %x (%d)\n",
                      theEncoding, theEncoding);
    return theEncoding;
  }
  return kTextEncodingUnknown;
}

std::string TextConverter::ToUnicode(const std::string& bytes) {
  if (mToUnicodeConverter && mToUnicodeEncoding != mInEncoding) mToUnicodeConverter.reset();
  if (!mToUnicodeConverter) {
    mToUnicodeConverter = MakeTECConverter(mInEncoding, kTextEncodingUTF8);
    if (!mToUnicodeConverter) return AsUnicodeFallback(bytes);
    mToUnicodeEncoding = mInEncoding;
    ++mToUnicodeBuilds;
  }
  std::string text;
  if (TECConvertAll(mToUnicodeConverter.get(), bytes, text) != noErr)
    return AsUnicodeFallback(bytes);
  return text;
}

std::string TextConverter::ConvertToCFString(const char* text, long) {
  if (!text) return {};
  std::string buffer;
  try {
    buffer.resize(std::strlen(text) + 1);
  } catch (const std::bad_alloc&) {
    return "Out Of Memory";
  }
  DehexBufferFill(text, buffer.data());
  buffer.resize(std::strlen(buffer.c_str()));

  switch (mInEncoding) {
    case kTextEncodingISOLatin1:
      return Latin1ToUTF8(buffer);
    case kTextEncodingMacRoman:
    case kTextEncodingWindowsLatin1:
      return TakeAs(buffer, mInEncoding);
    case kTextEncodingUnicodeDefault:
    case kTextEncodingUnicodeV1_1:
      return AsUnicodeFallback(buffer);
    case kTextEncodingISOLatin2:
    case kTextEncodingISOLatin5:
    case kTextEncodingShiftJIS:
      return ToUnicode(buffer);
    default:
      return AsUnicodeFallback(buffer);
  }
}

OSStatus TextConverter::Convert(char* text, long size) {
  OpenConverterWhenDue();
  // Without a converter the answer is why it is missing; an unknown encoding never tried one.
  if (!mValidConverter) return mErr = (mErr != noErr ? mErr : kTECNoConversionPathErr);
  if (!text) return mErr = paramErr;
  if (text[0] == '\0' || size <= 0) return mErr = kTextConverterEmptyText;

  if (!mExceptionsList.IsException(mLanguageVersion) && HasHighBitByte(text, size) &&
      mInEncoding != kTextEncodingMacRoman) {
    mInEncoding = kTextEncodingMacRoman;
    if (Create() != noErr) return mErr;
  }
  std::string dehexed;
  try {
    dehexed.resize(std::strlen(text) + 1);
  } catch (const std::bad_alloc&) {
    return mErr = memFullErr;
  }
  DehexBufferFill(text, dehexed.data());
  dehexed.resize(std::strlen(dehexed.c_str()));
  if (mOutEncoding == kTextEncodingShiftJIS && dehexed.size() % 2 == 1) dehexed.pop_back();

  std::string converted;
  if ((mErr = TECConvertAll(mEncodingConverter.get(), dehexed, converted)) != noErr) return mErr;
  size_t length = std::min(converted.size(), static_cast<size_t>(size - 1));
  if (mOutEncoding == kTextEncodingUTF8 && length < converted.size())
    while (length > 0 && (static_cast<unsigned char>(converted[length]) & 0xC0) == 0x80) --length;
  std::memcpy(text, converted.data(), length);
  text[length] = '\0';
  return mErr = noErr;
}

bool TextConverter::CFStringToCstring(const std::optional<std::string>& text, char* buffer,
                                      long size) {
  if (!buffer || size <= 0) return false;
  std::optional<std::string> system =
      text ? FromUTF8(*text, GetSystemTextEncoding()) : std::nullopt;
  if (system && static_cast<long>(system->size()) < size) {
    std::memcpy(buffer, system->c_str(), system->size() + 1);
    return true;
  }
  static constexpr char kTranslationError[] = "Translation Error";
  long length = std::min<long>(static_cast<long>(sizeof kTranslationError - 1), size - 1);
  std::memcpy(buffer, kTranslationError, static_cast<size_t>(length));
  buffer[size - 1] = '\0';
  buffer[length] = '\0';
  return false;
}
