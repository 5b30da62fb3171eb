#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "PPDXTestSupport.h"
#include "ppdx/errors/PPDXErrorObj.h"
#include "ppdx/stream/PPDFile.h"
#include "ppdx/stream/PPDFileStream.h"
#include "ppdx/stream/PPDStream.h"

namespace {

struct Line {
  std::string text;
  bool terminated;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
  return out << "\"" << line.text << "\"" << (line.terminated ? "" : " (unterminated)");
}

Line NextLine(PPDStream& stream) {
  char buffer[kLineSizeLimit + 16];
  std::memset(buffer, 0x5A, sizeof buffer);
  bool terminated = stream.GetLine(buffer);
  EXPECT_EQ(buffer[kLineSizeLimit], 0x5A) << "written past the 256-byte line buffer";
  return {buffer, terminated};
}

// Every line up to the end of the data.
std::vector<Line> AllLines(PPDStream& stream) {
  std::vector<Line> lines;
  for (int guard = 0; guard < 1000; ++guard) {
    Line line = NextLine(stream);
    if (!line.terminated && line.text.empty() && stream.EndOfFile()) break;
    lines.push_back(std::move(line));
  }
  return lines;
}

TEST(PPDStream, LinesEndAtLineEndsAndAreCutAtBytesTheyCannotHold) {
  const std::string alphabet = [] {
    std::string text(300, 'x');
    for (size_t i = 0; i < text.size(); ++i) text[i] = char('a' + i % 26);
    return text;
  }();
  const struct {
    const char* name;
    std::string text;
    std::vector<Line> lines;
  } kCases[] = {
      {"LF, CR and CR LF", "a\r\nb\rc\nd", {{"a", true}, {"b", true}, {"c", true}, {"d", false}}},
      {"0xFF",
       "ab\xFF"
       "cd\n",
       {{"ab", false}, {"cd", true}}},
      {"NUL", std::string("ab\0cd\n", 6), {{"ab", false}, {"cd", true}}},
      {"over 255 bytes",
       alphabet + "\n",
       {{alphabet.substr(0, 255), false}, {alphabet.substr(255), true}}},
      {"exactly 255 bytes",
       std::string(255, 'q') + "\nnext\n",
       {{std::string(255, 'q'), true}, {"next", true}}},
  };
  for (const auto& c : kCases) {
    PPDStream stream(c.text.data(), long(c.text.size()));
    EXPECT_EQ(AllLines(stream), c.lines) << c.name;
  }
}

TEST(PPDStream, SetupWithNothingIsBadAndKeepsTheOldRange) {
  const std::string text = "kept\n";
  PPDStream stream(text.data(), long(text.size()));
  stream.Setup(nullptr, 10);
  EXPECT_TRUE(stream.Bad());
  EXPECT_EQ(NextLine(stream).text, "kept");
  PPDStream copy(stream);
  EXPECT_EQ(copy.PeekChar(), -1);
}

// Lines that meet the end of the first 10000-byte chunk read as they would anywhere else.
TEST(PPDFileStream, ChunkBoundaryChangesNoLine) {
  const long chunk = kPPDFileChunkSize;
  const struct {
    const char* name;
    long fillerSize;  // the lines below start at this offset
    std::string text;
    std::vector<Line> lines;
  } kCases[] = {
      {"line across the boundary",
       chunk - 20,
       "*Straddling: \"value across the boundary\"\n*Last: x\n",
       {{"*Straddling: \"value across the boundary\"", true}, {"*Last: x", true}}},
      {"CR the last byte of the chunk, LF the first of the next",
       chunk - 5,
       "*CRLF\r\n*Next\r\n",
       {{"*CRLF", true}, {"*Next", true}}},
      {"last line across the boundary without a line end",
       chunk - 5,
       "*Last: unterminated",
       {{"*Last: unterminated", false}}},
      {"joined line over 255 bytes is cut to 255",
       chunk - 200,
       std::string(200, 'b') + std::string(200, 'c') + "\n",
       {{std::string(200, 'b') + std::string(55, 'c'), false}, {std::string(145, 'c'), true}}},
  };
  for (const auto& c : kCases) {
    const std::string filler = CommentLines(size_t(c.fillerSize));
    TempFile file(filler + c.text);
    PPDFile ppd(file.Path());
    PPDFileStream stream(&ppd, true);
    ASSERT_TRUE(stream.Good()) << c.name;
    std::vector<Line> lines = AllLines(stream);
    const auto fillerLines = std::count(filler.begin(), filler.end(), '\n');
    ASSERT_GE(long(lines.size()), fillerLines) << c.name;
    lines.erase(lines.begin(), lines.begin() + fillerLines);
    EXPECT_EQ(lines, c.lines) << c.name;
  }
}

// A read that fails after the first chunk is not the end of the file: the value that continues
// into the unread part records a fatal file error instead of ending quietly.
TEST(PPDFileStream, FailedReadOfTheNextChunkIsAFileError) {
  const std::string valueStart = "*Key: \"first line\n";
  TempFile file(CommentLines(size_t(kPPDFileChunkSize) - valueStart.size()) + valueStart +
                "second line\"\n");
  PPDFile ppd(file.Path());
  PPDFileStream stream(&ppd, true);
  ASSERT_TRUE(stream.Good());
  // From here on the descriptor names a directory, so the next read fails with EISDIR.
  const int directory = ::open(std::filesystem::temp_directory_path().c_str(), O_RDONLY);
  ASSERT_GE(directory, 0);
  ASSERT_EQ(::dup2(directory, ppd.getDataForkRefNum()), ppd.getDataForkRefNum());
  ::close(directory);

  TestPPDX ppdx;
  ppdx.UseStream(&stream);
  Line line;
  do line = NextLine(stream);
  while (line.terminated && line.text.starts_with("*%"));
  ASSERT_EQ(line, (Line{"*Key: \"first line", true}));
  PPDStream lineStream(line.text.data(), long(line.text.size()));
  char value[kLineSizeLimit];
  EXPECT_EQ(ppdx.GetQuotedString(lineStream, value, kLineSizeLimit), 0u);
  EXPECT_TRUE(stream.Bad());
  ASSERT_EQ(ppdx.GetErrors()->Count(), 1);
  EXPECT_EQ((*ppdx.GetErrors())[0].Code(), PPDErr_FileError);
  EXPECT_TRUE((*ppdx.GetErrors())[0].IsFatal());
}

TEST(PPDFileStream, EmptyMissingAndNullFilesAreBad) {
  TempFile file("");
  PPDFile empty(file.Path()), missing(std::filesystem::path("/nonexistent/ppdx/none.ppd"));
  for (PPDFile* ppd : {&empty, &missing, static_cast<PPDFile*>(nullptr)})
    EXPECT_TRUE(PPDFileStream(ppd, true).Bad()) << (ppd ? ppd->Path().string() : "null");
}

TEST(PPDFileStream, SmallFileIsReadWholeWithoutChunks) {
  TempFile file("*PPD-Adobe: \"4.3\"\n*Short: yes\n");
  PPDFile ppd(file.Path());
  PPDFileStream stream(&ppd, false);
  EXPECT_FALSE(stream.Chunked());
  EXPECT_EQ(NextLine(stream).text, "*PPD-Adobe: \"4.3\"");
  EXPECT_EQ(NextLine(stream).text, "*Short: yes");
  EXPECT_FALSE(NextLine(stream).terminated);
}

TEST(PPDFile, DataForkReadReportsEndOfFileAndNotOpen) {
  TempFile file("12345");
  PPDFile ppd(file.Path());
  char buffer[16];
  unsigned long count = 16;
  EXPECT_EQ(ppd.dataForkRead(buffer, &count), fnOpnErr);
  EXPECT_EQ(ppd.closeDataFork(), fnOpnErr);
  ASSERT_EQ(ppd.openDataFork(fsRdPerm), noErr);
  EXPECT_TRUE(ppd.dataForkOpen());
  EXPECT_EQ(ppd.dataForkSize(), 5);
  EXPECT_EQ(ppd.dataForkRead(buffer, &count), eofErr);
  EXPECT_EQ(count, 5u);
  EXPECT_EQ(std::string(buffer, 5), "12345");
  EXPECT_EQ(ppd.closeDataFork(), noErr);
  EXPECT_FALSE(ppd.dataForkOpen());
}

TEST(PPDFile, NamesAFileByItsTriple) {
  TempFile file("x", "crvmtqix.ppd");
  PPDFile ppd(file.Path());
  EXPECT_TRUE(ppd.valid());
  EXPECT_TRUE(ppd.exists());
  FSSpec spec;
  ASSERT_EQ(ppd.getFileInfo(&spec), noErr);
  EXPECT_EQ(spec.Name(), "crvmtqix.ppd");
  EXPECT_NE(spec.parID, 0);
  FSSpec back = FSSpec::FromRecord(spec.ToRecord().data());
  EXPECT_TRUE(back.SameTriple(spec));
  EXPECT_FALSE(PPDFile(static_cast<unsigned char>(0)).valid());
  EXPECT_FALSE(PPDFile(0, 0, const_cast<char*>("")).valid());
  // Longer names are cut to 63 bytes.
  spec.SetName(std::string(80, 'n'));
  EXPECT_EQ(spec.Name().size(), kFSSpecNameLimit);
  EXPECT_EQ(spec.ToRecord().size(), kFSSpecRecordSize);
}

}  // namespace
