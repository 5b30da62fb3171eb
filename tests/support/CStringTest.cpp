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

TEST(CStringTest, NullAndEmptyTextAreEmpty) {
    CString none(static_cast<const char*>(nullptr));
    EXPECT_EQ(static_cast<const char*>(none), nullptr);
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.Size(), 0u);

    CString blank("");
    EXPECT_NE(static_cast<const char*>(blank), nullptr);
    EXPECT_TRUE(blank.Empty());
    EXPECT_TRUE(none == blank);  // a string without a buffer compares as ""
    EXPECT_TRUE(none == "");
    EXPECT_FALSE(CString("x").Empty());
}

TEST(CStringTest, CopiesOwnTheirText) {
    char source[] = "printer";
    CString original(source);
    source[0] = 'P';
    ExpectText(original, "printer");

    CString copy(original);
    copy.Replace("print", "scann");
    ExpectText(original, "printer");
    ExpectText(copy, "scanner");

    CString assigned;
    assigned = original;
    ExpectText(assigned, "printer");
    assigned = static_cast<const char*>(nullptr);
    EXPECT_EQ(static_cast<const char*>(assigned), nullptr);
    EXPECT_EQ(assigned.Size(), 0u);
}

TEST(CStringTest, SetBufferWithItsOwnTextOrATailOfIt) {
    CString s("keyword");
    s.SetBuffer(s);
    ExpectText(s, "keyword");
    s.SetBuffer(static_cast<const char*>(s) + 3);
    ExpectText(s, "word");
    s.ClearBuffer();
    EXPECT_EQ(static_cast<const char*>(s), nullptr);
    EXPECT_EQ(s.Size(), 0u);
}

TEST(CStringTest, PlatformStrings) {
    CString fromPlatform(std::string("Zürich"));
    ExpectText(fromPlatform, "Zürich");

    CString fromNull(std::optional<std::string>{});
    EXPECT_EQ(static_cast<const char*>(fromNull), nullptr);

    CString s("old");
    s = std::optional<std::string>{};
    ExpectText(s, "");  // a null platform string assigns the empty text
    s = std::string("new");
    ExpectText(s, "new");
    s = std::optional<std::string>("opt");
    ExpectText(s, "opt");
}

TEST(CStringTest, PlusAppendsInPlace) {
    CString none;
    CString& result = none + "";
    EXPECT_EQ(&result, &none);
    EXPECT_EQ(static_cast<const char*>(none), nullptr);

    none + "abc";
    ExpectText(none, "abc");
    none + "def" + "g";
    ExpectText(none, "abcdefg");
    none + static_cast<const char*>(nullptr);
    ExpectText(none, "abcdefg");
}

TEST(CStringTest, ReplaceChangesOnlyTheFirstOccurrence) {
    CString s("a-b-c");
    s.Replace("-", "+-+");
    ExpectText(s, "a+-+b-c");

    s.Replace("zz", "y");
    ExpectText(s, "a+-+b-c");

    CString t("*PageSize");
    t.Replace("*Page", "");
    ExpectText(t, "Size");
    t.Replace("Size", "Region");
    ExpectText(t, "Region");

    CString self("ab");
    self.Replace("a", self);  // the replacement may be the string itself
    ExpectText(self, "abb");
}

TEST(CStringTest, RemoveAndInsertAtAPosition) {
    CString s("abcdef");
    s.Remove(static_cast<const char*>(s) + 1, 2);
    ExpectText(s, "adef");
    s.Remove(static_cast<const char*>(s) + 2, 50);  // more than there is stops at the end
    ExpectText(s, "ad");

    s.Insert(static_cast<const char*>(s) + 1, "bc");
    ExpectText(s, "abcd");
    s.Insert(static_cast<const char*>(s) + s.Size(), "ef");
    ExpectText(s, "abcdef");
    s.Insert(static_cast<const char*>(s), "");
    ExpectText(s, "abcdef");

    const char* elsewhere = "other";
    s.Remove(elsewhere, 1);
    s.Insert(elsewhere, "x");
    ExpectText(s, "abcdef");

    CString none;
    none.Insert(nullptr, "x");
    EXPECT_EQ(static_cast<const char*>(none), nullptr);
}

TEST(CStringTest, EqualityAndCaseInsensitiveContains) {
    CString s("printer abc queue");
    EXPECT_TRUE(s == "printer abc queue");
    EXPECT_FALSE(s == "printer abc");
    EXPECT_TRUE(s == CString("printer abc queue"));

    EXPECT_TRUE(s.Contains("ABC"));
    EXPECT_TRUE(CString("ABC").Contains("b"));
    EXPECT_FALSE(s.Contains("abd"));
    EXPECT_FALSE(s.Contains(nullptr));
    EXPECT_FALSE(CString().Contains("a"));
}

}  // namespace
