#include "support/StringUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(StringUtilsTest, LengthPrefixedConversionsUseSeparateBuffers) {
    unsigned char p[256] = {};
    ctoPStr("tray", p);
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(p + 1), 4), "tray");

    char c[256];
    ptoCStr(p, c);
    EXPECT_STREQ(c, "tray");

    const std::string tooLong(400, 'k');
    ctoPStr(tooLong.c_str(), p);
    EXPECT_EQ(p[0], 255);
}

TEST(StringUtilsTest, FindChar) {
    char text[] = "a=b";
    EXPECT_EQ(findChar(text, '='), text + 1);
    EXPECT_EQ(findChar(text, '?'), nullptr);
    EXPECT_EQ(findChar("", 'a'), nullptr);
    EXPECT_EQ(findChar(static_cast<const char*>(nullptr), 'a'), nullptr);
}

TEST(StringUtilsTest, NewInitializedCString) {
    std::unique_ptr<char[]> text(newInitalizedCString(4, '*'));
    EXPECT_STREQ(text.get(), "****");
    std::unique_ptr<char[]> empty(newInitalizedCString(0, '*'));
    EXPECT_STREQ(empty.get(), "");
    EXPECT_EQ(newInitalizedCString(-1, '*'), nullptr);
}

TEST(StringUtilsTest, DeleteCharRange) {
    char text[] = "0123456789";
    deleteCharRangeInStr(text, 2, 5);
    EXPECT_STREQ(text, "0156789");
    deleteCharRangeInStr(text, 5, 100);  // an end past the text stops there
    EXPECT_STREQ(text, "01567");
    deleteCharRangeInStr(text, 3, 3);
    deleteCharRangeInStr(text, 9, 12);
    deleteCharRangeInStr(text, -1, 2);
    EXPECT_STREQ(text, "01567");
}

TEST(StringUtilsTest, ValidateRangeValuesLimitsDigitRuns) {
    EXPECT_TRUE(validateRangeValues("", 2));
    EXPECT_TRUE(validateRangeValues("1-12,5", 2));
    EXPECT_FALSE(validateRangeValues("1-123", 2));
    EXPECT_TRUE(validateRangeValues("1-123", 3));
    EXPECT_FALSE(validateRangeValues("0", 0));
}

}  // namespace
