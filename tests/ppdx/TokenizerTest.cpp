#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

// Successive NextToken calls on one line: each with its delimiters and strip flag, the token it
// stores and its result.
TEST_F(Tokenizer, NextTokenCutsAtDelimitersAndStrips) {
  struct Step {
    const char* delimiters;
    bool strip;
    const char* token;
    bool result;
  };
  const struct {
    const char* line;
    std::vector<Step> steps;
  } kCases[] = {
      {"*PageSize Letter/US Letter: \"code\"",
       {{kMainKeywordDelimiters, true, "*PageSize", true},
        {kOptionKeywordDelimiters, true, "Letter", true},
        {kTranslationStringDelimiters, false, "US Letter", true},
        {kEndofLineDelimiters, true, "\"code\"", true},
        {kEndofLineDelimiters, true, "", false}}},
      // A leading delimiter ends the token at once: empty and false.
      {" *Indented: x", {{kMainKeywordDelimiters, true, "", false}}},
      // The CR of a CR LF is dropped.
      {"value\r\nnext", {{nullptr, false, "value", true}, {nullptr, false, "next", true}}},
      // Stripping to nothing still counts as a token.
      {"   :rest", {{":", true, "", true}}},
  };
  for (const auto& c : kCases) {
    PPDStream line = Line(c.line);
    for (const Step& step : c.steps) {
      char token[kLineSizeLimit];
      EXPECT_EQ(PPDX::NextToken(line, token, step.delimiters, step.strip), step.result) << c.line;
      EXPECT_STREQ(token, step.token) << c.line;
    }
  }
  PPDStream line = Line("x");
  EXPECT_FALSE(PPDX::NextToken(line, nullptr, kMainKeywordDelimiters, true));
  EXPECT_EQ(line.PeekChar(), 'x');  // a null buffer reads nothing

  // A long token stops at 255 bytes.
  line = Line(std::string(300, 't'));
  char token[kLineSizeLimit + 8];
  std::memset(token, 0x5A, sizeof token);
  ASSERT_TRUE(PPDX::NextToken(line, token, nullptr, false));
  EXPECT_EQ(std::strlen(token), 255u);
  EXPECT_EQ(token[kLineSizeLimit], 0x5A);
  EXPECT_TRUE(line.Good());  // the rest stays for the next read
  EXPECT_EQ(line.PeekChar(), 't');
}

// Where each read leaves the line: the bytes after a token or code block stay for the next read,
// and only running out of bytes reports the end.
TEST_F(Tokenizer, ReadsLeaveTheRestOfTheLine) {
  char token[kLineSizeLimit];
  PPDStream crAtLimit = Line(std::string(254, 't') + "\r\nx");
  ASSERT_TRUE(PPDX::NextToken(crAtLimit, token, nullptr, false));
  EXPECT_EQ(std::string(token), std::string(254, 't') + "\r");  // the LF is past the limit
  EXPECT_EQ(crAtLimit.PeekChar(), '\n');

  PPDStream shortLine = Line("word");
  ASSERT_TRUE(PPDX::NextToken(shortLine, token, kMainKeywordDelimiters, true));
  EXPECT_TRUE(shortLine.EndOfFile());

  PPDStream code = Line("*Code: \"abc\" rest");
  char out[kPostScriptSizeLimit];
  EXPECT_EQ(mPPD.GetPostscriptString(code, out, kPostScriptSizeLimit), 4u);
  EXPECT_TRUE(code.Good());
  EXPECT_EQ(code.PeekChar(), ' ');
  PPDStream cut = Line("*Code: \"abcdefgh\"");
  EXPECT_EQ(mPPD.GetPostscriptString(cut, out, 4), 4u);
  EXPECT_EQ(std::string(out, 4), "abc\n");
  EXPECT_EQ(cut.PeekChar(), 'd');
}

// A quoted value on its line or over the following lines of the file: the bytes stored (lines
// joined by NUL separators), the result, and the file line read next.
TEST_F(Tokenizer, QuotedValuesOnOneOrSeveralLines) {
  using namespace std::string_literals;
  const struct {
    const char* line;
    const char* following;
    std::string value;
    unsigned long result;
    const char* next;
  } kCases[] = {
      {"*DefaultPageSize: \"Letter\"", "", "Letter", 7, ""},
      {"*Nothing: \"\"", "", "", 0, ""},
      {"*Bare: value", "", "", 0, ""},
      {"*Multi: \"first", "second line\n\nthird\" tail\n*Next: 1\n", "first\0second line\0third"s,
       24, "*Next: 1"},
      // A keyword line ends the value and is consumed with it.
      {"*Open: \"unterminated", "*NewKeyword: x\n*After: y\n", "unterminated\0"s, 13, "*After: y"},
      {"*Open: \"never", "no closing quote\n", "never", 0, ""},
  };
  for (const auto& c : kCases) {
    Continue(c.following);
    PPDStream line = Line(c.line);
    char value[kLineSizeLimit];
    EXPECT_EQ(mPPD.GetQuotedString(line, value, kLineSizeLimit), c.result) << c.line;
    EXPECT_EQ(std::string(value, c.value.size() + 1), c.value + '\0') << c.line;
    EXPECT_EQ(NextFileLine(), c.next) << c.line;
  }
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

// PostScript code on its line or over the following lines of the file: the code (each line ends
// with a line feed) and the file line read next.
TEST_F(Tokenizer, PostScriptOnOneOrSeveralLines) {
  const struct {
    const char* line;
    const char* following;
    const char* code;
    const char* next;
  } kCases[] = {
      {"*PageSize Letter/US Letter: \"<</PageSize [612 792]>>setpagedevice\"", "",
       "<</PageSize [612 792]>>setpagedevice\n", ""},
      {"*Empty: \"\"", "", "", ""},
      // Empty lines are skipped; a comment line continues the code without its "*%".
      {"*Code: \"line one", "line two\n\n*%comment line\nend\" rest\n*Next: 1\n",
       "line one\nline two\ncomment line\nend\n", "*Next: 1"},
      // A keyword line ends the code with two line feeds and is consumed with it.
      {"*Code: \"head", "body\n*Other: x\n*After: y\n", "head\nbody\n\n", "*After: y"},
  };
  for (const auto& c : kCases) {
    Continue(c.following);
    PPDStream line = Line(c.line);
    char out[kPostScriptSizeLimit];
    unsigned long length = mPPD.GetPostscriptString(line, out, kPostScriptSizeLimit);
    EXPECT_EQ(std::string(out, length), c.code) << c.line;
    EXPECT_EQ(NextFileLine(), c.next) << c.line;
  }
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
