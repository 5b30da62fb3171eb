#include "support/StringUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(StringUtilsTest, ConversionsAndSearch) {
  unsigned char p[256];
  char c[256];
  ctoPStr("tray", p);
  ptoCStr(p, c);
  EXPECT_STREQ(c, "tray");
  ctoPStr(std::string(400, 'k').c_str(), p);
  EXPECT_EQ(p[0], 255);

  EXPECT_EQ(findChar(c, 'a'), c + 2);
  EXPECT_EQ(findChar(c, '?'), nullptr);
  EXPECT_EQ(findChar("", 'a'), nullptr);

  std::unique_ptr<char[]> stars(newInitalizedCString(4, '*'));
  EXPECT_STREQ(stars.get(), "****");
}

TEST(StringUtilsTest, DeleteRangeAndValidateDigitRuns) {
  char text[] = "0123456789";
  deleteCharRangeInStr(text, 2, 5);
  EXPECT_STREQ(text, "0156789");
  deleteCharRangeInStr(text, 5, 100);  // an end past the text stops there
  deleteCharRangeInStr(text, 9, 12);
  deleteCharRangeInStr(text, -1, 2);
  EXPECT_STREQ(text, "01567");
  EXPECT_TRUE(validateRangeValues("", 2));
  EXPECT_TRUE(validateRangeValues("1-12,5", 2));
  EXPECT_FALSE(validateRangeValues("1-123", 2));
  EXPECT_TRUE(validateRangeValues("1-123", 3));
}

}  // namespace
