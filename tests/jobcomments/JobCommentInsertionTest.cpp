// Where the comment lines land in a job, and which lines a comment file gives in which order.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "JobCommentInsertion.h"
#include "JobCommentReader.h"
#include "platform/PropertyList.h"

namespace {

const std::vector<std::string> kLines = {"%%CORVEL: DocOwner Ann\n",
                                         "%%KTVPrintTime: 1234567890\n"};
const std::string kInserted = kLines[0] + kLines[1];

struct InsertionCase {
  const char* name;
  std::string job;
  std::string expected;
  InsertionResult result = InsertionResult::Inserted;
};

// The job after CopyJobWithComments, and its result.
std::pair<std::string, InsertionResult> Filtered(const std::string& job) {
  FILE* in = fmemopen(const_cast<char*>(job.data()), job.size(), "rb");
  char* buffer = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&buffer, &size);
  const InsertionResult result = CopyJobWithComments(in, out, kLines);
  fclose(in);
  fclose(out);
  std::string text(buffer, size);
  free(buffer);
  return {text, result};
}

TEST(JobCommentInsertion, LinesGoWhereTheHeaderEnds) {
  const std::string longTitle = "%%Title: " + std::string(3000, 'x') + "\n";
  const std::string binary("\0\xff\x1b%%EndComments\r\n\0", 19);
  const InsertionCase cases[] = {
      {"header ending in EndComments",
       "%!PS-Adobe-3.0\n%%Title: t\n%%EndComments\n%%Page: 1 1\nshowpage\n",
       "%!PS-Adobe-3.0\n%%Title: t\n%%EndComments\n" + kInserted + "%%Page: 1 1\nshowpage\n"},
      {"header without EndComments", "%!PS-Adobe-3.0\n%%Title: t\n%RBINumCopies: 1\n%%Pages: 1\n",
       "%!PS-Adobe-3.0\n%%Title: t\n" + kInserted + "%RBINumCopies: 1\n%%Pages: 1\n"},
      {"no header comments", "%!PS\nshowpage\n", "%!PS\n" + kInserted + "showpage\n"},
      {"CR LF lines", "%!PS-Adobe-3.0\r\n%%Title: t\r\n%%EndComments\r\nshowpage\r\n",
       "%!PS-Adobe-3.0\r\n%%Title: t\r\n%%EndComments\r\n" + kInserted + "showpage\r\n"},
      {"CR lines", "%!PS\r%%EndComments\rshowpage\r",
       "%!PS\r%%EndComments\r" + kInserted + "showpage\r"},
      {"header line longer than a buffer", "%!PS\n" + longTitle + "%%EndComments\nx",
       "%!PS\n" + longTitle + "%%EndComments\n" + kInserted + "x"},
      {"binary body", "%!PS\n%%EndComments\n" + binary,
       "%!PS\n%%EndComments\n" + kInserted + binary},
      {"job that is only its first line", "%!PS", "%!PS\n" + kInserted},
      {"empty job", "", "", InsertionResult::NotPostScript},
      {"PJL before the PostScript", "\x1b%-12345X@PJL\n%!PS\n%%EndComments\n",
       "\x1b%-12345X@PJL\n%!PS\n%%EndComments\n", InsertionResult::NotPostScript},
      {"percent without bang", "%%EndComments\n" + binary, "%%EndComments\n" + binary,
       InsertionResult::NotPostScript},
  };
  for (const InsertionCase& c : cases) {
    const auto [output, result] = Filtered(c.job);
    EXPECT_EQ(output, c.expected) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

std::string CommentFile(const PlistValue::Array& entries) {
  return PropertyListToXML(PlistValue(entries));
}

PlistValue::Data Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(JobCommentFile, GivesUserDataLinesBeforeThePrintTimeEachEndingInALineFeed) {
  struct Case {
    const char* name;
    PlistValue::Array entries;
    std::vector<std::string> lines;
  } cases[] = {
      {"print time first in the file",
       {81, Bytes("%%KTVPrintTime: 1\n"), 30, Bytes("%%CORVEL: DocOwner A\n"), 30,
        Bytes("%%CORVEL: Password B\n")},
       {"%%CORVEL: DocOwner A\n", "%%CORVEL: Password B\n", "%%KTVPrintTime: 1\n"}},
      {"line without its line feed",
       {30, Bytes("%%CORVEL: DocOwner A")},
       {"%%CORVEL: DocOwner A\n"}},
      {"line ending in CR LF",
       {30, Bytes("%%CORVEL: DocOwner A\r\n")},
       {"%%CORVEL: DocOwner A\r\n"}},
      {"no lines", {}, {}},
  };
  for (const Case& c : cases) {
    const JobCommentLines read = ParseJobComments(CommentFile(c.entries));
    EXPECT_TRUE(read.ok) << c.name << ": " << read.problem;
    EXPECT_EQ(read.lines, c.lines) << c.name;
  }
}

}  // namespace
