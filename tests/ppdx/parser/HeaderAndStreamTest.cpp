// The header check, the standard keywords, and files that end or break in awkward places.
#include <gtest/gtest.h>

#include <cstring>

#include "../PPDXTestSupport.h"

namespace {

const std::string kOnePopup = UIBlock("KTA", "Roll", "*DefaultKTA: X\n*KTA X/Ex: \"x\"\n");

TEST(ParserHeader, AcceptsVersion43AndReadsTheStandardKeywords) {
  ParsedPPD ppd(PPDHeader() + "*FormatVersion: \"4.3\"\n*FileVersion: \"2.1\"\n" + PPDLayout() +
                kOnePopup);
  EXPECT_TRUE(ppd->IsValidPPD());
  EXPECT_STREQ(ppd->PCFileName(), "TEST.PPD");
  EXPECT_STREQ(ppd->ModelName(), "Test Model");
  EXPECT_STREQ(ppd->LanguageVersion(), "English");
  EXPECT_STREQ(ppd->LanguageEncoding(), "ISOLatin1");
  EXPECT_STREQ(ppd->FileVersion(), "2.1");
  EXPECT_NE(ppd->GetStringTextEncoding(), 0u);
  EXPECT_NE(ppd.Control("*KTA"), nullptr);
}

TEST(ParserHeader, OtherVersionRecordsNotPPDFileAndParsesNoLine) {
  ParsedPPD ppd("*PPD-Adobe: \"4.2\"\n*ModelName: \"M\"\n" + PPDLayout() + kOnePopup);
  EXPECT_FALSE(ppd->IsValidPPD());
  EXPECT_TRUE(ppd.HasFatal(PPDErr_NotPPDFile));
  EXPECT_EQ(ppd->ModelName(), nullptr);
  EXPECT_EQ(ppd.Control("*KTA"), nullptr);
}

TEST(ParserHeader, FileStartingWithADelimiterIsParsedButStaysInvalid) {
  ParsedPPD ppd(" leading space\n*ModelName: \"M\"\n");
  EXPECT_FALSE(ppd->IsValidPPD());
  EXPECT_FALSE(ppd.Has(PPDErr_NotPPDFile));
  EXPECT_STREQ(ppd->ModelName(), "M");
}

TEST(ParserHeader, MissingFileIsAFatalFileError) {
  KTVPPD ppd(std::filesystem::path("/nonexistent/none.ppd"), PO_PARSE_ALL);
  EXPECT_FALSE(ppd.IsValidPPD());
  ASSERT_GT(ppd.GetErrors()->Count(), 0);
  EXPECT_EQ((*ppd.GetErrors())[0].Code(), PPDErr_FileError);
}

// "*%KTVFlags *KTA" placed so that its CR LF falls across the first 10000-byte read chunk: the CR
// is byte 9999, the LF the first byte of the next chunk.
std::string CrLfAcrossTheChunkBoundary() {
  const std::string head = PPDHeader() + PPDLayout();
  const std::string flags = "*%KTVFlags *KTA";
  return head + CommentLines(size_t(kPPDFileChunkSize) - 1 - flags.size() - head.size()) + flags +
         "\r\n*%KTVGroup *KTA Roll\r\n*OpenUI *KTA/A: PickOne\r\n*DefaultKTA: X\r\n" +
         "*KTA X/Ex: \"x\"\r\n*CloseUI: *KTA\r\n";
}

// Whatever the file's line ends and wherever a line falls, a line is read whole or the parse stops
// with a fatal error; a file that ends early loses only what it does not hold. Nothing is cut or
// dropped silently: without a fatal error, the only record is the warning for no controls.
TEST(ParserStream, LinesAreReadWholeOrTheParseStopsWithAFatalError) {
  const std::string model = PPDHeader() + PPDLayout();
  const std::string kta = "*%KTVFlags *KTA\n*%KTVGroup *KTA Roll\n*OpenUI *KTA/A: PickOne\n";
  const std::string ktaBoolean = "*%KTVFlags *KTA\n*%KTVGroup *KTA Roll\n*OpenUI *KTA/A: Boolean\n";
  const struct {
    const char* name;
    std::string text;
    bool control;  // "*KTA" is made
    short fatal;   // the fatal error recorded, 0 for none
  } kCases[] = {
      {"CR LF across the chunk boundary", CrLfAcrossTheChunkBoundary(), true, 0},
      {"last line without line end", model + kta + "*DefaultKTA: X\n*CloseUI: *KTA", true, 0},
      {"line over 255 bytes", model + "*% " + std::string(400, 'x') + "\n" + kOnePopup, false,
       PPDErr_FileError},
      {"byte 0xFF", model + "*%\xFF junk\n" + kOnePopup, false, PPDErr_FileError},
      {"code line over 255 bytes",
       model + kta + "*DefaultKTA: X\n*KTA X/Ex: \"x\n" + std::string(300, 'x') +
           "\"\n*CloseUI: *KTA\n",
       false, PPDErr_FileError},
      {"code line holding 0xFF",
       model + kta + "*DefaultKTA: X\n*KTA X/Ex: \"x\nab\xFF" + "cd\"\n*CloseUI: *KTA\n", false,
       PPDErr_FileError},
      {"code line holding NUL",
       model + kta + "*DefaultKTA: X\n*KTA X/Ex: \"x\nab" + std::string(1, '\0') +
           "cd\"\n*CloseUI: *KTA\n",
       false, PPDErr_FileError},
      {"quoted value line over 255 bytes",
       model + "*FileVersion: \"1\n" + std::string(300, 'v') + "\"\n" + kOnePopup, false,
       PPDErr_FileError},
      {"empty file", "", false, PPDErr_FileError},
      {"popup block cut short", model + kta + "*DefaultKTA: X\n*KTA X/Ex: \"x\"\n", false,
       PPDErr_PopupParsing},
      {"boolean block cut short", model + ktaBoolean + "*DefaultKTA: True\n", false, 0},
      {"flags line at the end", model + "*%KTVFlags *KTA Setup\n", false, 0},
  };
  for (const auto& c : kCases) {
    ParsedPPD ppd(c.text);
    EXPECT_EQ(ppd.Control("*KTA") != nullptr, c.control) << c.name;
    EXPECT_EQ(ppd->IsValidPPD(), c.fatal == 0) << c.name;
    if (c.fatal != 0) {
      EXPECT_TRUE(ppd.HasFatal(c.fatal)) << c.name;
      continue;
    }
    for (short code : ppd.Codes()) EXPECT_EQ(code, PPDErr_NoControls) << c.name;
  }
}

TEST(ParserStream, BinaryGarbageAndNulBytesNeitherCrashNorInvent) {
  std::string garbage = PPDHeader();
  for (int i = 0; i < 4000; ++i) garbage += char((i * 37 + 11) % 255);  // never 0xFF
  garbage += std::string("\n*%KTVFlags *\0X\n", 16);
  ParsedPPD ppd(garbage);
  EXPECT_STREQ(ppd->ModelName(), "Test Model");
  EXPECT_TRUE(ppd->GetControls()->Empty());
}

TEST(ParserStream, CodeOverSeveralLinesAndAChunkBoundaryIsKept) {
  std::string text = PPDHeader() + PPDLayout();
  while (text.size() < 9990) text += "*% filler line to move the block near the chunk end\n";
  text +=
      "*%KTVFlags *KTA\n*%KTVGroup *KTA Roll\n*OpenUI *KTA/A: PickOne\n*DefaultKTA: X\n"
      "*KTA X/Ex: \"first line\nsecond line\"\n*End\n*CloseUI: *KTA\n";
  ParsedPPD ppd(text);
  PPDXControl* control = ppd.Control("*KTA");
  ASSERT_NE(control, nullptr);
  EXPECT_NE(PostScriptText(*control).find("first line\nsecond line"), std::string::npos);
}

}  // namespace
