#include "support/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

void ExpectText(const CString& s, const char* text) {
  ASSERT_NE(static_cast<const char*>(s), nullptr);
  EXPECT_STREQ(s, text);
  EXPECT_EQ(s.Size(), std::strlen(text));
}

TEST(CStringTest, NullAndEmptyText) {
  CString none(static_cast<const char*>(nullptr));
  EXPECT_EQ(static_cast<const char*>(none), nullptr);
  EXPECT_TRUE(none.Empty());
  EXPECT_TRUE(CString("").Empty());
  EXPECT_FALSE(CString("x").Empty());
  EXPECT_TRUE(none == CString(""));  // no buffer compares as ""

  none + "";
  EXPECT_EQ(static_cast<const char*>(none), nullptr);
  none + "abc" + "de";
  ExpectText(none, "abcde");
}

TEST(CStringTest, CopiesOwnTheirText) {
  char source[] = "printer";
  CString original(source);
  source[0] = 'P';
  CString copy(original);
  copy.Replace("print", "scann");
  ExpectText(original, "printer");
  ExpectText(copy, "scanner");

  copy.SetBuffer(static_cast<const char*>(copy) + 4);  // a tail of its own text
  ExpectText(copy, "ner");
}

TEST(CStringTest, PlatformStrings) {
  ExpectText(CString(std::string("Zürich")), "Zürich");
  EXPECT_EQ(static_cast<const char*>(CString(std::optional<std::string>{})), nullptr);
  CString s("old");
  s = std::optional<std::string>{};
  ExpectText(s, "");  // assigning a null platform string gives ""
}

TEST(CStringTest, ReplaceOnlyTheFirstOccurrence) {
  CString s("a-b-c");
  s.Replace("-", "+-+");
  ExpectText(s, "a+-+b-c");
  s.Replace("zz", "y");
  ExpectText(s, "a+-+b-c");
  EXPECT_TRUE(s == "a+-+b-c");
  EXPECT_TRUE(CString("printer abc").Contains("ABC"));
  EXPECT_FALSE(s.Contains("abd"));
}

TEST(CStringTest, RemoveAndInsertAtAPosition) {
  CString s("abcdef");
  s.Remove(static_cast<const char*>(s) + 1, 2);
  ExpectText(s, "adef");
  s.Remove(static_cast<const char*>(s) + 2, 50);  // stops at the end
  ExpectText(s, "ad");
  s.Insert(static_cast<const char*>(s) + 1, "bc");
  s.Insert(static_cast<const char*>(s) + s.Size(), "ef");
  ExpectText(s, "abcdef");

  const char* elsewhere = "other";  // pointers outside the buffer are ignored
  s.Remove(elsewhere, 1);
  s.Insert(elsewhere, "x");
  ExpectText(s, "abcdef");
}

}  // namespace
