#include <gtest/gtest.h>

#include "platform/UTF8.h"

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
