#include <gtest/gtest.h>

#include <string>

#include "ppdx/stream/BoyerMoore.h"

namespace {

long Find(const std::string& data, const std::string& pattern, long start = 0) {
  BoyerMoore searcher;
  searcher.SetSearchData(const_cast<char*>(data.data()), long(data.size()));
  return searcher.Search(start, pattern.data(), short(pattern.size()));
}

TEST(BoyerMoore, FindsTheWholePattern) {
  const std::string head = "*PPD-Adobe: \"4.3\"\n*PCFileName: \"CRVMTQIX.PPD\"\n";
  EXPECT_EQ(Find(head, "*PCFileName"), 18);
  EXPECT_EQ(Find(head, "CRVMTQIX.PPD"), 32);
  EXPECT_EQ(Find(head, "*Missing"), -1);
}

TEST(BoyerMoore, AMismatchInTheFirstByteIsNoMatch) {
  // Every byte but the first matches: only a whole-pattern compare rejects it.
  EXPECT_EQ(Find("XPCFileName", "*PCFileName"), -1);
  EXPECT_EQ(Find("XPCFileName *PCFileName", "*PCFileName"), 12);
}

TEST(BoyerMoore, OffsetIsRelativeToTheStart) {
  const std::string data = "abcabcabc";
  EXPECT_EQ(Find(data, "abc", 0), 0);
  EXPECT_EQ(Find(data, "abc", 1), 2);
  EXPECT_EQ(Find(data, "abc", 9), -1);
  EXPECT_EQ(Find(data, "abc", 20), -1);
}

TEST(BoyerMoore, ShortDataAndShortPatterns) {
  EXPECT_EQ(Find("ab", "abcdef"), -1);
  EXPECT_EQ(Find("xyz", "z"), 2);
  EXPECT_EQ(Find("xyz", "q"), -1);
  EXPECT_EQ(Find("xyz", ""), -1);
}

TEST(BoyerMoore, LengthPrefixedPatternAndItsCopy) {
  BoyerMoore searcher;
  std::string data = "file MTQIX.PPD here";
  unsigned char pattern[] = "\x09MTQIX.PPD";
  searcher.SetSearchData(data.data(), long(data.size()));
  EXPECT_EQ(searcher.Search(0, pattern), 5);
  char copy[256];
  searcher.GetSearchString(copy);
  EXPECT_STREQ(copy, "MTQIX.PPD");
  EXPECT_EQ(searcher.GetSearchStringLength(), 9);
}

}  // namespace
