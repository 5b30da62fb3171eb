// Constraint and requirement lines and the answers for a control's choice.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "../PPDXTestSupport.h"
#include "ppdx/constraints/CStringSoup.h"

namespace {

// A block whose first choice is the default; each choice's code is its keyword.
std::string Block(const std::string& keyword, const std::string& type, const std::string& choices) {
  std::string body = "*Default" + keyword + ": " + choices.substr(0, choices.find(' ')) + "\n";
  std::istringstream words(choices);
  for (std::string choice; words >> choice;)
    body += "*" + keyword + " " + choice + "/" + choice + ": \"" + choice + "\"\n";
  return UIBlock(keyword, "Roll", body, "", type);
}

const std::string kModel = PPDHeader() + PPDLayout() + Block("KTA", "PickOne", "a1 a2 a3") +
                           Block("KTB", "PickOne", "b1 b2 b3") +
                           Block("KTBool", "Boolean", "False True");

struct Pair {
  std::string control;  // empty for a null control
  long item;
  bool operator==(const Pair&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pair& p) {
  return out << "(" << p.control << "," << p.item << ")";
}

std::vector<Pair> Answer(ParsedPPD& ppd, const char* keyword, long item, bool requirement = false) {
  PPDXControl* control = ppd.Control(keyword);
  SharedConstraintRec* records = reinterpret_cast<SharedConstraintRec*>(1);
  const long n = requirement ? ppd->GetRequiresList(control, &records)
                             : ppd->GetConstraintList(control, item, &records);
  std::vector<Pair> pairs;
  if (n == 0) {
    EXPECT_EQ(records, nullptr);
    return pairs;
  }
  for (long i = 0; i < n; ++i) {
    const SharedConstraintRec r = records[i];
    pairs.push_back({r.ppdControl ? r.ppdControl->Keyword() : "", long(r.itemNum)});
  }
  KTVPPD::ReleaseConstraintList(records);
  EXPECT_EQ(records, nullptr);
  return pairs;
}

TEST(ParserConstraints, SpecificChoiceIsAnsweredTwiceSpecificThenGeneral) {
  ParsedPPD ppd(kModel + "*UIConstraints: *KTA a2 *KTB b3\n*%KTVUIConstraints: *KTA a3 *KTB b1\n");
  EXPECT_EQ(Answer(ppd, "*KTA", 2), (std::vector<Pair>{{"*KTB", 3}, {"*KTB", 3}, {"*KTB", 1}}));
  EXPECT_EQ(Answer(ppd, "*KTA", 1), (std::vector<Pair>{{"*KTB", 3}, {"*KTB", 1}}));
  EXPECT_EQ(Answer(ppd, "*KTA", 0), Answer(ppd, "*KTA", 1));  // 0 also means the first choice
  EXPECT_TRUE(Answer(ppd, "*KTB", 1).empty());
}

TEST(ParserConstraints, KeywordWithoutOptionIsFoundThroughTheGeneralList) {
  ParsedPPD ppd(kModel + "*UIConstraints: *KTA *KTB b2\n");
  EXPECT_EQ(Answer(ppd, "*KTA", 3), (std::vector<Pair>{{"*KTB", 2}}));
  EXPECT_EQ(Answer(ppd, "*KTA", 99), (std::vector<Pair>{{"*KTB", 2}}));
}

TEST(ParserConstraints, UnknownControlsAndChoicesGiveNullAnd65535) {
  ParsedPPD ppd(kModel +
                "*UIConstraints: *KTA a1 *KTNone x\n*UIConstraints: *KTA a1 *KTB nothere\n"
                "*UIConstraints: *KTA a1 *KTBool True\n*UIConstraints: *KTA a1 *KTB\n");
  // The four lines as the specific answer, then again as the general one.
  const std::vector<Pair> lines = {
      {"", 65535}, {"*KTB", 65535}, {"*KTBool", 65535}, {"*KTB", 65535}};
  std::vector<Pair> twice = lines;
  twice.insert(twice.end(), lines.begin(), lines.end());
  EXPECT_EQ(Answer(ppd, "*KTA", 1), twice);
}

TEST(ParserConstraints, BooleanQueriesLookUpTrueAndFalse) {
  ParsedPPD ppd(kModel +
                "*UIConstraints: *KTBool True *KTA a1\n*UIConstraints: *KTBool False *KTA a2\n");
  // Specific first, then every line of the keyword in the order its options were first seen.
  EXPECT_EQ(Answer(ppd, "*KTBool", 1), (std::vector<Pair>{{"*KTA", 1}, {"*KTA", 1}, {"*KTA", 2}}));
  EXPECT_EQ(Answer(ppd, "*KTBool", 0), (std::vector<Pair>{{"*KTA", 2}, {"*KTA", 1}, {"*KTA", 2}}));
}

TEST(ParserConstraints, ControlNamedInNoLineAndNullControlAnswerNothing) {
  ParsedPPD ppd(kModel + "*UIConstraints: *KTA a1 *KTB b1\n");
  EXPECT_TRUE(Answer(ppd, "*KTB", 1).empty());
  SharedConstraintRec* untouched = reinterpret_cast<SharedConstraintRec*>(8);
  EXPECT_EQ(ppd->GetConstraintList(nullptr, 1, &untouched), 0);
  EXPECT_EQ(untouched, reinterpret_cast<SharedConstraintRec*>(8));
  EXPECT_EQ(ppd->GetConstraintList(ppd.Control("*KTA"), 1, nullptr), 2);  // count only
  ppd->DeleteConstraintMaps();
  EXPECT_TRUE(Answer(ppd, "*KTA", 1).empty());
  EXPECT_TRUE(Answer(ppd, "*KTA", 1, true).empty());
}

TEST(ParserConstraints, RequirementsUseTheirOwnForest) {
  ParsedPPD ppd(kModel +
                "*%KTVUIRequires: *KTA a1 *KTBool True\n*UIConstraints: *KTB b1 *KTA a3\n");
  EXPECT_EQ(Answer(ppd, "*KTA", 0, true),
            (std::vector<Pair>{{"*KTBool", 65535}, {"*KTBool", 65535}}));
  EXPECT_TRUE(Answer(ppd, "*KTB", 0, true).empty());
  EXPECT_TRUE(Answer(ppd, "*KTA", 1).empty());
}

TEST(ParserConstraints, LinesMissingWordsAreReportedAndStoreNothing) {
  ParsedPPD ppd(kModel + "*UIConstraints: *KTA a1\n*UIConstraints:\n*UIConstraints: *KTA\n");
  EXPECT_EQ(ppd.Codes(),
            (std::vector<short>{PPDErr_BadConstraint, PPDErr_BadConstraint, PPDErr_BadConstraint}));
  EXPECT_TRUE(ppd.Has(PPDErr_BadConstraint, "*KTA"));
  EXPECT_EQ(ppd->ConstraintMap()->Tree(0), nullptr);
  EXPECT_TRUE(ppd->IsValidPPD());
}

TEST(ParserConstraints, DumpListsEntriesAndStoredLines) {
  ParsedPPD ppd(kModel + "*UIConstraints: *KTA a2 *KTB b3\n");
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  ppd->DumpConstraintMap(out, ppd->ConstraintMap(), "constraints");
  std::fclose(out);
  const std::string dump(text, size);
  std::free(text);
  EXPECT_EQ(dump.rfind("--- constraints ---\n", 0), 0u);
  EXPECT_NE(dump.find("GetConstraintList: *KTA(0), a2(1)\n*UIConstraints: *KTA a2 *KTB b3\n"),
            std::string::npos);
  EXPECT_NE(dump.find("*KTBool = "), std::string::npos);
}

TEST(ParserConstraints, TwoParsedFilesKeepTheirOwnStrings) {
  auto first = std::make_unique<ParsedPPD>(kModel + "*UIConstraints: *KTA a2 *KTB b3\n");
  ParsedPPD second(kModel + "*UIConstraints: *KTB b1 *KTA a1\n");
  first.reset();  // destroying the older one must not take the newer one's names
  EXPECT_EQ(Answer(second, "*KTB", 1), (std::vector<Pair>{{"*KTA", 1}, {"*KTA", 1}}));
  EXPECT_EQ(gConstraintStrings->Find("*KTB"), 0);
}

// Callers keep the texts the store hands out while a large file adds thousands more.
TEST(ParserConstraints, StoredNamesStayInPlaceWhileTheStoreGrows) {
  CStringSoup store;
  const long slot = store.Insert("*PageSize");
  const char* text = store.Find(slot);
  for (int i = 0; i < 5000; ++i) store.Insert(("Choice" + std::to_string(i)).c_str());
  EXPECT_EQ(store.Find(slot), text);
  EXPECT_STREQ(text, "*PageSize");
  EXPECT_EQ(store.Insert("*PageSize"), slot);
  EXPECT_STREQ(store.Find(store.Find("Choice4999")), "Choice4999");
  store.Clear();
  EXPECT_EQ(store.Find("*PageSize"), -1);
}

}  // namespace
