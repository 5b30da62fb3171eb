// Reference counting, the error records and their descriptions, file-name validation, identity,
// and popups made outside the file.
#include <gtest/gtest.h>

#include <cstring>

#include "../PPDXTestSupport.h"
#include "platform/Bundle.h"
#include "platform/ResourceMap.h"
#include "ppdx/errors/PPDXErrorNames.h"
#include "ppdx/controls/PPDXPopupControl.h"

namespace {

class TrackedPPD : public KTVPPD {
 public:
  TrackedPPD(const std::filesystem::path& file, bool& destroyed)
      : KTVPPD(file, PO_PARSE_ALL), mDestroyed(destroyed) {}
  ~TrackedPPD() override { mDestroyed = true; }

 private:
  bool& mDestroyed;
};

TEST(ParserLifetime, ReleaseDestroysOnlyWhenTheLastOwnerLetsGo) {
  TempPPD file(PPDHeader() + PPDLayout());
  bool destroyed = false;
  auto* shared = new TrackedPPD(file.Path(), destroyed);
  shared->Retain();   // a second owner
  shared->Release();  // the second owner is done
  EXPECT_FALSE(destroyed);
  shared->Release();  // the creator is done
  EXPECT_TRUE(destroyed);

  destroyed = false;
  (new TrackedPPD(file.Path(), destroyed))->Release();
  EXPECT_TRUE(destroyed);
}

TEST(ParserErrors, ListKeepsOrderAndWalks) {
  PPDXErrors errors;
  EXPECT_TRUE(errors.Empty());
  EXPECT_EQ(errors.First(), nullptr);
  errors.Add(new PPDXErrorObj(PPDErr_NoGroups, false));
  errors.Add(new PPDXErrorObj(PPDErr_Duplicate, "*KTA", true));
  EXPECT_EQ(errors.Count(), 2);
  PPDXErrorObj* first = errors.First();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(*first == PPDErr_NoGroups);
  EXPECT_EQ(first->Keyword(), nullptr);
  PPDXErrorObj* second = errors.Next();
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->Keyword(), "*KTA");
  EXPECT_TRUE(second->IsFatal());
  EXPECT_EQ(errors.Next(), nullptr);
  EXPECT_EQ(errors.Next(), nullptr);

  PPDXErrorObj copy(*second);
  EXPECT_TRUE(copy != PPDErr_NoGroups);
  EXPECT_STREQ(copy.Keyword(), "*KTA");
}

// A bundle holding only the information dictionary and the error string list of the real one.
std::filesystem::path ErrorListBundle(const std::filesystem::path& parent) {
  namespace fs = std::filesystem;
  const fs::path source = fs::path(CORVEL_SOURCE_DIR) / "bundle" / "Contents";
  const fs::path bundle = parent / "ppdx-errors.plugin";
  fs::create_directories(bundle / "Contents" / "Resources");
  fs::copy_file(source / "Info.plist", bundle / "Contents" / "Info.plist",
                fs::copy_options::overwrite_existing);
  fs::copy_file(source / "Resources" / "PPDXErrors.rsrc.plist",
                bundle / "Contents" / "Resources" / "PPDXErrors.rsrc.plist",
                fs::copy_options::overwrite_existing);
  return bundle;
}

TEST(ParserErrors, DescriptionsComeFromTheBundlesStringList) {
  const TemporaryFolder parent;
  const std::filesystem::path folder = ErrorListBundle(parent.path());
  CFBundleRef bundle = CFBundleCreate(folder);
  ASSERT_NE(bundle, nullptr);
  const ResFileRefNum map = CFBundleOpenBundleResourceMap(bundle);
  ASSERT_NE(map, kResFileNotOpened);
  // Every code the parser records has a description; codes it never records have none.
  for (short code = 0; code <= 40; ++code) {
    const bool recorded = std::strcmp(PPDXErrorName(code), "PPDErr_Unknown") != 0;
    EXPECT_EQ(PPDXErrorObj(code, false).Description() != nullptr, recorded) << code;
  }
  EXPECT_NE(std::strstr(PPDXErrorObj(PPDErr_NotPPDFile, false).Description(), "4.3"), nullptr);
  CFBundleCloseBundleResourceMap(bundle, map);
  EXPECT_EQ(PPDXErrorObj(PPDErr_NotPPDFile, false).Description(), nullptr);
}

// A file is accepted only under an expected "*PCFileName"; two parses are the same model when
// they share file and name.
TEST(ParserValidation, PrinterFileNamesAndIdentity) {
  TempPPD file(PPDHeader() + PPDLayout());
  TempPPD other(PPDHeader() + PPDLayout());
  const PrinterFileNames good{"OTHER.PPD", "TEST.PPD"};
  const PrinterFileNames bad{"OTHER.PPD"};
  KTVPPD accepted(file.Path(), PO_PARSE_ALL, &good);
  EXPECT_TRUE(accepted.IsValidPrinterName());
  EXPECT_TRUE(accepted.IsValidPPD());
  KTVPPD refused(file.Path(), PO_PARSE_ALL, &bad);
  EXPECT_FALSE(refused.IsValidPrinterName());
  EXPECT_EQ(refused.GetControls(), nullptr);  // not built
  EXPECT_TRUE(ValidateFileName(file.Path(), nullptr, nullptr));
  EXPECT_FALSE(ValidateFileName("/nonexistent.ppd", &good, nullptr));

  KTVPPD same(file.Path(), PO_PARSE_ALL), elsewhere(other.Path(), PO_PARSE_ALL);
  EXPECT_TRUE(accepted == same);
  EXPECT_FALSE(accepted == elsewhere);
  FSSpec spec;
  EXPECT_TRUE(accepted.GetFileSpec(spec));
  EXPECT_EQ(spec.Name(), file.Path().filename().string());
  KTVPPD fileless(PO_PARSE_ALL);
  EXPECT_FALSE(fileless.GetFileSpec(spec));
  EXPECT_FALSE(fileless.IsValidPPD());
}

PopupItemList Items(std::initializer_list<const char*> keywords) {
  PopupItemList items;
  for (const char* k : keywords)
    items.push_back(std::make_unique<_PopupItem>(k, std::string(k), "x", 1));
  return items;
}

TEST(ParserMenus, CreatedPopupIsPlacedAndReconciledPopupKeepsItsSelection) {
  ParsedPPD ppd(PPDHeader() + PPDLayout());
  PPDXPopupControl* made =
      ppd->PPDCreatePopupMenu("Roll", "*KTMade", "Made", Items({"a", "b", "c"}), "b");
  ASSERT_NE(made, nullptr);
  EXPECT_STREQ(made->GetParent()->Keyword(), "Roll");
  EXPECT_EQ(made->GetValue(), 2);
  EXPECT_TRUE(ppd->PPDReconcilePopupMenu("*KTMade", "Made again", Items({"b", "z"}), "z"));
  EXPECT_EQ(made->GetValue(), 1);  // b is still offered and wins over the new default
  EXPECT_FALSE(ppd->PPDReconcilePopupMenu("*KTNone", "x", Items({"a"}), nullptr));

  PPDXPopupControl* orphan =
      ppd->PPDCreatePopupMenu("Nowhere", "*KTLost", "Lost", Items({"a"}), nullptr);
  ASSERT_NE(orphan, nullptr);
  EXPECT_TRUE(orphan->IsOrphan());
  EXPECT_TRUE(ppd.Has(PPDErr_InvalidParent, "*KTLost"));
}

// The parse keeps its choices in the description's arena, a caller's come from the heap: both
// kinds share one control, and each is released its own way when replaced or at the end.
TEST(ParserMenus, ParsedPopupTakesCallersChoices) {
  ParsedPPD ppd(PPDHeader() + PPDLayout() +
                UIBlock("KTA", "Roll", "*DefaultKTA: b\n*KTA a/A: \"a\"\n*KTA b/B: \"b\"\n"));
  PPDXPopupControl* parsed = ppd->GetControls()->FindPopup("*KTA", true);
  ASSERT_NE(parsed, nullptr);
  parsed->AppendPopupItem(std::make_unique<_PopupItem>("c", "C", "c", 1));
  EXPECT_EQ(parsed->PositionOf("c"), 3);
  EXPECT_TRUE(ppd->PPDReconcilePopupMenu("*KTA", "A again", Items({"z", "b"}), "z"));
  EXPECT_EQ(parsed->GetCurrentControlValueString(), "b");
}

}  // namespace
