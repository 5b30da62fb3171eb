#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "PPDXTestSupport.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"
#include "ppdx/text/TextConverter.h"

namespace {

PopupItemList PageSizes() {
  PopupItemList items;
  const std::string letter = "<</PageSize [612 792]>>setpagedevice\n";
  const std::string a4 = "<</PageSize [595 842]>>setpagedevice\n";
  items.push_back(
      std::make_unique<_PopupItem>("Letter", "US Letter", letter.data(), long(letter.size())));
  items.push_back(std::make_unique<_PopupItem>("A4", "A4", a4.data(), long(a4.size())));
  items.push_back(std::make_unique<_PopupItem>("Legal", std::nullopt, nullptr, 0));
  return items;
}

TEST(PopupControl, FeatureFragmentByteForByte) {
  PPDXPopupControl popup("*PageSize", "Page Size", nullptr, true, false, PageSizes(), "Letter");
  const std::string code = "<</PageSize [612 792]>>setpagedevice\n";
  const std::string expected = "%%BeginFeature: *PageSize Letter\n" + code + "%%EndFeature\n";
  EXPECT_EQ(PostScriptText(popup), expected);
  EXPECT_EQ(popup.GetKeywordPSData("A4", nullptr), long(expected.size()) - 4);  // "A4" for "Letter"
  EXPECT_EQ(popup.GetKeywordPSData("B5", nullptr), 0);
  popup.SetKeywordSelect("Legal", true);
  EXPECT_EQ(PostScriptText(popup), "%%BeginFeature: *PageSize Legal\n\n%%EndFeature\n");
}

TEST(PopupControl, SelectionByPositionAndKeyword) {
  PPDXPopupControl popup("*PageSize", "Page Size", nullptr, true, false, PageSizes(), "A4");
  EXPECT_EQ(popup.DefaultValue(), 2);
  EXPECT_EQ(popup.GetValue(), 2);
  popup.SetValue(1);
  EXPECT_TRUE(popup.IsKeywordSelected("Letter"));
  EXPECT_FALSE(popup.IsKeywordSelected("A4"));
  EXPECT_EQ(popup.GetCurrentControlValueString(), "Letter");
  popup.SetValue(0);
  EXPECT_EQ(popup.GetValue(), 0);
  EXPECT_EQ(popup.PostScript(nullptr), 0);
  EXPECT_EQ(popup.GetCurrentControlValueString(), "");
  popup.ResetToDefaultValue();
  EXPECT_EQ(popup.GetValue(), 2);
  EXPECT_FALSE(popup.SetCurrentControlWithCFString("Tabloid"));
  EXPECT_EQ(popup.GetValue(), 2);
  EXPECT_TRUE(popup.SetCurrentControlWithCFString("Legal"));
  EXPECT_EQ(popup.GetValue(), 3);
  EXPECT_STREQ(popup.GetKeywordLocalName("Letter"), "US Letter");
  EXPECT_EQ(popup.GetKeywordLocalName("Legal"), nullptr);
}

TEST(PopupControl, PickManyKeepsOtherChoices) {
  PPDXPopupControl popup("*KTPunch", "Punch", nullptr, true, true, PageSizes(), nullptr);
  EXPECT_EQ(popup.GetValue(), 0);
  popup.SetKeywordSelect("Letter", true);
  popup.SetKeywordSelect("Legal", true);
  EXPECT_TRUE(popup.IsKeywordSelected("Letter"));
  EXPECT_TRUE(popup.IsKeywordSelected("Legal"));
  EXPECT_FALSE(popup.SetKeywordSelect("Tabloid", true));
  PPDXPopupControl empty("*Nothing", "Nothing", nullptr, true, false, PopupItemList{}, nullptr);
  EXPECT_EQ(empty.FirstItem(), nullptr);
  EXPECT_EQ(empty.NextItem(), nullptr);
}

TEST(PopupControl, RebuildKeepsTheEarlierSelectionWhenStillOffered) {
  PPDXPopupControl popup("*KTMediaType", "Media", nullptr, true, false, PageSizes(), "Letter");
  popup.SetValue(3);  // Legal
  EXPECT_EQ(popup.PositionOf("Legal"), 3);
  PopupItemList replacement;
  replacement.push_back(std::make_unique<_PopupItem>("Plain", "Plain", nullptr, 0));
  replacement.push_back(std::make_unique<_PopupItem>("Legal", "Legal", nullptr, 0));
  EXPECT_TRUE(popup.Rebuild("Media Type", std::move(replacement), "Plain"));
  EXPECT_EQ(popup.GetCurrentControlValueString(), "Legal");
  EXPECT_STREQ(popup.GetDefaultKeyword(), "Plain");
  // Positions follow the new choices, and an appended choice; the first of a keyword counts.
  popup.AppendPopupItem(std::make_unique<_PopupItem>("Plain", "Plain", nullptr, 0));
  popup.AppendPopupItem(std::make_unique<_PopupItem>("Matte", "Matte", nullptr, 0));
  for (auto [keyword, position] :
       {std::pair{"Legal", 2}, {"Letter", 0}, {"Plain", 1}, {"Matte", 4}})
    EXPECT_EQ(popup.PositionOf(keyword), position) << keyword;
  EXPECT_EQ(popup.ItemAt(4)->keyword, "Matte");
  EXPECT_EQ(popup.ItemAt(5), nullptr);

  PopupItemList other;
  other.push_back(std::make_unique<_PopupItem>("Glossy", "Glossy", nullptr, 0));
  EXPECT_TRUE(popup.Rebuild("Media Type", std::move(other), "Glossy"));
  EXPECT_EQ(popup.GetCurrentControlValueString(), "Glossy");

  popup.SetValue(0);
  EXPECT_FALSE(popup.Rebuild("Media", PopupItemList{}, nullptr));
  EXPECT_EQ(popup.ItemCount(), 1);
}

TEST(BooleanControl, FragmentsAndTextValues) {
  const std::string on = "true setcollate\n";
  PPDXBooleanControl collate("*KTCollate", "Collate", nullptr, true, "Collated", on.data(),
                             long(on.size()), "Uncollated", nullptr, 0, true);
  EXPECT_EQ(PostScriptText(collate),
            "%%BeginFeature: *KTCollate True\ntrue setcollate\n%%EndFeature\n");
  collate.SetValue(false);
  EXPECT_EQ(PostScriptText(collate), "%%BeginFeature: *KTCollate False\n\n%%EndFeature\n");
  EXPECT_EQ(collate.GetCurrentControlValueString(), "False");
  collate.ResetToDefaultValue();
  EXPECT_TRUE(collate.IsTrue());
  for (const char* yes : {"true", "TRUE", "Trueish"}) {
    collate.SetCurrentControlWithCFString(yes);
    EXPECT_TRUE(collate.IsTrue()) << yes;
  }
  for (const char* no : {"Tru", "False", "", " True"}) {
    collate.SetCurrentControlWithCFString(no);
    EXPECT_FALSE(collate.IsTrue()) << no;
  }
}

// A value is clamped to the range, then rounded toward zero to a multiple of the increment.
TEST(RangeControl, ClampsAndRoundsTowardZero) {
  const struct {
    int32_t min, max, increment, set, expected;
  } kCases[] = {
      {1, 999, 5, 1000, 995}, {1, 999, 5, -3, 0},   // clamped to 1, then rounded from 0
      {1, 999, 5, 17, 15},    {0, 144, 0, 77, 77},  // increment 0 only clamps
      {0, 144, 0, 500, 144},  {INT32_MIN, 0, -1, INT32_MIN, INT32_MIN},
  };
  for (const auto& c : kCases) {
    PPDXRangeControl range("*R", "R", nullptr, nullptr, 0, c.min, c.max, c.increment, 1, true);
    range.SetValue(c.set);
    EXPECT_EQ(range.GetValue(), c.expected)
        << c.min << ".." << c.max << " by " << c.increment << ", set " << c.set;
  }
  PPDXRangeControl copies("*KTCopies", "Copies", nullptr, nullptr, 0, 1, 999, 5, 1, true);
  copies.SetCurrentControlWithCFString("2000");
  EXPECT_EQ(copies.GetValue(), 2000);  // text values are taken as they are
  copies.ResetToDefaultValue();
  EXPECT_EQ(copies.GetValue(), 0);
}

TEST(ControlInject, ReplacesEveryPlaceholder) {
  std::vector<char> out;
  const std::string code = "<*K> and <*k> but not <*K";
  long length = PPDXControl::Inject("*K", code.data(), long(code.size()), "7", out);
  EXPECT_EQ(std::string(out.data(), size_t(length)), "7 and 7 but not <*K");
  EXPECT_EQ(out[size_t(length)], '\0');
  EXPECT_EQ(PPDXControl::Inject("*K", nullptr, 0, "7", out), 0);
}

TEST(JobNote, OutputIsALineOrTheCodeWithTheNotes) {
  PPDXJobNote note("*Notes2", "Job Note 2", nullptr, nullptr, 0, "abc", "ISOLatin1", true, 63,
                   JNF_Default, 0);
  EXPECT_EQ(PostScriptText(note), "%%BeginFeature: *Notes2 abc\n%%KTVCustom2: abc\n%%EndFeature\n");
  note.SetNotes("changed");
  EXPECT_EQ(PostScriptText(note),
            "%%BeginFeature: *Notes2 changed\n%%KTVCustom2: changed\n%%EndFeature\n");
  note.ResetToDefaultValue();
  EXPECT_STREQ(note.GetNotes(), "abc");

  // With code, the code receives the notes, cut to 511 bytes.
  const std::string code = "%%Note: <*KTNote1>\n";
  PPDXJobNote coded("*KTNote1", "Note", nullptr, code.data(), long(code.size()), "hello",
                    "ISOLatin1", true, 32, JNF_Alpha, 0);
  EXPECT_EQ(PostScriptText(coded), "%%BeginFeature: *KTNote1 hello\n%%Note: hello\n%%EndFeature\n");
  coded.SetCurrentControlWithCFString(std::string(600, 'n'));
  EXPECT_EQ(PostScriptText(coded), "%%BeginFeature: *KTNote1 " + std::string(511, 'n') +
                                       "\n%%Note: " + std::string(511, 'n') + "\n%%EndFeature\n");
  EXPECT_EQ(coded.GetCurrentControlValueString().size(), 600u);
}

TEST(JobNote, PasswordFlagsChooseThePrefix) {
  PPDXJobNote personal("*KTSecurePrint", "Secure", nullptr, nullptr, 0, "1234", "ISOLatin1", true,
                       8, JNF_Resume | JNF_Member, 1);
  EXPECT_EQ(personal.BuildPDLString("1234"), "%%PersPassword: 1234\n");
  PPDXJobNote department("*KTDeptPass", "Dept", nullptr, nullptr, 0, "", "ISOLatin1", true, 8,
                         JNF_Member, 8);
  EXPECT_EQ(department.BuildPDLString("99"), "%%DeptPassword: 99\n");
  PPDXJobNote other("*KTAcctNumber", "Account", nullptr, nullptr, 0, "", "ISOLatin1", true, 32,
                    JNF_Numeric, 4);
  EXPECT_EQ(other.BuildPDLString("5"), "%%EmptyOption\n\n");
  EXPECT_FALSE(other.IsAnyText());
  PPDXJobNote anything("*X", "X", nullptr, nullptr, 0, "", "ISOLatin1", true, 8,
                       JNF_Required | JNF_LCD, 0);
  EXPECT_TRUE(anything.IsAnyText());
}

TEST(JobNote, SharedOutputConverterLivesWithTheNotes) {
  ASSERT_EQ(PPDXJobNote::OutputConverter(), nullptr);
  {
    auto first = std::make_unique<PPDXJobNote>("*N1", "N1", nullptr, nullptr, 0, "", "ISOLatin1",
                                               true, 8, 0u, 0);
    TextConverter* shared = PPDXJobNote::OutputConverter();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->GetOutputEncoding(), kTextEncodingISOLatin1);
    PPDXJobNote second("*N2", "N2", nullptr, nullptr, 0, "", "MacStandard", true, 8, 0u, 0);
    EXPECT_EQ(PPDXJobNote::OutputConverter(), shared);
    first.reset();
    EXPECT_EQ(PPDXJobNote::OutputConverter(), shared);
  }
  EXPECT_EQ(PPDXJobNote::OutputConverter(), nullptr);
}

TEST(JobNote, VisibleOrphanDisplaysByDefault) {
  PPDXJobNote visible("*Notes1", "N", nullptr, nullptr, 0, "", "ISOLatin1", true, 8, 0u, 0);
  PPDXJobNote hidden("*Notes1", "N", nullptr, nullptr, 0, "", "ISOLatin1", false, 8, 0u, 0);
  EXPECT_TRUE(visible.OkayToDisplay(SO_DEFAULT));
  EXPECT_FALSE(hidden.OkayToDisplay(SO_SHOW_ORPHANS));
  EXPECT_TRUE(hidden.OkayToDisplay(SO_SHOW_HIDDEN));
}

TEST(SpecialOption, OutputsItsCodeUnwrapped) {
  const std::string code = "(MTQ-ix) pop\n";
  PPDXSpecialOption model("KTServerModel", "KTServerModel", nullptr, "MTQ-ix", code.data(),
                          long(code.size()), false);
  EXPECT_EQ(PostScriptText(model), code);
  EXPECT_EQ(model.GetCurrentControlValueString(), "MTQ-ix");
  EXPECT_FALSE(model.SetCurrentControlWithCFString("other"));
  model.ResetToDefaultValue();
  EXPECT_STREQ(model.GetValue(), "");
}

TEST(ControlFlags, WalkAndNamedTests) {
  FlagWords flags{"Command", "Spooler", "MacIS"};
  PPDXBooleanControl control("*KTFlagged", "Flagged", flags.List(), true, nullptr, nullptr, 0,
                             nullptr, nullptr, 0, false);
  EXPECT_STREQ(control.FirstControlFlag(), "Command");
  EXPECT_STREQ(control.NextControlFlag(), "Spooler");
  EXPECT_STREQ(control.NextControlFlag(), "MacIS");
  EXPECT_EQ(control.NextControlFlag(), nullptr);
  EXPECT_TRUE(control.IsCommand());
  EXPECT_TRUE(control.IsMacImgShift());
  EXPECT_FALSE(control.IsSetup());
  EXPECT_FALSE(control.FindControlFlag("command"));
}

TEST(ControlKeywords, ReservedKeywordsAreInvalid) {
  EXPECT_FALSE(PPDXControl::ValidKeyword("*KTChromvale"));
  EXPECT_FALSE(PPDXControl::ValidKeyword("*KT_PROP_LOCAL_KTLANDSCAPE"));
  EXPECT_FALSE(PPDXControl::ValidKeyword(nullptr));
  EXPECT_TRUE(PPDXControl::ValidKeyword("*KTDuplex"));
}

}  // namespace
