// The C and length-prefixed string helpers.
#include "support/CUtil.h"
#include "support/StringUtils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// A 256-byte length-prefixed buffer.
struct PStr {
  unsigned char bytes[256] = {};
  explicit PStr(const std::string& text = "") {
    bytes[0] = static_cast<unsigned char>(text.size());
    std::memcpy(bytes + 1, text.data(), text.size());
  }
  std::string Text() const {
    return std::string(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
  }
};

TEST(CUtilTest, CopyAndAppendLimits) {
  PStr src("abcdef"), dst;
  CUtil::CpyPStr(dst.bytes, src.bytes, 4);
  EXPECT_EQ(dst.Text(), "abcd");

  PStr six("123456");
  CUtil::AppendPStr(six.bytes, src.bytes, 10);
  EXPECT_EQ(six.Text(), "123456abc");
  CUtil::AppendPStr(six.bytes, src.bytes, 10);  // already full
  EXPECT_EQ(six.Text(), "123456abc");
  PStr nearlyFull(std::string(250, 'x'));
  CUtil::AppendPStr(nearlyFull.bytes, src.bytes, 1000);  // never beyond one length byte
  EXPECT_EQ(nearlyFull.bytes[0], 255);

  char c[256];
  CUtil::CpyPToCStr(c, src.bytes, 2);
  EXPECT_STREQ(c, "ab");
}

TEST(CUtilTest, InPlaceConversions) {
  char empty[4] = "";
  CUtil::CToPStr(empty);
  EXPECT_EQ(empty[0], 0);

  char word[16] = "hello";
  EXPECT_EQ(CUtil::CToPStr(word)[0], 5);
  EXPECT_STREQ(CUtil::PToCStr(reinterpret_cast<unsigned char*>(word)), "hello");

  std::string tooLong(300, 'z');
  CUtil::CToPStr(tooLong.data());
  EXPECT_EQ(tooLong, std::string(300, 'z'));
}

TEST(CUtilTest, CpyCToPStrClampsToTheScratchBuffer) {
  PStr dst;
  CUtil::CpyCToPStr(dst.bytes, "abcdef", 3);
  EXPECT_EQ(dst.Text(), "abc");
  CUtil::CpyCToPStr(dst.bytes, std::string(300, 'w').c_str(), 1000);
  EXPECT_EQ(dst.Text(), std::string(255, 'w'));

  testing::internal::CaptureStdout();
  CUtil::CpyCToPStr(dst.bytes, nullptr, 10);
  CUtil::CpyPToCStr(nullptr, dst.bytes);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ErrErr");
}

TEST(CUtilTest, CompareOrdersByTextOnly) {
  PStr a("abc"), b("abd"), prefix("ab"), same("abc");
  EXPECT_LT(CUtil::Compare(a.bytes, b.bytes), 0);
  EXPECT_GT(CUtil::Compare(a.bytes, prefix.bytes), 0);
  same.bytes[5] = 'z';  // bytes after the length do not count
  EXPECT_EQ(CUtil::Compare(a.bytes, same.bytes), 0);
}

TEST(CUtilTest, CpyNTermAlwaysTerminates) {
  char dst[8];
  CUtil::CpyNTerm(dst, "abcdefgh", 3);
  EXPECT_STREQ(dst, "abc");
  CUtil::CpyNTerm(dst, sizeof dst, "abcdefghij", 10);
  EXPECT_STREQ(dst, "abcdefg");
}

TEST(CUtilTest, HexDumpPadsTheLastRow) {
  testing::internal::CaptureStdout();
  CUtil::HexDump("ABCDEFGHIJKLMNOP\x01Z", 18);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "ABCDEFGHIJKLMNOP  4142434445464748494A4B4C4D4E4F50\n"
            ".Z                015A\n\n");
}

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
