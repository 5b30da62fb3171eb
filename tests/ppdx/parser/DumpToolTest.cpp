// ppdx-dump on the bundled printer descriptions, against expectations read off the files by hand.
#include <gtest/gtest.h>

#include <string>

#include "ModelFacts.h"
#include "TestSupport/Programs.h"

namespace {

corveltest::ProgramRun Dump(const std::string& file) {
  return corveltest::RunCapturing({std::string(CORVEL_BINARY_DIR) + "/bin/ppdx-dump", file});
}

// The dump of a file that the tool can read: it exits with 0 and prints one JSON object.
json DumpOf(const std::string& file) {
  const corveltest::ProgramRun run = Dump(file);
  EXPECT_EQ(run.exitStatus, 0) << file;
  EXPECT_TRUE(json::accept(run.output)) << run.output.substr(0, 200);
  return json::accept(run.output) ? json::parse(run.output) : json();
}

json DumpBundled(const char* name) {
  return DumpOf(std::string(CORVEL_SOURCE_DIR) + "/ppd/" + name);
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
  EXPECT_EQ(dump["properties"].size(), 7u);
  EXPECT_EQ(FindBy(dump["controls"], "*KTInserter"), nullptr);  // no flags line, no control
  EXPECT_EQ(dump["shortcuts"],
            json({"*KTDuplex", "*KTMediaType", "*KTOutputBin", "*KTStapler", "*KTCV_Processing"}));

  // clang-format off
  ExpectFacts(dump, {
      // Pages: the extras page not in print properties, notes not in apps, service hidden.
      {"properties", "PageExtras",
       R"({"showInPrintProp": false, "showInApp": true, "scrollPane": "ExtrasScroll"})"},
      {"properties", "PageNotes", R"({"showInApp": false})"},
      {"properties", "PageService", R"({"visible": false})"},
      // Groups: scroll panes under pages, roll-downs with their controls in file order.
      {"groups", "LayoutScroll",
       R"({"kind": "scrollpane", "children": ["Sides", "Media", "Imposition"]})"},
      {"groups", "Sides", R"({"kind": "rolldown", "parent": "LayoutScroll", "children":
         ["*KTDuplex", "*KTFaceDown", "*KTCollate", "*KTOutputOrder", "*KTUserRotate180"]})"},
      {"groups", "InstallableOptions", R"({"children": ["*KTFinisher", "*KTPaperDeck"]})"},
      // Controls of every kind.
      {"controls", "*KTFold", R"({"kind": "popup", "default": "None", "value": 1,
         "parent": "StapleFold", "postscript":
         "%%BeginFeature: *KTFold None\nuserdict /KTFold /None put\n%%EndFeature\n"})"},
      {"controls", "*KTCV_Processing", R"({"flags": ["Command", "Spooler"]})"},
      {"controls", "*KTCV_ImpGutter", R"({"kind": "range", "min": 0, "max": 144, "increment": 1,
         "default": 18, "postscript":
         "%%BeginFeature: *KTCV_ImpGutter 18\nuserdict /KTCV_ImpGutter 18 put\n%%EndFeature\n"})"},
      // flagBits: Numeric 2, Remembered 16, Hyphen 524288, MinLength 4194304.
      {"controls", "*KTAcctNumber", R"({"kind": "jobnote", "maxLength": 32, "minLength": 4,
         "flagBits": 4718610, "parent": "AccountNotes"})"},
      {"controls", "*Notes2", R"({"notes": "Proof", "parent": "FPKTNotes"})"},
      {"controls", "KTServerModel", R"({"kind": "special", "value": "MTQ-ix", "visible": false})"},
  });
  // clang-format on
  EXPECT_EQ(ItemKeywords(*FindBy(dump["controls"], "*KTFold")),
            (std::vector<std::string>{"None", "Saddle", "TriFoldZ", "ZFold", "TriFoldC"}));
  EXPECT_EQ(ItemKeywords(*FindBy(dump["controls"], "*KTFinisher")),
            (std::vector<std::string>{"None", "Finisher", "Finisher2", "Finisher3", "Finisher4",
                                      "Finisher5", "Finisher6", "Finisher7", "Finisher8"}));

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
  ExpectFacts(dump, {{"controls", "*KTCV_SecureAccess",
                      R"({"kind": "boolean", "value": true, "trueText": "On"})"},
                     {"controls", "*KTSAPassword", R"({"minLength": 0})"},
                     {"groups", "SecureAccess", R"({"parent": "JobScroll"})"}});
}

TEST(DumpTool, InvalidFileStillPrintsItsErrorsReadably) {
  TempPPD file("*PPD-Adobe: \"4.1\"\n");
  const json dump = DumpOf(file.Path().string());
  EXPECT_EQ(dump["valid"], false);
  const json* header = FindBy(dump["errors"], 28, "code");
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
    const corveltest::ProgramRun run = Dump(c.file);
    EXPECT_EQ(run.exitStatus, 2) << c.file;
    EXPECT_NE(run.messages.find(c.reason), std::string::npos) << c.file << ": " << run.messages;
  }
}

// Bytes that are not UTF-8 are read as Latin-1, so the output stays JSON and loses nothing; a
// UTF-8 description, which the parser reports on standard output, leaves the output JSON alone.
TEST(DumpTool, OutputStaysJSONWhateverTheEncoding) {
  TempPPD latin1(PPDHeader() + PPDLayout() +
                 UIBlock("KTA", "Roll", "*DefaultKTA: X\n*KTA X/X: \"(\xE9t\xE9) show\"\n"));
  const json dump = DumpOf(latin1.Path().string());
  const json* control = FindBy(dump["controls"], "*KTA");
  ASSERT_NE(control, nullptr);
  EXPECT_NE((*control)["postscript"].get<std::string>().find("(\u00E9t\u00E9) show"),
            std::string::npos);
  std::string utf8 = PPDHeader();
  utf8.replace(utf8.find("ISOLatin1"), 9, "UTF-8");
  TempPPD utf8File(utf8 + PPDLayout());
  EXPECT_EQ(DumpOf(utf8File.Path().string())["languageEncoding"], "UTF-8");
}

}  // namespace
