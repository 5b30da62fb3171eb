#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "PPDXTestSupport.h"
#include "ppdx/text/TextConverter.h"

namespace {

std::string Dehex(const std::string& in, long* length = nullptr) {
  std::string out(in.size() + 1, '\x7F');
  long produced = TextConverter::DehexBufferFill(in.c_str(), out.data());
  if (length) *length = produced;
  return out.c_str();
}

TEST(HexEscapes, WellFormedEscapesBecomeBytesAndMalformedOnesStopDecoding) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"<4 1>", "A"},
      {"< 41>", "A"},
      {"a<4142>b<43>c", "aABbCc"},
      {"<e9>t<E9>", "\xE9t\xE9"},
      {"x<4>y<41>", "x<4>y<41>"},   // odd digit count
      {"<41 >z", "<41 >z"},         // white space before the bracket
      {"<>", "<>"},                 // no digits
      {"<4G>", "<4G>"},             // not a hex digit
      {"<41>then<42", "Athen<42"},  // no closing bracket
  };
  for (const auto& c : kCases) EXPECT_EQ(Dehex(c.in), c.out) << c.in;
  long length = 0;
  EXPECT_EQ(Dehex("<24>5", &length), "$5");
  EXPECT_EQ(length, 3);  // two bytes and the terminator
}

TEST(LanguageEncodings, KeywordsMapToTextEncodingsQuietly) {
  const struct {
    const char* keyword;
    TextEncoding encoding;
  } kCases[] = {
      {"ISOLatin1", kTextEncodingISOLatin1},  {"ISOLatin2", kTextEncodingISOLatin2},
      {"ISOLatin5", kTextEncodingISOLatin5},  {"JIS83-RKSJ", kTextEncodingShiftJIS},
      {"MacStandard", kTextEncodingMacRoman}, {"WindowsANSI", kTextEncodingWindowsLatin1},
      {"UTF-8", kTextEncodingUnicodeDefault}, {"isolatin1", kTextEncodingUnknown},
      {nullptr, kTextEncodingUnknown},
  };
  // A library never writes to standard output: programs print their own results there.
  testing::internal::CaptureStdout();
  for (const auto& c : kCases)
    EXPECT_EQ(TextConverter::LanguageStringToEncoding(c.keyword), c.encoding)
        << (c.keyword ? c.keyword : "null");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(LanguageEncodings, HexExceptionsAreExactWords) {
  const HexLanguageExceptions& exceptions = TextConverter::ExceptionsList();
  EXPECT_TRUE(exceptions.IsException("Bulg"));
  EXPECT_FALSE(exceptions.IsException("Bulgarian"));
  EXPECT_FALSE(exceptions.IsException("japanese"));
}

TEST(TextConverter, DisplayStringsPerEncoding) {
  const struct {
    const char* encoding;
    const char* in;
    const char* out;
    int toUnicodeBuilds;  // the cached converter is made once and reused
  } kCases[] = {
      {"ISOLatin1", "Gr\xF6<DF>e", "Größe", 0},
      {"MacStandard", "caf\x8E", "café", 0},
      {"WindowsANSI", "<93>quoted<94>", "\u201Cquoted\u201D", 0},
      {"JIS83-RKSJ", "<93FA967B>", "日本", 1},
      {"UTF-8", "caf<C3A9> \xC3\xA9t\xC3\xA9", "café été", 0},
      {"UTF-8", "caf\xE9 <E9>", "café é", 0},    // not UTF-8: read as Latin 1, no byte lost
      {"KlingonScript", "\xE9t\xE9", "été", 0},  // unknown: undecodable bytes read as Latin 1
  };
  for (const auto& c : kCases) {
    TestPPDX ppd;
    ppd.SetLanguage("English", c.encoding);
    TextConverter converter(&ppd);
    EXPECT_EQ(converter.ConvertToCFString(c.in), c.out) << c.encoding;
    EXPECT_EQ(converter.ConvertToCFString(c.in), c.out) << c.encoding << ", again";
    EXPECT_EQ(converter.ToUnicodeConverterBuilds(), c.toUnicodeBuilds) << c.encoding;
    EXPECT_EQ(converter.ConvertToCFString(nullptr), "");
  }
}

TEST(TextConverter, UnknownEncodingMakesNoConverterAndConvertSaysSo) {
  TestPPDX ppd;
  ppd.SetLanguage("Klingon", "KlingonScript");
  TextConverter converter(&ppd);
  EXPECT_FALSE(converter.ValidConverter());
  EXPECT_EQ(converter.GetInputEncoding(), kTextEncodingUnknown);
  char text[] = "abc";
  EXPECT_EQ(converter.Convert(text, sizeof text), kTECNoConversionPathErr);
  EXPECT_STREQ(text, "abc");
}

TEST(TextConverter, ConvertInPlaceWithinTheBuffer) {
  unsigned long in = kTextEncodingISOLatin1;
  TextConverter converter(in, kTextEncodingUTF8);
  ASSERT_TRUE(converter.ValidConverter());
  char text[16] = "<C9>t<E9>";
  EXPECT_EQ(converter.Convert(text, sizeof text), noErr);
  // High-bit bytes outside the exception languages are read as Mac Roman; these are plain hex.
  EXPECT_STREQ(text, "Été");
  // Bytes with the high bit set switch the input to Mac Roman (0xE9 is E-grave there); the
  // result is cut to the buffer without splitting a character.
  char small[] = "\xE9\xE9\xE9";
  EXPECT_EQ(converter.Convert(small, 4), noErr);
  EXPECT_STREQ(small, "\u00C8");
  EXPECT_EQ(converter.Convert(nullptr, 4), paramErr);
  char empty[] = "";
  EXPECT_EQ(converter.Convert(empty, 1), kTextConverterEmptyText);
}

TEST(TextConverter, CStringCopyFallsBackToTranslationError) {
  char buffer[32];
  EXPECT_TRUE(TextConverter::CFStringToCstring(std::string("Papier"), buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Papier");
  EXPECT_FALSE(TextConverter::CFStringToCstring(std::nullopt, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Translation Error");
  char tiny[6];
  EXPECT_FALSE(TextConverter::CFStringToCstring(std::string("far too long"), tiny, sizeof tiny));
  EXPECT_STREQ(tiny, "Trans");
}

}  // namespace
