#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "PPDXTestSupport.h"
#include "ppdx/stream/PPDFileStream.h"

namespace {

// A PPDX reading its continuation lines from a file with the given text after the first line.
class Tokenizer : public ::testing::Test {
 protected:
  void Continue(const std::string& following) {
    mFile = std::make_unique<TempFile>(following);
    mPPDFile = std::make_unique<PPDFile>(mFile->Path());
    mStream = std::make_unique<PPDFileStream>(mPPDFile.get(), true);
    mPPD.UseStream(mStream.get());
  }
  PPDStream Line(const std::string& text) {
    mLine = text;
    return PPDStream(mLine.data(), long(mLine.size()));
  }
  std::string NextFileLine() {
    char line[kLineSizeLimit];
    mStream->GetLine(line);
    return line;
  }
  void TearDown() override { mPPD.UseStream(nullptr); }

  TestPPDX mPPD;
  std::string mLine;
  std::unique_ptr<TempFile> mFile;
  std::unique_ptr<PPDFile> mPPDFile;
  std::unique_ptr<PPDFileStream> mStream;
};

TEST_F(Tokenizer, NextTokenCutsAtDelimitersAndStrips) {
  PPDStream line = Line("*PageSize Letter/US Letter: \"code\"");
  char token[kLineSizeLimit];
  ASSERT_TRUE(PPDX::NextToken(line, token, kMainKeywordDelimiters, true));
  EXPECT_STREQ(token, "*PageSize");
  ASSERT_TRUE(PPDX::NextToken(line, token, kOptionKeywordDelimiters, true));
  EXPECT_STREQ(token, "Letter");
  ASSERT_TRUE(PPDX::NextToken(line, token, kTranslationStringDelimiters, false));
  EXPECT_STREQ(token, "US Letter");
  ASSERT_TRUE(PPDX::NextToken(line, token, kEndofLineDelimiters, true));
  EXPECT_STREQ(token, "\"code\"");
  EXPECT_FALSE(PPDX::NextToken(line, token, kEndofLineDelimiters, true));
}

TEST_F(Tokenizer, LeadingDelimiterGivesAnEmptyToken) {
  PPDStream line = Line(" *Indented: x");
  char token[kLineSizeLimit];
  EXPECT_FALSE(PPDX::NextToken(line, token, kMainKeywordDelimiters, true));
  EXPECT_STREQ(token, "");
  EXPECT_FALSE(PPDX::NextToken(line, nullptr, kMainKeywordDelimiters, true));
}

TEST_F(Tokenizer, CarriageReturnBeforeLineFeedIsDropped) {
  PPDStream line = Line("value\r\nnext");
  char token[kLineSizeLimit];
  ASSERT_TRUE(PPDX::NextToken(line, token, nullptr, false));
  EXPECT_STREQ(token, "value");
  ASSERT_TRUE(PPDX::NextToken(line, token, nullptr, false));
  EXPECT_STREQ(token, "next");
}

TEST_F(Tokenizer, StrippingToNothingStillCountsAsAToken) {
  PPDStream line = Line("   :rest");
  char token[kLineSizeLimit];
  EXPECT_TRUE(PPDX::NextToken(line, token, ":", true));
  EXPECT_STREQ(token, "");
}

TEST_F(Tokenizer, LongTokenStopsAt255Bytes) {
  PPDStream line = Line(std::string(300, 't'));
  char token[kLineSizeLimit + 8];
  std::memset(token, 0x5A, sizeof token);
  ASSERT_TRUE(PPDX::NextToken(line, token, nullptr, false));
  EXPECT_EQ(std::strlen(token), 255u);
  EXPECT_EQ(token[kLineSizeLimit], 0x5A);
}

TEST_F(Tokenizer, QuotedValueOnOneLine) {
  char value[kLineSizeLimit];
  PPDStream letter = Line("*DefaultPageSize: \"Letter\"");
  EXPECT_EQ(mPPD.GetQuotedString(letter, value, kLineSizeLimit), 7u);
  EXPECT_STREQ(value, "Letter");
  PPDStream empty = Line("*Nothing: \"\"");
  EXPECT_EQ(mPPD.GetQuotedString(empty, value, kLineSizeLimit), 0u);
  PPDStream unquoted = Line("*Bare: value");
  EXPECT_EQ(mPPD.GetQuotedString(unquoted, value, kLineSizeLimit), 0u);
}

TEST_F(Tokenizer, QuotedValueContinuesOverLinesWithNulSeparators) {
  Continue("second line\n\nthird\" tail\n*Next: 1\n");
  PPDStream first = Line("*Multi: \"first");
  char value[kLineSizeLimit];
  unsigned long length = mPPD.GetQuotedString(first, value, kLineSizeLimit);
  const std::string expected("first\0second line\0third", 23);
  EXPECT_EQ(length, expected.size() + 1);
  EXPECT_EQ(std::string(value, length - 1), expected);
  EXPECT_STREQ(value, "first");  // read as a C string only the first line shows
  EXPECT_EQ(NextFileLine(), "*Next: 1");
}

TEST_F(Tokenizer, QuotedValueStopsAtAKeywordLine) {
  Continue("*NewKeyword: x\n*After: y\n");
  PPDStream first = Line("*Open: \"unterminated");
  char value[kLineSizeLimit];
  EXPECT_EQ(mPPD.GetQuotedString(first, value, kLineSizeLimit), 13u);  // text and separator
  EXPECT_STREQ(value, "unterminated");
  EXPECT_EQ(NextFileLine(), "*After: y");  // the keyword line was consumed
}

TEST_F(Tokenizer, QuotedValueWithoutEndIsZero) {
  Continue("no closing quote\n");
  PPDStream first = Line("*Open: \"never");
  char value[kLineSizeLimit];
  EXPECT_EQ(mPPD.GetQuotedString(first, value, kLineSizeLimit), 0u);
}

TEST_F(Tokenizer, QuotedValueIsCutAtTheLimit) {
  char value[kLineSizeLimit + 8];
  std::memset(value, 0x5A, sizeof value);
  PPDStream line = Line("*Long: \"" + std::string(300, 'v') + "\"");
  EXPECT_EQ(mPPD.GetQuotedString(line, value, kLineSizeLimit), 255u);
  EXPECT_EQ(std::strlen(value), 255u);
  EXPECT_EQ(value[kLineSizeLimit], 0x5A);

  std::memset(value, 0x5A, sizeof value);
  PPDStream one = Line("*One: \"v\"");
  EXPECT_EQ(mPPD.GetQuotedString(one, value, 1), 0u);  // room for the terminator only
  EXPECT_EQ(value[0], '\0');
  EXPECT_EQ(value[1], 0x5A);

  Continue(std::string(200, 'w') + "\n" + std::string(200, 'x') + "\"\n");
  std::memset(value, 0x5A, sizeof value);
  PPDStream spread = Line("*Spread: \"" + std::string(100, 'u'));
  EXPECT_EQ(mPPD.GetQuotedString(spread, value, kLineSizeLimit), 255u);
  EXPECT_EQ(value[255], '\0');
  EXPECT_EQ(value[kLineSizeLimit], 0x5A);
}

TEST_F(Tokenizer, PostScriptOnOneLineEndsWithALineFeed) {
  const std::string code = "<</PageSize [612 792]>>setpagedevi";  // 34 bytes
  const std::string code35 = code + "c";
  PPDStream line = Line("*PageSize Letter/US Letter: \"" + code35 + "\"");
  char out[kPostScriptSizeLimit];
  unsigned long length = mPPD.GetPostscriptString(line, out, kPostScriptSizeLimit);
  EXPECT_EQ(length, 36u);
  EXPECT_EQ(std::string(out, length), code35 + "\n");
  PPDStream empty = Line("*Empty: \"\"");
  EXPECT_EQ(mPPD.GetPostscriptString(empty, out, kPostScriptSizeLimit), 0u);
}

TEST_F(Tokenizer, PostScriptOverLinesKeepsCommentContinuations) {
  Continue("line two\n\n*%comment line\nend\" rest\n*Next: 1\n");
  PPDStream line = Line("*Code: \"line one");
  char out[kPostScriptSizeLimit];
  unsigned long length = mPPD.GetPostscriptString(line, out, kPostScriptSizeLimit);
  EXPECT_EQ(std::string(out, length), "line one\nline two\ncomment line\nend\n");
  EXPECT_EQ(NextFileLine(), "*Next: 1");
}

TEST_F(Tokenizer, PostScriptEndsAtAKeywordLineWithTwoLineFeeds) {
  Continue("body\n*Other: x\n*After: y\n");
  PPDStream line = Line("*Code: \"head");
  char out[kPostScriptSizeLimit];
  unsigned long length = mPPD.GetPostscriptString(line, out, kPostScriptSizeLimit);
  EXPECT_EQ(std::string(out, length), "head\nbody\n\n");
  EXPECT_EQ(NextFileLine(), "*After: y");
}

TEST_F(Tokenizer, PostScriptIsCutAt4096WithAFinalLineFeed) {
  std::string following;
  for (int i = 0; i < 40; ++i) following += std::string(200, char('a' + i % 26)) + "\n";
  following += "\"\n";
  Continue(following);
  std::vector<char> out(kPostScriptSizeLimit + 16, 0x5A);
  PPDStream line = Line("*Big: \"start");
  unsigned long length = mPPD.GetPostscriptString(line, out.data(), kPostScriptSizeLimit);
  EXPECT_EQ(length, static_cast<unsigned long>(kPostScriptSizeLimit));
  EXPECT_EQ(out[kPostScriptSizeLimit - 1], '\n');
  EXPECT_EQ(out[kPostScriptSizeLimit], 0x5A);
}

TEST(TokenizerText, StrippingAndKeywordTranslation) {
  char text[32] = " \t value \t";
  PPDX::StripLeadingWhiteSpace(text);
  EXPECT_STREQ(text, "value \t");
  PPDX::StripTrailingWhiteSpace(text);
  EXPECT_STREQ(text, "value");
  char blank[8] = " \t ";
  PPDX::StripLeadingWhiteSpace(blank);
  EXPECT_STREQ(blank, "");

  char out[kLineSizeLimit];
  PPDX::ParseMainKeyword("PageSize/Page Size", out);
  EXPECT_STREQ(out, "Page Size");
  PPDX::ParseMainKeyword("PageSize", out);
  EXPECT_STREQ(out, "");
}

}  // namespace
