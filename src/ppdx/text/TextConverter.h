#pragma once
// Turns PPD translation strings into platform strings: maps the PPD's *LanguageEncoding to a text
// encoding, removes <hex> escapes and converts the bytes.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/TextEncoding.h"
#include "ppdx/text/HexLanguageExceptions.h"

class PPDX;

inline constexpr OSStatus kTextConverterEmptyText = 5000;

class TextConverter {
 public:
  explicit TextConverter(PPDX* ppd);
  TextConverter(PPDX* ppd, const unsigned long& outEncoding);
  TextConverter(unsigned long& inEncoding, const unsigned long& outEncoding);
  TextConverter(const TextConverter&) = delete;
  TextConverter& operator=(const TextConverter&) = delete;
  virtual ~TextConverter();

  void Initialize();
  // Opens the in-place converter now. The constructors leave that to the first Convert (or
  // ValidConverter): a parse converts no text in place, and opening one loads iconv's tables.
  OSStatus Create();
  bool ValidConverter() {
    OpenConverterWhenDue();
    return mValidConverter;
  }
  TextEncoding GetOutputEncoding() const { return mOutEncoding; }
  TextEncoding GetInputEncoding() const { return mInEncoding; }
  // How often the cached to-Unicode converter was (re)made.
  int ToUnicodeConverterBuilds() const { return mToUnicodeBuilds; }

  static TextEncoding GetCurrentEncoding();
  static TextEncoding GetPPDEncoding(PPDX* ppd);
  static TextEncoding LanguageStringToEncoding(const char* language);

  // Never fails: a null text gives "", an impossible allocation "Out Of Memory".
  std::string ConvertToCFString(const char* text, long length = 256);
  // Converts text in place, within size bytes. Without a converter: the error that kept it from
  // being made (kTECNoConversionPathErr for an unknown encoding), and text is left as it is.
  OSStatus Convert(char* text, long size);
  // Removes <hex> escapes; out needs strlen(in) + 1 bytes. Returns the output length including
  // its terminator. A malformed escape ends decoding: it and the rest are copied unchanged.
  static long DehexBufferFill(const char* in, char* out);
  // Copies the string in the system encoding; a null string or one that does not fit gives
  // "Translation Error", cut to size - 1 bytes. False in that case.
  static bool CFStringToCstring(const std::optional<std::string>& text, char* buffer, long size);

  static const HexLanguageExceptions& ExceptionsList() { return mExceptionsList; }

 private:
  void SetupFromPPD(PPDX* ppd, TextEncoding outEncoding);
  void DisposeConverter();
  void OpenConverterWhenDue();
  std::string ToUnicode(const std::string& bytes);

  TextEncoding mInEncoding = kTextEncodingUnknown;
  TextEncoding mOutEncoding = kTextEncodingUnknown;
  TECObjectPtr mEncodingConverter;
  OSStatus mErr = noErr;
  bool mValidConverter = false;
  bool mConverterDue = false;  // made by a constructor, not opened yet
  TECObjectPtr mToUnicodeConverter;
  TextEncoding mToUnicodeEncoding = 0;
  int mToUnicodeBuilds = 0;
  static constexpr HexLanguageExceptions mExceptionsList{};
  std::string mLanguageVersion;
};
