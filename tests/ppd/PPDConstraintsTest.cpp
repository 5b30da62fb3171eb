// The printer's own constraints agree with what the installed finisher can do, as the Output
// pane's rules assume, and the defaults are a valid combination.
#include <gtest/gtest.h>

#include <string>

#include "ppd/BundledFiles.h"

namespace {

using ppdtest::BundledPPD;

struct FinisherAbilities {
  const char* choice;
  bool installed;
  bool booklets;
  bool folding;
};

constexpr FinisherAbilities kFinishers[] = {
    {"None", false, false, false},    {"Finisher", true, false, false},
    {"Finisher2", true, true, false}, {"Finisher3", true, false, false},
    {"Finisher4", true, true, false}, {"Finisher5", true, true, false},
    {"Finisher6", true, true, true},  {"Finisher7", true, true, false},
    {"Finisher8", true, true, true},
};

class BundledPPDConstraints : public testing::TestWithParam<BundledPPD> {
 protected:
  void SetUp() override {
    ppd_ = ppdtest::OpenBundledPPD(GetParam().file);
    ASSERT_NE(ppd_, nullptr);
  }
  // Conflicts after marking the defaults, the finisher and one more option.
  int ConflictsWith(const char* finisher, const char* option, const char* choice) {
    ppdMarkDefaults(ppd_.get());
    ppdMarkOption(ppd_.get(), "KTFinisher", finisher);
    return ppdMarkOption(ppd_.get(), option, choice);
  }
  // The keyword of the 1-based item n of a menu filled from an option.
  std::string Item(const char* option, int n) {
    const ppd_option_t* o = ppdFindOption(ppd_.get(), option);
    return o && n >= 1 && n <= o->num_choices ? o->choices[n - 1].choice : "";
  }
  ppdtest::PpdPtr ppd_;
};

TEST_P(BundledPPDConstraints, DefaultsDoNotConflict) {
  ppdMarkDefaults(ppd_.get());
  EXPECT_EQ(ppdConflicts(ppd_.get()), 0);
}

TEST_P(BundledPPDConstraints, FinishingTypesFollowTheInstalledFinisher) {
  for (const FinisherAbilities& f : kFinishers) {
    SCOPED_TRACE(f.choice);
    EXPECT_EQ(ConflictsWith(f.choice, "KTCV_FinishingType", "StaplePunch") == 0, f.installed);
    EXPECT_EQ(ConflictsWith(f.choice, "KTCV_FinishingType", "Booklet") == 0, f.booklets);
    EXPECT_EQ(ConflictsWith(f.choice, "KTCV_FinishingType", "Folding") == 0, f.folding);
    EXPECT_EQ(ConflictsWith(f.choice, "KTStapler", "2Left") == 0, f.installed);
    EXPECT_EQ(ConflictsWith(f.choice, "KTCV_FinishingType", "None"), 0);
  }
}

// Output bins by menu position: 2 without finisher, 3 and 4 on a finisher, 5 on a booklet
// maker, 6 on a folder; 1 and 7 always.
TEST_P(BundledPPDConstraints, OutputBinsFollowTheInstalledFinisher) {
  for (const FinisherAbilities& f : kFinishers) {
    const bool allowed[] = {true,       !f.installed, f.installed, f.installed,
                            f.booklets, f.folding,    true};
    for (int bin = 1; bin <= 7; ++bin)
      EXPECT_EQ(ConflictsWith(f.choice, "KTOutputBin", Item("KTOutputBin", bin).c_str()) == 0,
                allowed[bin - 1])
          << f.choice << ", bin " << bin;
  }
}

// Stapling leaves only no fold or the Z fold (fold items 1 and 4).
TEST_P(BundledPPDConstraints, StaplingExcludesSaddleAndTriFolds) {
  for (int item = 1; item <= 5; ++item) {
    SCOPED_TRACE(item);
    ppdMarkDefaults(ppd_.get());
    ppdMarkOption(ppd_.get(), "KTFinisher", "Finisher8");
    ppdMarkOption(ppd_.get(), "KTCV_FinishingType", "StaplePunch");
    const bool allowed = item == 1 || item == 4;
    EXPECT_EQ(ppdMarkOption(ppd_.get(), "KTFold", Item("KTFold", item).c_str()) == 0, allowed);
  }
}

INSTANTIATE_TEST_SUITE_P(Bundle, BundledPPDConstraints, testing::ValuesIn(ppdtest::BundledPPDs()),
                         ppdtest::VariantName);

}  // namespace
