#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#include "support/Logging.h"

namespace {

// Formats into a buffer of `size` bytes and checks the returned count against the text.
std::string FormatSized(unsigned long size, const char* format, ...) {
    char buffer[512];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    va_list arguments;
    va_start(arguments, format);
    const unsigned long written = DoPrint(buffer, size, format, arguments);
    va_end(arguments);
    EXPECT_EQ(written, std::strlen(buffer));
    EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
    return buffer;
}

template <class... Args>
std::string Format(const char* format, Args... args) {
    return FormatSized(256, format, args...);
}

TEST(DoPrintTest, NumbersInEachBase) {
    EXPECT_EQ(Format("%d|%d|%d", 0, 42, -42), "0|42|-42");
    EXPECT_EQ(Format("%d", INT32_MIN), "-2147483648");
    EXPECT_EQ(Format("%u", 4294967295u), "4294967295");
    EXPECT_EQ(Format("%X %x", 255, 255), "FF ff");
    EXPECT_EQ(Format("%b %o", 5, 8), "101 10");
    EXPECT_EQ(Format("%x", -1), "ffffffff");
    EXPECT_EQ(Format("%ld %lX", 123456L, 0xABCL), "123456 ABC");
    EXPECT_EQ(Format("%ld", -7L), "-7");
}

TEST(DoPrintTest, RightLeftAndZeroPadding) {
    EXPECT_EQ(Format("[%5d]", -42), "[  -42]");
    EXPECT_EQ(Format("[%05d]", -42), "[-0042]");
    EXPECT_EQ(Format("[%05d]", 42), "[00042]");
    EXPECT_EQ(Format("[%-5d]", 7), "[7    ]");
    EXPECT_EQ(Format("[%-05d]", 7), "[7    ]");  // zeros after a number would change it
    EXPECT_EQ(Format("[%2d]", 12345), "[12345]");
    EXPECT_EQ(Format("[%*d]", 4, 3), "[   3]");
    EXPECT_EQ(Format("[%04X]", 0xA), "[000A]");
}

TEST(DoPrintTest, Centring) {
    EXPECT_EQ(Format("[%|6s]", "ab"), "[  ab  ]");
    EXPECT_EQ(Format("[%|7s]", "ab"), "[  ab   ]");
    EXPECT_EQ(Format("[%|5d]", 1), "[  1  ]");
    EXPECT_EQ(Format("[%|1s]", "abc"), "[abc]");
}

TEST(DoPrintTest, StringsAndCharacters) {
    EXPECT_EQ(Format("%.2s", "abcdef"), "ab");
    EXPECT_EQ(Format("%.*s|%s", 3, "abcdef", "x"), "abc|x");
    EXPECT_EQ(Format("%s", static_cast<const char*>(nullptr)), "<NULL>");
    EXPECT_EQ(Format("[%-4s]", "ab"), "[ab  ]");
    EXPECT_EQ(Format("%c%c", 'o', 0x100 | 'k'), "ok");
    EXPECT_EQ(Format("[%c]", 0), "[\\0]");
}

TEST(DoPrintTest, OtherConversionsWriteThemselves) {
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%q%3z"), "q  z");
    EXPECT_EQ(Format("trailing %"), "trailing ");
    EXPECT_EQ(Format("no conversions"), "no conversions");
}

TEST(DoPrintTest, FullBufferDropsTheRest) {
    EXPECT_EQ(FormatSized(6, "%s", "abcdefgh"), "abcde");
    EXPECT_EQ(FormatSized(6, "ab%10d", 5), "ab   ");
    EXPECT_EQ(FormatSized(4, "%-10s|%d", "x", 1), "x  ");
    EXPECT_EQ(FormatSized(1, "abc"), "");
    EXPECT_EQ(FormatSized(256, "%999999999d", 1).size(), 255u);  // a huge width is cut short
}

TEST(DoPrintTest, ZeroSizeOrNullBufferWritesNothing) {
    char untouched = '#';
    va_list none{};
    EXPECT_EQ(DoPrint(&untouched, 0, "abc", none), 0u);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(DoPrint(nullptr, 10, "abc", none), 0u);
}

TEST(LtosTest, BasesAndSigns) {
    char buffer[40];
    char* end = ltos(255, buffer, 16, 1);
    EXPECT_STREQ(buffer, "FF");
    EXPECT_EQ(end, buffer + 2);
    ltos(255, buffer, 16, 0);
    EXPECT_STREQ(buffer, "ff");
    ltos(static_cast<unsigned long>(-15L), buffer, 10, 0);
    EXPECT_STREQ(buffer, "-15");
    ltos(6, buffer, 2, 0);
    EXPECT_STREQ(buffer, "110");
    ltos(0, buffer, 8, 0);
    EXPECT_STREQ(buffer, "0");
    ltos(0xFFFFFFFFul, buffer, 16, 1);
    EXPECT_STREQ(buffer, "FFFFFFFF");
}

TEST(LtosTest, InvalidBaseWritesNothing) {
    char buffer[8] = "keep";
    EXPECT_EQ(ltos(5, buffer, 1, 0), nullptr);
    EXPECT_EQ(ltos(5, buffer, 17, 0), nullptr);
    EXPECT_STREQ(buffer, "keep");
}

}  // namespace
