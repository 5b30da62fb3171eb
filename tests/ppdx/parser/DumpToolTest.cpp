// ppdx-dump on the bundled printer descriptions, against expectations read off the files by hand.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/wait.h>

#include "ParserTestSupport.h"

namespace {

using nlohmann::json;

struct DumpRun {
  int status = -1;
  std::string out;
};

// With withErrors, standard error is read too (after standard output).
DumpRun Dump(const std::string& file, bool withErrors = false) {
  const std::string command = std::string(CORVEL_BINARY_DIR) + "/bin/ppdx-dump '" + file + "' " +
                              (withErrors ? "2>&1" : "2>/dev/null");
  DumpRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

json DumpBundled(const char* name) {
  const DumpRun run = Dump(std::string(CORVEL_SOURCE_DIR) + "/ppd/" + name);
  EXPECT_EQ(run.status, 0);
  return json::parse(run.out);
}

const json* FindBy(const json& list, const std::string& keyword) {
  for (const json& entry : list)
    if (entry["keyword"] == keyword) return &entry;
  return nullptr;
}

std::vector<std::string> ItemKeywords(const json& control) {
  std::vector<std::string> keywords;
  for (const json& item : control["items"]) keywords.push_back(item["keyword"]);
  return keywords;
}

TEST(DumpTool, BundledPrinterDescriptionIsValidAndComplete) {
  const json dump = DumpBundled("crvmtqix.ppd");
  EXPECT_EQ(dump["valid"], true);
  EXPECT_EQ(dump["pcFileName"], "CRVMTQIX.PPD");
  EXPECT_EQ(dump["modelName"], "Corvel MTQ-ix");
  EXPECT_EQ(dump["languageVersion"], "English");
  EXPECT_EQ(dump["languageEncoding"], "ISOLatin1");
  for (const json& error : dump["errors"]) EXPECT_EQ(error["fatal"], false) << error.dump();

  // Pages: seven, the service page hidden, the extras page not in print properties, notes not in
  // apps.
  ASSERT_EQ(dump["properties"].size(), 7u);
  const json* extras = FindBy(dump["properties"], "PageExtras");
  ASSERT_NE(extras, nullptr);
  EXPECT_EQ((*extras)["showInPrintProp"], false);
  EXPECT_EQ((*extras)["showInApp"], true);
  EXPECT_EQ((*extras)["scrollPane"], "ExtrasScroll");
  const json* notes = FindBy(dump["properties"], "PageNotes");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ((*notes)["showInApp"], false);
  EXPECT_EQ((*FindBy(dump["properties"], "PageService"))["visible"], false);

  // Groups: scroll panes under pages, roll-downs under panes with their controls in file order.
  const json* layout = FindBy(dump["groups"], "LayoutScroll");
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ((*layout)["kind"], "scrollpane");
  EXPECT_EQ((*layout)["children"], json({"Sides", "Media", "Imposition"}));
  const json* sides = FindBy(dump["groups"], "Sides");
  ASSERT_NE(sides, nullptr);
  EXPECT_EQ((*sides)["kind"], "rolldown");
  EXPECT_EQ((*sides)["parent"], "LayoutScroll");
  EXPECT_EQ((*sides)["children"],
            json({"*KTDuplex", "*KTFaceDown", "*KTCollate", "*KTOutputOrder", "*KTUserRotate180"}));
  const json* installable = FindBy(dump["groups"], "InstallableOptions");
  ASSERT_NE(installable, nullptr);
  EXPECT_EQ((*installable)["children"], json({"*KTFinisher", "*KTPaperDeck"}));

  // Controls.
  const json* fold = FindBy(dump["controls"], "*KTFold");
  ASSERT_NE(fold, nullptr);
  EXPECT_EQ((*fold)["kind"], "popup");
  EXPECT_EQ(ItemKeywords(*fold),
            (std::vector<std::string>{"None", "Saddle", "TriFoldZ", "ZFold", "TriFoldC"}));
  EXPECT_EQ((*fold)["default"], "None");
  EXPECT_EQ((*fold)["value"], 1);
  EXPECT_EQ((*fold)["parent"], "StapleFold");
  EXPECT_EQ((*fold)["postscript"],
            "%%BeginFeature: *KTFold None\nuserdict /KTFold /None put\n%%EndFeature\n");
  const json* processing = FindBy(dump["controls"], "*KTCV_Processing");
  ASSERT_NE(processing, nullptr);
  EXPECT_EQ((*processing)["flags"], json({"Command", "Spooler"}));
  const json* finisher = FindBy(dump["controls"], "*KTFinisher");
  ASSERT_NE(finisher, nullptr);
  EXPECT_EQ(ItemKeywords(*finisher),
            (std::vector<std::string>{"None", "Finisher", "Finisher2", "Finisher3", "Finisher4",
                                      "Finisher5", "Finisher6", "Finisher7", "Finisher8"}));
  EXPECT_EQ(FindBy(dump["controls"], "*KTInserter"), nullptr);  // no flags line, no control
  const json* gutter = FindBy(dump["controls"], "*KTCV_ImpGutter");
  ASSERT_NE(gutter, nullptr);
  EXPECT_EQ((*gutter)["kind"], "range");
  EXPECT_EQ((*gutter)["min"], 0);
  EXPECT_EQ((*gutter)["max"], 144);
  EXPECT_EQ((*gutter)["increment"], 1);
  EXPECT_EQ((*gutter)["default"], 18);
  EXPECT_EQ((*gutter)["postscript"],
            "%%BeginFeature: *KTCV_ImpGutter 18\nuserdict /KTCV_ImpGutter 18 put\n%%EndFeature\n");
  const json* account = FindBy(dump["controls"], "*KTAcctNumber");
  ASSERT_NE(account, nullptr);
  EXPECT_EQ((*account)["kind"], "jobnote");
  EXPECT_EQ((*account)["maxLength"], 32);
  EXPECT_EQ((*account)["minLength"], 4);
  EXPECT_EQ((*account)["flagBits"],
            2 + 16 + 524288 + 4194304);  // Numeric Remembered Hyphen MinLength
  EXPECT_EQ((*account)["parent"], "AccountNotes");
  const json* note2 = FindBy(dump["controls"], "*Notes2");
  ASSERT_NE(note2, nullptr);
  EXPECT_EQ((*note2)["notes"], "Proof");
  EXPECT_EQ((*note2)["parent"], "FPKTNotes");
  const json* model = FindBy(dump["controls"], "KTServerModel");
  ASSERT_NE(model, nullptr);
  EXPECT_EQ((*model)["kind"], "special");
  EXPECT_EQ((*model)["value"], "MTQ-ix");
  EXPECT_EQ((*model)["visible"], false);

  EXPECT_EQ(dump["shortcuts"],
            json({"*KTDuplex", "*KTMediaType", "*KTOutputBin", "*KTStapler", "*KTCV_Processing"}));

  // "*KTCV_Imposition Tile *KTCV_ImpSc2Fit True": a boolean target has no item number.
  const json& imposition = dump["constraints"]["*KTCV_Imposition"];
  ASSERT_TRUE(imposition.is_object());
  bool sawScaleToFit = false;
  for (const auto& [item, pairs] : imposition.items())
    for (const json& pair : pairs)
      if (pair["control"] == "*KTCV_ImpSc2Fit") sawScaleToFit = pair["item"] == 65535;
  EXPECT_TRUE(sawScaleToFit);
  // "*KTStapler *KTCollate True" without an option: every staple choice requires collation.
  const json& stapler = dump["requires"]["*KTStapler"];
  ASSERT_TRUE(stapler.is_object());
  EXPECT_EQ(stapler["1"][0], json({{"control", "*KTCollate"}, {"item", 65535}}));
}

TEST(DumpTool, SecureAccessVariantAddsItsOptions) {
  const json dump = DumpBundled("crvmtqsa.ppd");
  EXPECT_EQ(dump["valid"], true);
  EXPECT_EQ(dump["pcFileName"], "CRVMTQSA.PPD");
  const json* secure = FindBy(dump["controls"], "*KTCV_SecureAccess");
  ASSERT_NE(secure, nullptr);
  EXPECT_EQ((*secure)["kind"], "boolean");
  EXPECT_EQ((*secure)["value"], true);
  EXPECT_EQ((*secure)["trueText"], "On");
  const json* password = FindBy(dump["controls"], "*KTSAPassword");
  ASSERT_NE(password, nullptr);
  EXPECT_EQ((*password)["minLength"], 0);
  EXPECT_EQ((*FindBy(dump["groups"], "SecureAccess"))["parent"], "JobScroll");
}

TEST(DumpTool, InvalidFileStillPrintsItsErrorsReadably) {
  TempPPD file("*PPD-Adobe: \"4.1\"\n");
  const DumpRun run = Dump(file.Path().string());
  EXPECT_EQ(run.status, 0);
  const json dump = json::parse(run.out);
  EXPECT_EQ(dump["valid"], false);
  const json* header = nullptr;
  for (const json& error : dump["errors"])
    if (error["code"] == 28) header = &error;
  ASSERT_NE(header, nullptr) << dump["errors"].dump();
  EXPECT_EQ((*header)["name"], "PPDErr_NotPPDFile");
  EXPECT_EQ((*header)["fatal"], true);
  EXPECT_EQ((*header)["keyword"], "*PPD-Adobe");
}

TEST(DumpTool, UnreadableFileExitsWithTwoAndSaysWhy) {
  const struct {
    std::string file;
    const char* reason;
  } kCases[] = {{"/nonexistent/file.ppd", "No such file or directory"},
                {CORVEL_SOURCE_DIR, "Is a directory"}};
  for (const auto& c : kCases) {
    const DumpRun run = Dump(c.file, true);
    EXPECT_EQ(run.status, 2) << c.file;
    EXPECT_NE(run.out.find(c.reason), std::string::npos) << c.file << ": " << run.out;
  }
}

// Bytes that are not UTF-8 are read as Latin-1, so the output stays JSON and loses nothing.
TEST(DumpTool, BytesThatAreNotUTF8AreReadAsLatin1) {
  TempPPD file(PPDHeader() + PPDLayout() +
               "*%KTVFlags *KTA\n*%KTVGroup *KTA Roll\n*OpenUI *KTA/A: PickOne\n"
               "*DefaultKTA: X\n*KTA X/X: \"(\xE9t\xE9) show\"\n*CloseUI: *KTA\n");
  const DumpRun run = Dump(file.Path().string());
  ASSERT_EQ(run.status, 0);
  ASSERT_TRUE(json::accept(run.out));
  const json dump = json::parse(run.out);
  const json* control = FindBy(dump["controls"], "*KTA");
  ASSERT_NE(control, nullptr);
  EXPECT_NE((*control)["postscript"].get<std::string>().find("(\u00E9t\u00E9) show"),
            std::string::npos);
}

// The parser reports a UTF-8 description on standard output; the dump's own output must still be
// the JSON object alone.
TEST(DumpTool, OutputStaysJSONWhenTheParserReports) {
  TempPPD file(
      "*PPD-Adobe: \"4.3\"\n*LanguageVersion: English\n*LanguageEncoding: UTF-8\n"
      "*PCFileName: \"TEST.PPD\"\n*ModelName: \"Test Model\"\n" +
      PPDLayout());
  const DumpRun run = Dump(file.Path().string());
  ASSERT_EQ(run.status, 0);
  ASSERT_TRUE(json::accept(run.out)) << run.out.substr(0, 200);
  EXPECT_EQ(json::parse(run.out)["languageEncoding"], "UTF-8");
}

}  // namespace
