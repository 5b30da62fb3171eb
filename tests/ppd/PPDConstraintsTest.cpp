// The printer's own constraints agree with what the installed finisher can do, as the Output
// pane's rules assume, and the defaults are a valid combination.
#include <gtest/gtest.h>

#include <string>

#include "ppd/BundledFiles.h"

namespace {

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

class BundledPPDConstraints : public ppdtest::BundledPPDTest {
 protected:
  // Conflicts after marking the defaults, the finisher, then optionally the finishing type, and
  // one more option.
  int ConflictsWith(const char* finisher, const char* option, const std::string& choice,
                    const char* finishingType = nullptr) {
    ppdMarkDefaults(ppd_.get());
    ppdMarkOption(ppd_.get(), "KTFinisher", finisher);
    if (finishingType) ppdMarkOption(ppd_.get(), "KTCV_FinishingType", finishingType);
    return ppdMarkOption(ppd_.get(), option, choice.c_str());
  }
  // The keyword of the 1-based item n of a menu filled from an option.
  std::string Item(const char* option, int n) { return Choices(option).at(size_t(n - 1)); }
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
      EXPECT_EQ(ConflictsWith(f.choice, "KTOutputBin", Item("KTOutputBin", bin)) == 0,
                allowed[bin - 1])
          << f.choice << ", bin " << bin;
  }
}

// Stapling leaves only no fold or the Z fold (fold items 1 and 4).
TEST_P(BundledPPDConstraints, StaplingExcludesSaddleAndTriFolds) {
  for (int item = 1; item <= 5; ++item)
    EXPECT_EQ(ConflictsWith("Finisher8", "KTFold", Item("KTFold", item), "StaplePunch") == 0,
              item == 1 || item == 4)
        << "fold item " << item;
}

INSTANTIATE_TEST_SUITE_P(Bundle, BundledPPDConstraints, testing::ValuesIn(ppdtest::kBundledPPDs),
                         ppdtest::VariantName);

}  // namespace
