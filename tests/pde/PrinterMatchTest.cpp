// The start-up rules of a dialog: how the printer's name is compared on each system version,
// which queue it names, and which PPDs pass the model and file checks.
#include <gtest/gtest.h>

#include "pde/PrinterMatch.h"
#include "platform/SystemVersion.h"

namespace {

TEST(PrinterMatch, NameForComparisonFollowsTheSystemVersion) {
  struct Case {
    SystemVersion version;
    const char* expected;
  } cases[] = {
      {{10, 0}, "Corvel_Hall.2"}, {{10, 2}, "Corvel_Hall_2"}, {{10, 3}, "Corvel_Hall.2"},
      {{10, 4}, "Corvel Hall.2"}, {{11, 1}, "Corvel Hall.2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrinterNameForComparison("Corvel Hall.2", c.version), c.expected)
        << c.version.major << "." << c.version.minor;
}

TEST(PrinterMatch, SystemVersionFallsBackToTheCombinedSelector) {
  SetSystemVersionForTesting(10, 3, /*minorSelectorFails=*/true);
  const SystemVersion fallback = QuerySystemVersion();
  SetSystemVersionForTesting(10, 4);
  const SystemVersion direct = QuerySystemVersion();
  ResetSystemVersion();
  EXPECT_EQ(fallback.major, 10);
  EXPECT_EQ(fallback.minor, 3);
  EXPECT_EQ(direct.minor, 4);
}

TEST(PrinterMatch, QueueIsTheNamedOneElseTheFirstWhoseDescriptionOrNameMatches) {
  cups_dest_t* dests = nullptr;
  int count = 0;
  count = cupsAddDest("Plain", nullptr, count, &dests);
  count = cupsAddDest("Hall", nullptr, count, &dests);
  count = cupsAddDest("Second", nullptr, count, &dests);
  for (const char* queue : {"Hall", "Second"}) {
    cups_dest_t* dest = cupsGetDest(queue, nullptr, count, dests);
    dest->num_options =
        cupsAddOption("printer-info", "Corvel Hall", dest->num_options, &dest->options);
  }
  EXPECT_EQ(FindQueueForPrinter("Corvel Hall", dests, count), "Hall");
  EXPECT_EQ(FindQueueForPrinter("Plain", dests, count), "Plain") << "no description: its name";
  EXPECT_EQ(FindQueueForPrinter("Hall", dests, count), std::nullopt) << "described otherwise";
  EXPECT_EQ(FindQueueForPrinter("corvel hall", dests, count), std::nullopt) << "case counts";
  EXPECT_EQ(FindQueueForPrinter("Corvel Hall", dests, count, "Second"), "Second") << "named";
  EXPECT_EQ(FindQueueForPrinter("Corvel Hall", dests, count, "Gone"), std::nullopt);
  cupsFreeDests(count, dests);
}

TEST(PrinterMatch, ModelAndSecureAccessByShortNickname) {
  struct Case {
    const char* nickname;
    bool corvel;
    bool secureAccess;
  } cases[] = {
      {"Corvel MTQ-ix", true, false},
      {"Corvel MTQ-ixSA", true, true},
      {"Corvel MTQ-ix SA", true, true},
      {"corvel MTQ-ix", false, false},
      {"Corvel MTQ-i", false, false},
      {"SA", false, true},
      {"", false, false},
      {nullptr, false, false},
  };
  for (const Case& c : cases) {
    const char* shown = c.nickname ? c.nickname : "(null)";
    EXPECT_EQ(IsCorvelModel(c.nickname), c.corvel) << shown;
    EXPECT_EQ(IsSecureAccessModel(c.nickname), c.secureAccess) << shown;
  }
}

TEST(PrinterMatch, SupportedFileNamesIgnoreCaseAndAnEmptyListAcceptsAll) {
  const std::vector<std::string> listed = {"CRVMTQIX.PPD", "CRVMTQSA.PPD"};
  EXPECT_TRUE(IsSupportedPCFileName("crvmtqix.ppd", listed));
  EXPECT_FALSE(IsSupportedPCFileName("OTHER.PPD", listed));
  EXPECT_FALSE(IsSupportedPCFileName(nullptr, listed));
  EXPECT_TRUE(IsSupportedPCFileName("OTHER.PPD", {}));
}

}  // namespace
