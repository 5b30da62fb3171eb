// The options, choices and choice orders that the panes, the ticket output and the constraint
// rules take from the printer descriptions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ppd/BundledFiles.h"

namespace {

using ppdtest::ChoiceKeywords;
using Keywords = std::vector<std::string>;

class BundledPPDOptions : public ppdtest::BundledPPDTest {
 protected:
  void ExpectChoices(const char* keyword, const Keywords& wanted) {
    const Keywords choices = Choices(keyword);
    for (const std::string& w : wanted)
      EXPECT_NE(std::find(choices.begin(), choices.end(), w), choices.end())
          << keyword << " lacks the choice " << w;
  }
};

TEST_P(BundledPPDOptions, IdentifiesTheModelAndItsVariant) {
  ASSERT_NE(ppd_->shortnickname, nullptr);
  const std::string nickname = ppd_->shortnickname;
  EXPECT_EQ(nickname.compare(0, 13, "Corvel MTQ-ix"), 0) << nickname;
  const bool endsInSA = nickname.size() >= 2 && nickname.compare(nickname.size() - 2, 2, "SA") == 0;
  EXPECT_EQ(endsInSA, GetParam().secureAccess) << nickname;
  ASSERT_NE(ppd_->modelname, nullptr);
  EXPECT_EQ(std::string(ppd_->modelname).rfind("Corvel MTQ-ix", 0), 0u);
  // libcups reports its converted text as UTF-8; the declaration is what the extended parser reads.
  const ppd_attr_t* encoding = ppdFindAttr(ppd_.get(), "LanguageEncoding", nullptr);
  ASSERT_NE(encoding, nullptr);
  EXPECT_STREQ(encoding->value, "ISOLatin1");
}

// Menus whose positions the rules and the finishing pictures rely on.
TEST_P(BundledPPDOptions, PositionalMenusKeepTheirOrder) {
  EXPECT_EQ(Choices("KTFold"), (Keywords{"None", "Saddle", "TriFoldZ", "ZFold", "TriFoldC"}));
  EXPECT_EQ(Choices("KTCV_FinishingType"), (Keywords{"None", "StaplePunch", "Booklet", "Folding"}));
  EXPECT_EQ(Choices("KTStapler"), (Keywords{"False", "1UpLeftS", "1LowLeftS", "1UpRightS",
                                            "1LowRightS", "2Up", "2Low", "2Left", "2Right"}));
  EXPECT_EQ(Choices("KTPunchHoleType"), (Keywords{"None", "2Even", "3Even", "4Even"}));
  EXPECT_EQ(Choices("KTCV_SS_SecSize"), (Keywords{"All", "4", "8", "16", "32", "64"}));
  EXPECT_EQ(Choices("KTOutputBin").size(), 7u);

  // The fastening menu drops the first choice; fold-and-staple and fold-only follow it.
  const Keywords fastening = Choices("KTCopierBooklet");
  ASSERT_EQ(fastening.size(), 3u);
  EXPECT_EQ(fastening[1], "FoldStaple");
  EXPECT_EQ(fastening[2], "FoldOnly");

  // The imposition menu drops "None"; eight imposition types follow it.
  const Keywords imposition = Choices("KTCV_Imposition");
  ASSERT_EQ(imposition.size(), 9u);
  EXPECT_EQ(imposition.front(), "None");
}

// Every fixed keyword the ticket output writes must be a choice of its option.
TEST_P(BundledPPDOptions, FixedTicketValuesAreChoices) {
  ExpectChoices("KTCV_Processing", {"PrintDelete", "SaveAll", "ProcessHold", "PreflightHold",
                                    "PostflightHold", "PostflightReport", "SendAndHold"});
  ExpectChoices("KTSeparations", {"Automatic", "SinglePage", "None", "QuarkXPress4", "QuarkXPress3",
                                  "PageMaker", "FreeHand", "Canvas"});
  EXPECT_EQ(Choices("KTSeparations").at(2), "None");
  ExpectChoices("KTCV_TIFFDPI", {"Save72", "Save300", "Save600"});
  ExpectChoices("KTDuplex", {"False", "LongEdge", "ShortEdge"});
  ExpectChoices("KTOutputOrder", {"Forward", "Reverse"});
  ExpectChoices("KTCV_Imposition", {"None"});
  ExpectChoices("KTCV_ImpCrpMrk", {"CopyMarksVeryLong", "CopyMarksLong", "CopyMarksMedium",
                                   "CopyMarksShort", "CopyMarksVeryShort", "CopyMarksNone"});
  ExpectChoices("KTPunchEdge", {"None", "Left", "Right", "Top"});
}

TEST_P(BundledPPDOptions, CheckBoxOptionsAreTrueFalse) {
  for (const char* keyword :
       {"KTPrintOwnColor",  "KTProgressives",      "KTCV_OutputSlug", "KTColorPostflt",
        "KTCV_SaveAs",      "KTCV_AutoBlack",      "KTCV_Mirror",     "KTCV_Invert",
        "KTFaceDown",       "KTCollate",           "KTUserRotate180", "KTCV_ImpSc2Fit",
        "KTOrientationOvr", "KTOffsetJobs",        "KTImageSmooth",   "KTTextGfxQual",
        "KTCV_EdgeSmooth",  "KTTrapping",          "KTCV_CrvProof",   "KTCV_CMYKOvPrnt",
        "KTCV_GradSmooth",  "KTCV_PDFX3Compliant", "KTCV_GlossPrint"}) {
    const ppd_option_t* option = ppdFindOption(ppd_.get(), keyword);
    ASSERT_NE(option, nullptr) << "missing option " << keyword;
    EXPECT_EQ(option->ui, PPD_UI_BOOLEAN) << keyword;
    Keywords choices = ChoiceKeywords(option);
    std::sort(choices.begin(), choices.end());
    EXPECT_EQ(choices, (Keywords{"False", "True"})) << keyword;
  }
}

// Menus filled by position reach at least the item their default selects.
TEST_P(BundledPPDOptions, PositionalDefaultsAreInRange) {
  const struct {
    const char* keyword;
    size_t defaultPosition;
  } menus[] = {{"KTCV_FoldSize", 4},  {"KTCV_Cover", 2},         {"KTCV_CoverMedia", 2},
               {"KTCV_CoverTray", 4}, {"KTCV_BookletImpose", 1}, {"KTCV_ImpPgSize", 1},
               {"KTCV_ImpOrient", 1}, {"KTCV_SS_SRRows", 1},     {"KTCV_SS_SRCols", 1},
               {"KTMediaType", 1},    {"KTOutputBin", 3}};
  for (const auto& menu : menus)
    EXPECT_GE(Choices(menu.keyword).size(), menu.defaultPosition) << menu.keyword;
}

TEST_P(BundledPPDOptions, InstallableOptionsStartWithTheFinisher) {
  const ppd_group_t* begin = ppd_->groups;
  const ppd_group_t* end = begin + ppd_->num_groups;
  const ppd_group_t* group = std::find_if(begin, end, [](const ppd_group_t& g) {
    return std::strcmp(g.name, "InstallableOptions") == 0;
  });
  ASSERT_NE(group, end);
  ASSERT_GE(group->num_options, 3);
  EXPECT_STREQ(group->options[0].keyword, "KTFinisher");
  EXPECT_EQ(ChoiceKeywords(&group->options[0]),
            (Keywords{"None", "Finisher", "Finisher2", "Finisher3", "Finisher4", "Finisher5",
                      "Finisher6", "Finisher7", "Finisher8"}));
  for (int i = 1; i < group->num_options; ++i)
    EXPECT_GE(group->options[i].num_choices, 2) << group->options[i].keyword;
}

// Job options send PostScript; installable options only describe the printer.
TEST_P(BundledPPDOptions, JobOptionChoicesCarryCode) {
  for (int g = 0; g < ppd_->num_groups; ++g) {
    const ppd_group_t& group = ppd_->groups[g];
    if (std::strcmp(group.name, "InstallableOptions") == 0) continue;
    for (int o = 0; o < group.num_options; ++o)
      for (int c = 0; c < group.options[o].num_choices; ++c) {
        const ppd_choice_t& choice = group.options[o].choices[c];
        EXPECT_TRUE(choice.code && *choice.code)
            << group.options[o].keyword << " " << choice.choice;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Bundle, BundledPPDOptions, testing::ValuesIn(ppdtest::kBundledPPDs),
                         ppdtest::VariantName);

// The two variants differ only by their Secure Access options; shared options match exactly.
TEST(BundledPPDVariants, ShareEveryOptionButTheSecureAccessOnes) {
  auto standard = ppdtest::OpenBundledPPD(ppdtest::kBundledPPDs[0].file);
  auto secure = ppdtest::OpenBundledPPD(ppdtest::kBundledPPDs[1].file);
  ASSERT_NE(standard, nullptr);
  ASSERT_NE(secure, nullptr);
  auto secureTable = ppdtest::OptionTable(secure.get());
  for (const std::string keyword : {"KTCV_SecureAccess"}) {
    EXPECT_EQ(ppdFindOption(standard.get(), keyword.c_str()), nullptr) << keyword;
    EXPECT_EQ(secureTable.erase(keyword), 1u) << keyword;
  }
  EXPECT_EQ(ppdtest::OptionTable(standard.get()), secureTable);

  for (const auto& [keyword, choices] : secureTable) {
    const ppd_option_t* a = ppdFindOption(standard.get(), keyword.c_str());
    const ppd_option_t* b = ppdFindOption(secure.get(), keyword.c_str());
    ASSERT_TRUE(a && b) << keyword;
    EXPECT_STREQ(a->defchoice, b->defchoice) << keyword;
    EXPECT_EQ(a->ui, b->ui) << keyword;
    for (int c = 0; c < a->num_choices && c < b->num_choices; ++c)
      EXPECT_STREQ(a->choices[c].code, b->choices[c].code)
          << keyword << " " << a->choices[c].choice;
  }
}

}  // namespace
