#include <gtest/gtest.h>

#include <string>

#include "ppdx/stream/BoyerMoore.h"

namespace {

long Find(const std::string& data, const std::string& pattern, long start = 0) {
  BoyerMoore searcher;
  searcher.SetSearchData(const_cast<char*>(data.data()), long(data.size()));
  return searcher.Search(start, pattern.data(), short(pattern.size()));
}

TEST(BoyerMoore, FindsTheWholePatternFromTheStartOffset) {
  const std::string head = "*PPD-Adobe: \"4.3\"\n*PCFileName: \"CRVMTQIX.PPD\"\n";
  const struct {
    std::string data;
    const char* pattern;
    long start;
    long expected;  // relative to start; -1 for no match
  } kCases[] = {
      {head, "*PCFileName", 0, 18},
      {head, "CRVMTQIX.PPD", 0, 32},
      {head, "*Missing", 0, -1},
      // Every byte but the first matches: only a whole-pattern compare rejects it.
      {"XPCFileName", "*PCFileName", 0, -1},
      {"XPCFileName *PCFileName", "*PCFileName", 0, 12},
      {"abcabcabc", "abc", 1, 2},
      {"abcabcabc", "abc", 9, -1},
      {"abcabcabc", "abc", 20, -1},
      {"ab", "abcdef", 0, -1},
      {"xyz", "z", 0, 2},
      {"xyz", "q", 0, -1},
      {"xyz", "", 0, -1},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Find(c.data, c.pattern, c.start), c.expected) << c.data << " / " << c.pattern;
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
