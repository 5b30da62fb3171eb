#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "PPDXTestSupport.h"
#include "ppdx/stream/PPDFile.h"
#include "ppdx/stream/PPDFileStream.h"
#include "ppdx/stream/PPDStream.h"

namespace {

struct Line {
  std::string text;
  bool terminated;
};

Line NextLine(PPDStream& stream) {
  char buffer[kLineSizeLimit];
  bool terminated = stream.GetLine(buffer);
  return {buffer, terminated};
}

TEST(PPDStream, LineEndsLfCrAndCrLfAreAllTerminators) {
  const std::string text = "a\r\nb\rc\nd";
  PPDStream stream(text.data(), long(text.size()));
  Line a = NextLine(stream), b = NextLine(stream), c = NextLine(stream), d = NextLine(stream);
  EXPECT_EQ(a.text, "a");
  EXPECT_TRUE(a.terminated);
  EXPECT_EQ(b.text, "b");
  EXPECT_TRUE(b.terminated);
  EXPECT_EQ(c.text, "c");
  EXPECT_TRUE(c.terminated);
  EXPECT_EQ(d.text, "d");
  EXPECT_FALSE(d.terminated);
  EXPECT_TRUE(stream.EndOfFile());
}

TEST(PPDStream, ByteFFEndsTheLineUnterminated) {
  const std::string text =
      "ab\xFF"
      "cd\n";
  PPDStream stream(text.data(), long(text.size()));
  Line first = NextLine(stream);
  EXPECT_EQ(first.text, "ab");
  EXPECT_FALSE(first.terminated);
  EXPECT_EQ(NextLine(stream).text, "cd");
}

TEST(PPDStream, OverLongLineIsCutAt255AndTheRestStays) {
  std::string text(300, 'x');
  for (size_t i = 0; i < text.size(); ++i) text[i] = char('a' + i % 26);
  text += "\n";
  PPDStream stream(text.data(), long(text.size()));
  Line first = NextLine(stream);
  EXPECT_EQ(first.text, text.substr(0, 255));
  EXPECT_FALSE(first.terminated);
  Line rest = NextLine(stream);
  EXPECT_EQ(rest.text, text.substr(255, 45));
  EXPECT_TRUE(rest.terminated);
}

TEST(PPDStream, LineOfExactly255BytesIsComplete) {
  std::string text = std::string(255, 'q') + "\nnext\n";
  PPDStream stream(text.data(), long(text.size()));
  Line first = NextLine(stream);
  EXPECT_EQ(first.text.size(), 255u);
  EXPECT_TRUE(first.terminated);
  EXPECT_EQ(NextLine(stream).text, "next");
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

TEST(PPDFileStream, LineAcrossAChunkBoundaryIsReturnedWhole) {
  // The second line starts 20 bytes before the end of the first 10000-byte chunk.
  std::string head(kPPDFileChunkSize - 21, 'h');
  std::string content = head + "\n" + "*Straddling: \"value across the boundary\"\n*Last: x\n";
  TempFile file(content);
  PPDFile ppd(file.Path());
  PPDFileStream stream(&ppd, true);
  ASSERT_TRUE(stream.Good());
  char line[kLineSizeLimit];
  EXPECT_FALSE(stream.GetLine(line));  // 9979 bytes: over-long
  // Skip the rest of the long line.
  while (std::string(line).size() == 255 && !stream.GetLine(line)) {}
  Line straddling = NextLine(stream);
  EXPECT_EQ(straddling.text, "*Straddling: \"value across the boundary\"");
  EXPECT_TRUE(straddling.terminated);
  EXPECT_EQ(NextLine(stream).text, "*Last: x");
}

TEST(PPDFileStream, JoinedLineLongerThan255IsCutInsideItsBuffer) {
  // 200 bytes before the boundary, 200 after: the joined line would be 400 bytes.
  std::string content = std::string(kPPDFileChunkSize - 201, 'a') + "\n" + std::string(200, 'b') +
                        std::string(200, 'c') + "\n";
  TempFile file(content);
  PPDFile ppd(file.Path());
  PPDFileStream stream(&ppd, true);
  char line[kLineSizeLimit + 16];
  std::memset(line, 0x5A, sizeof line);
  // Read until the line that straddles the boundary.
  for (int i = 0; i < 200; ++i) {
    bool terminated = stream.GetLine(line);
    if (line[0] == 'b') {
      EXPECT_FALSE(terminated);
      EXPECT_EQ(std::string(line), std::string(200, 'b') + std::string(55, 'c'));
      EXPECT_EQ(line[kLineSizeLimit], 0x5A);  // nothing written past the 256-byte buffer
      return;
    }
  }
  FAIL() << "the straddling line was never returned";
}

TEST(PPDFileStream, EmptyFileInFixedChunksIsBad) {
  TempFile file("");
  PPDFile ppd(file.Path());
  PPDFileStream stream(&ppd, true);
  EXPECT_TRUE(stream.Bad());
}

TEST(PPDFileStream, MissingFileAndNullFileAreBad) {
  PPDFile missing(std::filesystem::path("/nonexistent/ppdx/none.ppd"));
  PPDFileStream fromMissing(&missing, true);
  EXPECT_TRUE(fromMissing.Bad());
  PPDFileStream fromNull(nullptr, true);
  EXPECT_TRUE(fromNull.Bad());
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
}

TEST(FSSpec, LongNamesAreCutTo63Bytes) {
  FSSpec spec;
  spec.SetName(std::string(80, 'n'));
  EXPECT_EQ(spec.Name().size(), kFSSpecNameLimit);
  EXPECT_EQ(spec.ToRecord().size(), kFSSpecRecordSize);
}

}  // namespace
