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

TEST(HexEscapes, WellFormedEscapesBecomeBytes) {
  long length = 0;
  EXPECT_EQ(Dehex("<24>5", &length), "$5");
  EXPECT_EQ(length, 3);  // two bytes and the terminator
  EXPECT_EQ(Dehex("<4 1>"), "A");
  EXPECT_EQ(Dehex("< 41>"), "A");
  EXPECT_EQ(Dehex("a<4142>b<43>c"), "aABbCc");
  EXPECT_EQ(Dehex("<e9>t<E9>"), "\xE9t\xE9");
  EXPECT_EQ(Dehex("no escapes"), "no escapes");
}

TEST(HexEscapes, MalformedEscapesStopDecodingAndKeepTheRest) {
  EXPECT_EQ(Dehex("x<4>y<41>"), "x<4>y<41>");   // odd digit count
  EXPECT_EQ(Dehex("<41 >z"), "<41 >z");         // white space before the bracket
  EXPECT_EQ(Dehex("<>"), "<>");                 // no digits
  EXPECT_EQ(Dehex("<4G>"), "<4G>");             // not a hex digit
  EXPECT_EQ(Dehex("<41>then<42"), "Athen<42");  // no closing bracket
}

TEST(LanguageEncodings, KeywordsMapToTextEncodings) {
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("ISOLatin1"), kTextEncodingISOLatin1);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("ISOLatin2"), kTextEncodingISOLatin2);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("ISOLatin5"), kTextEncodingISOLatin5);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("JIS83-RKSJ"), kTextEncodingShiftJIS);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("MacStandard"), kTextEncodingMacRoman);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("WindowsANSI"), kTextEncodingWindowsLatin1);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("isolatin1"), kTextEncodingUnknown);
  EXPECT_EQ(TextConverter::LanguageStringToEncoding(nullptr), kTextEncodingUnknown);
  testing::internal::CaptureStdout();
  EXPECT_EQ(TextConverter::LanguageStringToEncoding("UTF-8"), kTextEncodingUnicodeDefault);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "CFStringGetMostCompatibleMacStringEncoding theEncoding = 100 (256)\n");
}

TEST(LanguageEncodings, HexExceptionsAreExactWords) {
  const HexLanguageExceptions& exceptions = TextConverter::ExceptionsList();
  EXPECT_TRUE(exceptions.IsException("Bulg"));
  EXPECT_FALSE(exceptions.IsException("Bulgarian"));
  EXPECT_TRUE(exceptions.IsException("Japanese"));
  EXPECT_FALSE(exceptions.IsException("japanese"));
}

TEST(TextConverter, IsoLatin1StringsNeedNoConverter) {
  TestPPDX ppd;
  ppd.SetLanguage("German", "ISOLatin1");
  TextConverter converter(&ppd);
  EXPECT_TRUE(converter.ValidConverter());
  EXPECT_EQ(converter.ConvertToCFString("Gr\xF6<DF>e"), "Größe");
  EXPECT_EQ(converter.ToUnicodeConverterBuilds(), 0);
  EXPECT_EQ(converter.ConvertToCFString(nullptr), "");
}

TEST(TextConverter, MacRomanAndWindowsLatin1Bytes) {
  TestPPDX mac;
  mac.SetLanguage("French", "MacStandard");
  EXPECT_EQ(TextConverter(&mac).ConvertToCFString("caf\x8E"), "café");
  TestPPDX windows;
  windows.SetLanguage("English", "WindowsANSI");
  EXPECT_EQ(TextConverter(&windows).ConvertToCFString("<93>quoted<94>"), "\u201Cquoted\u201D");
}

TEST(TextConverter, ShiftJISGoesThroughOneReusedConverter) {
  TestPPDX ppd;
  ppd.SetLanguage("Japanese", "JIS83-RKSJ");
  TextConverter converter(&ppd);
  EXPECT_EQ(converter.ConvertToCFString("<93FA967B>"), "日本");
  EXPECT_EQ(converter.ConvertToCFString("\x88\xF3\x8D\xFC"), "印刷");
  EXPECT_EQ(converter.ToUnicodeConverterBuilds(), 1);
}

TEST(TextConverter, UnknownEncodingMakesNoConverterButKeepsTheText) {
  TestPPDX ppd;
  ppd.SetLanguage("Klingon", "KlingonScript");
  TextConverter converter(&ppd);
  EXPECT_FALSE(converter.ValidConverter());
  EXPECT_EQ(converter.GetInputEncoding(), kTextEncodingUnknown);
  EXPECT_EQ(converter.ConvertToCFString("plain"), "plain");
  EXPECT_EQ(converter.ConvertToCFString("\xE9t\xE9"), "été");  // undecodable bytes read as Latin 1
  char text[] = "abc";
  EXPECT_EQ(converter.Convert(text, sizeof text), noErr);
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
