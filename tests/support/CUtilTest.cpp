#include "support/CUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A 256-byte length-prefixed buffer holding `text`.
struct PStr {
    unsigned char bytes[256] = {};
    explicit PStr(const std::string& text = "") {
        bytes[0] = static_cast<unsigned char>(text.size());
        std::memcpy(bytes + 1, text.data(), text.size());
    }
    std::string Text() const { return std::string(reinterpret_cast<const char*>(bytes + 1), bytes[0]); }
};

TEST(CUtilPStrTest, CpyPStrLimitsTheLength) {
    PStr src("abcdef"), dst;
    CUtil::CpyPStr(dst.bytes, src.bytes, 4);
    EXPECT_EQ(dst.Text(), "abcd");
    CUtil::CpyPStr(dst.bytes, src.bytes, 255);
    EXPECT_EQ(dst.Text(), "abcdef");
    CUtil::CpyPStr(dst.bytes, nullptr, 255);
    EXPECT_EQ(dst.Text(), "abcdef");
}

TEST(CUtilPStrTest, AppendPStrKeepsBelowMax) {
    PStr dst("123456"), src("abcdef");
    CUtil::AppendPStr(dst.bytes, src.bytes, 10);
    EXPECT_EQ(dst.Text(), "123456abc");

    CUtil::AppendPStr(dst.bytes, src.bytes, 10);  // already full
    EXPECT_EQ(dst.Text(), "123456abc");

    PStr small("ab");
    CUtil::AppendPStr(small.bytes, src.bytes, 256);
    EXPECT_EQ(small.Text(), "ababcdef");

    PStr full(std::string(250, 'x'));
    CUtil::AppendPStr(full.bytes, src.bytes, 1000);  // never beyond one length byte
    EXPECT_EQ(full.Text(), std::string(250, 'x') + "abcde");
}

TEST(CUtilPStrTest, CToPStrConvertsInPlaceUpTo255) {
    char empty[4] = "";
    CUtil::CToPStr(empty);
    EXPECT_EQ(empty[0], 0);

    char word[16] = "hello";
    const unsigned char* p = CUtil::CToPStr(word);
    EXPECT_EQ(p[0], 5);
    EXPECT_EQ(std::memcmp(p + 1, "hello", 5), 0);
    EXPECT_STREQ(CUtil::PToCStr(reinterpret_cast<unsigned char*>(word)), "hello");

    std::string longest(255, 'q');
    std::vector<char> buffer(longest.begin(), longest.end());
    buffer.push_back('\0');
    CUtil::CToPStr(buffer.data());
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 255);

    std::string tooLong(300, 'z');
    std::vector<char> unchanged(tooLong.begin(), tooLong.end());
    unchanged.push_back('\0');
    CUtil::CToPStr(unchanged.data());
    EXPECT_EQ(std::string(unchanged.data()), tooLong);
    EXPECT_EQ(CUtil::CToPStr(nullptr), nullptr);
}

TEST(CUtilPStrTest, CpyCToPStrClampsToTheScratchBuffer) {
    PStr dst;
    CUtil::CpyCToPStr(dst.bytes, "abcdef", 3);
    EXPECT_EQ(dst.Text(), "abc");

    const std::string tooLong(300, 'w');
    CUtil::CpyCToPStr(dst.bytes, tooLong.c_str(), 1000);
    EXPECT_EQ(dst.Text(), std::string(255, 'w'));

    testing::internal::CaptureStdout();
    CUtil::CpyCToPStr(dst.bytes, nullptr, 10);
    CUtil::CpyPToCStr(nullptr, dst.bytes);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ErrErr");
}

TEST(CUtilPStrTest, CpyPToCStrTerminates) {
    PStr src("abcdef");
    char dst[256];
    std::memset(dst, 'x', sizeof dst);
    CUtil::CpyPToCStr(dst, src.bytes);
    EXPECT_STREQ(dst, "abcdef");
    CUtil::CpyPToCStr(dst, src.bytes, 2);
    EXPECT_STREQ(dst, "ab");
}

TEST(CUtilPStrTest, CompareOrdersByText) {
    PStr a("abc"), b("abd"), prefix("ab"), same("abc");
    EXPECT_LT(CUtil::Compare(a.bytes, b.bytes), 0);
    EXPECT_GT(CUtil::Compare(b.bytes, a.bytes), 0);
    EXPECT_GT(CUtil::Compare(a.bytes, prefix.bytes), 0);
    EXPECT_LT(CUtil::Compare(prefix.bytes, a.bytes), 0);
    EXPECT_EQ(CUtil::Compare(a.bytes, same.bytes), 0);
    // Bytes after the length do not take part.
    a.bytes[5] = 'z';
    EXPECT_EQ(CUtil::Compare(a.bytes, same.bytes), 0);
}

TEST(CUtilCStrTest, CpyNTermAlwaysTerminates) {
    char dst[8];
    std::memset(dst, 'x', sizeof dst);
    CUtil::CpyNTerm(dst, "abcdefgh", 3);
    EXPECT_STREQ(dst, "abc");

    CUtil::CpyNTerm(dst, sizeof dst, "abcdefghij", 10);
    EXPECT_STREQ(dst, "abcdefg");
    CUtil::CpyNTerm(dst, sizeof dst, "abcdef", 2);
    EXPECT_STREQ(dst, "ab");
    CUtil::CpyNTerm(dst, sizeof dst, "ab", 6);  // stops at the source's end
    EXPECT_STREQ(dst, "ab");
}

TEST(CUtilTest, MinMax) {
    EXPECT_EQ(CUtil::Min(-3, 2), -3);
    EXPECT_EQ(CUtil::Max(-3, 2), 2);
}

TEST(CUtilTest, HexDumpRows) {
    const char data[] = "ABCDEFGHIJKLMNOP\x01Z";
    testing::internal::CaptureStdout();
    CUtil::HexDump(data, 18);
    const std::string expected =
        "ABCDEFGHIJKLMNOP  4142434445464748494A4B4C4D4E4F50\n"
        ".Z                015A\n"
        "\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
}

}  // namespace
