#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/TextEncoding.h"
#include "platform/UTF8.h"

namespace {

struct Sample {
  TextEncoding encoding;
  std::string utf8;
  std::string encoded;  // the same text in the encoding
};

std::string Convert(TECObjectRef converter, std::string_view input, size_t chunk, size_t outSize,
                    OSStatus* last) {
  std::string result;
  std::vector<uint8_t> out(outSize);
  const auto* in = reinterpret_cast<const uint8_t*>(input.data());
  size_t left = input.size();
  *last = noErr;
  while (left > 0 && (*last == noErr || *last == kTECOutputBufferFullStatus)) {
    size_t read = 0, written = 0;
    *last = TECConvertText(converter, in, std::min(chunk, left), &read, out.data(), out.size(),
                           &written);
    result.append(reinterpret_cast<char*>(out.data()), written);
    in += read;
    left -= read;
  }
  return result;
}

}  // namespace

TEST(TextEncoding, EachEncodingRoundTripsWithItsOwnBytes) {
  const std::vector<Sample> samples = {
      {kTextEncodingMacRoman, "Café ©", "Caf\x8E \xA9"},
      {kTextEncodingISOLatin1, "Café ©", "Caf\xE9 \xA9"},
      {kTextEncodingISOLatin2, "Łódź",
       "\xA3\xF3"
       "d\xBC"},
      {kTextEncodingISOLatin5, "ğİş", "\xF0\xDD\xFE"},
      {kTextEncodingWindowsLatin1, "€ “x”", "\x80 \x93x\x94"},
      {kTextEncodingShiftJIS, "日本", "\x93\xFA\x96\x7B"},
      {kTextEncodingUTF8, "Größe", "Größe"},
      {kTextEncodingUnicodeDefault, "Größe", "Größe"},
  };
  for (const Sample& sample : samples) {
    EXPECT_EQ(FromUTF8(sample.utf8, sample.encoding), sample.encoded) << sample.encoding;
    EXPECT_EQ(ToUTF8(sample.encoded, sample.encoding), sample.utf8) << sample.encoding;
  }
  auto utf16 = FromUTF8("Aé", kTextEncodingUTF16);
  ASSERT_TRUE(utf16);
  ASSERT_EQ(utf16->size(), 4u);
  uint16_t units[2];
  std::memcpy(units, utf16->data(), 4);
  EXPECT_EQ(units[0], 0x41) << "host byte order";
  EXPECT_EQ(units[1], 0xE9);
  EXPECT_EQ(ToUTF8(*utf16, kTextEncodingUTF16), "Aé");
}

TEST(TextEncoding, FailuresAreReportedNotGuessed) {
  EXPECT_FALSE(FromUTF8("日本", kTextEncodingISOLatin1)) << "not representable";
  EXPECT_FALSE(ToUTF8("\xC3", kTextEncodingUTF8)) << "cut-off character";
  EXPECT_FALSE(ToUTF8("\xFF\xFE", kTextEncodingUTF8)) << "malformed";
  EXPECT_FALSE(ConvertText("x", kTextEncodingUnknown, kTextEncodingUTF8));
  EXPECT_EQ(TextEncodingIconvName(kTextEncodingUnknown), nullptr);
  TECObjectRef converter = reinterpret_cast<TECObjectRef>(1);
  EXPECT_EQ(TECCreateConverter(&converter, kTextEncodingUnknown, kTextEncodingUTF8),
            kTECNoConversionPathErr);
  EXPECT_EQ(converter, nullptr);
  EXPECT_EQ(TECDisposeConverter(nullptr), paramErr);
}

TEST(TextEncoding, ConverterCarriesCharactersAcrossCallsAndFullOutput) {
  TECObjectRef converter = nullptr;
  ASSERT_EQ(TECCreateConverter(&converter, kTextEncodingShiftJIS, kTextEncodingUTF8), noErr);
  const std::string input = "\x93\xFA\x96\x7B\x8C\xEA abc";  // 日本語 abc
  OSStatus last;
  EXPECT_EQ(Convert(converter, input, 1, 64, &last), "日本語 abc") << "one byte per call";
  EXPECT_EQ(last, noErr);
  EXPECT_EQ(Convert(converter, input, input.size(), 4, &last), "日本語 abc")
      << "four-byte output area";
  EXPECT_EQ(last, noErr);

  size_t read = 0, written = 0;
  uint8_t out[16];
  EXPECT_EQ(TECConvertText(converter, reinterpret_cast<const uint8_t*>("\x93"), 1, &read, out,
                           sizeof out, &written),
            noErr);
  EXPECT_EQ(read, 1u);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(TECFlushText(converter, out, sizeof out, &written), kTextMalformedInputErr)
      << "input ended mid-character";
  EXPECT_EQ(TECDisposeConverter(converter), noErr);
}

// Whole-text conversions keep one converter per pair of encodings: a failed text must not leave
// state behind for the next one, and a result longer than one output step must arrive whole.
TEST(TextEncoding, KeptConvertersStartEachTextAfresh) {
  EXPECT_FALSE(ToUTF8("\x93", kTextEncodingShiftJIS)) << "cut-off character";
  EXPECT_EQ(ToUTF8("\x93\xFA", kTextEncodingShiftJIS), "日");
  EXPECT_FALSE(FromUTF8("a日", kTextEncodingISOLatin1));
  EXPECT_EQ(FromUTF8("é", kTextEncodingISOLatin1), "\xE9");

  const std::string latin(100000, '\xE9');
  std::string utf8;
  for (size_t i = 0; i < latin.size(); ++i) utf8 += "é";
  EXPECT_EQ(ToUTF8(latin, kTextEncodingISOLatin1), utf8);

  TECObjectPtr converter = MakeTECConverter(kTextEncodingShiftJIS, kTextEncodingUTF8);
  ASSERT_TRUE(converter);
  std::string out;
  EXPECT_EQ(TECConvertAll(converter.get(), "\x93\xFA\x96", out), kTextMalformedInputErr);
  EXPECT_EQ(TECConvertAll(converter.get(), "\x96\x7B", out), noErr);
  EXPECT_EQ(out, "本");
  OSStatus status = noErr;
  EXPECT_FALSE(MakeTECConverter(kTextEncodingUnknown, kTextEncodingUTF8, &status));
  EXPECT_EQ(status, kTECNoConversionPathErr);
}

TEST(UTF8, OnlyWellFormedSequencesDecode) {
  const struct {
    const char* name;
    std::string_view bytes;
    char32_t code;  // 0 where the bytes are not a character
    size_t length;
  } cases[] = {{"ASCII", "A", U'A', 1},
               {"two bytes", "\xC3\xA9", U'\u00E9', 2},
               {"three bytes", "\xE2\x82\xAC", U'\u20AC', 3},
               {"four bytes", "\xF0\x9F\x98\x80", U'\U0001F600', 4},
               {"overlong", "\xC0\xAF", 0, 0},
               {"surrogate", "\xED\xA0\x80", 0, 0},
               {"beyond U+10FFFF", "\xF4\x90\x80\x80", 0, 0},
               {"cut short", "\xE2\x82", 0, 0},
               {"stray continuation", "\x80", 0, 0},
               {"not a lead byte", "\xFF", 0, 0}};
  for (const auto& c : cases) {
    const auto decoded = DecodeUTF8Character(c.bytes, 0);
    EXPECT_EQ(decoded.has_value(), c.length != 0) << c.name;
    if (!decoded) continue;
    EXPECT_EQ(decoded->code, c.code) << c.name;
    EXPECT_EQ(decoded->length, c.length) << c.name;
    std::string encoded;
    EXPECT_TRUE(AppendUTF8(encoded, c.code));
    EXPECT_EQ(encoded, c.bytes) << c.name;
  }
  std::string out;
  EXPECT_FALSE(AppendUTF8(out, 0xD800));
  EXPECT_FALSE(AppendUTF8(out, 0x110000));
  EXPECT_EQ(out, "");
}

TEST(UTF8, TextIsNeverCutInsideACharacter) {
  const std::string_view text = "a\xC3\xA9\xE2\x82\xAC";  // a, e acute, euro sign
  EXPECT_EQ(NextUTF8Boundary(text, 0), 1u);
  EXPECT_EQ(NextUTF8Boundary(text, 1), 3u);
  EXPECT_EQ(NextUTF8Boundary(text, 3), 6u);
  EXPECT_EQ(NextUTF8Boundary(text, 6), 6u);
  const size_t prefixes[] = {0, 1, 1, 3, 3, 3, 6, 6};  // by limit 0 to 7
  for (size_t limit = 0; limit < std::size(prefixes); ++limit)
    EXPECT_EQ(UTF8PrefixLength(text, limit), prefixes[limit]) << "limit " << limit;
}
