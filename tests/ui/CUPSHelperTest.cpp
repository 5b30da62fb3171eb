#include <cups/ppd.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport/TemporaryFiles.h"
#include "UiFixture.h"
#include "ui/CUPSHelper.h"

namespace {

struct PPDClose {
  void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PPDFile = std::unique_ptr<ppd_file_t, PPDClose>;

class CUPSHelperTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    mPPD.reset(ppdOpenFile(CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    ASSERT_NE(mPPD, nullptr);
    ppdMarkDefaults(mPPD.get());
    CreateNewWindow(kDocumentWindowClass, {0, 0, 300, 400}, &mWindow);
    CreateControl(mWindow, ControlKind::PopupButton, {10, 10, 30, 150}, &mPopup);
  }
  std::vector<std::string> Items() {
    std::vector<std::string> items;
    MenuRef menu = GetControlPopupMenuHandle(mPopup);
    for (uint16_t i = 1; i <= CountMenuItems(menu); ++i)
      items.push_back(*CopyMenuItemTextAsCFString(menu, i));
    return items;
  }

  PPDFile mPPD;
  WindowRef mWindow = nullptr;
  ControlRef mPopup = nullptr;
};

TEST_F(CUPSHelperTest, FindsGroupsByNameOrTextAndOptionsWithinThem) {
  CUPSHelper helper(mPPD.get());
  ppd_group_t* output = helper.FindOptionGroup("KTOutput");
  ASSERT_NE(output, nullptr);
  EXPECT_STREQ(output->text, "Output");
  EXPECT_EQ(helper.FindOptionGroup("Output"),
            nullptr);  // the name, not the text, when there is a name
  char savedName[sizeof output->name];
  std::memcpy(savedName, output->name, sizeof savedName);
  output->name[0] = '\0';
  EXPECT_EQ(helper.FindOptionGroup("Output"), output);
  std::memcpy(output->name, savedName, sizeof savedName);

  EXPECT_NE(helper.FindOptionGroupAndOption("KTOutput", "KTStapler"), nullptr);
  EXPECT_EQ(helper.FindOptionGroupAndOption("KTQuality", "KTStapler"), nullptr);
  EXPECT_EQ(helper.FindOptionGroupAndOption("NoGroup", "KTStapler"), nullptr);
  EXPECT_EQ(helper.FindNamedOption(std::string("KTStapler")), helper.FindNamedOption("KTStapler"));
  EXPECT_EQ(helper.FindNamedOption(std::string("KTStapler") + std::string(60, 'x')), nullptr);
}

TEST_F(CUPSHelperTest, PopupShowsTheOptionAndItsLastMarkedChoice) {
  CUPSHelper helper(mPPD.get());
  helper.MarkOption("KTStapler", "2Left");
  helper.NamedOptionToPopupControl("KTStapler", mPopup);
  EXPECT_EQ(CopyControlTitleAsCFString(mPopup), "Staple:");
  ASSERT_EQ(Items().size(), 9u);
  EXPECT_EQ(Items().front(), "None");
  EXPECT_EQ(Items()[7], "Double Left");
  EXPECT_EQ(GetControl32BitMaximum(mPopup), 9);
  EXPECT_EQ(GetControl32BitValue(mPopup), 8);

  ppd_option_t* stapler = helper.FindNamedOption("KTStapler");
  for (int i = 0; i < stapler->num_choices; ++i) stapler->choices[i].marked = 0;
  helper.NamedOptionToPopupControl(std::string("KTStapler"), mPopup);
  EXPECT_EQ(GetControl32BitValue(mPopup), 1);  // none marked
  stapler->choices[2].marked = 1;              // a malformed description marking two
  stapler->choices[5].marked = 1;
  helper.NamedOptionToPopupControl("KTStapler", mPopup);
  EXPECT_EQ(GetControl32BitValue(mPopup), 6);

  helper.NamedOptionToPopupControl("NoSuchOption", mPopup);  // left as it was
  EXPECT_EQ(Items().size(), 9u);
  EXPECT_EQ(CopyControlTitleAsCFString(mPopup), "Staple:");
}

TEST_F(CUPSHelperTest, MenuFillingLeavesTheControlsValueAlone) {
  CUPSHelper helper(mPPD.get());
  SetControl32BitMaximum(mPopup, 9);
  SetControl32BitValue(mPopup, 7);
  helper.NamedOptionToMenu(std::string("KTPunchEdge"), GetControlPopupMenuHandle(mPopup));
  const std::vector<std::string> items = Items();
  EXPECT_EQ(items.size(), size_t(helper.FindNamedOption("KTPunchEdge")->num_choices));
  EXPECT_EQ(GetControl32BitValue(mPopup), 7);
  EXPECT_EQ(GetControl32BitMaximum(mPopup), 9);
  helper.NamedOptionToMenu("NoSuchOption", GetControlPopupMenuHandle(mPopup));
  EXPECT_EQ(Items(), items);
}

TEST_F(CUPSHelperTest, ChoiceNamesByIndexWithinBounds) {
  CUPSHelper helper(mPPD.get());
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("KTStapler", 1), "False");
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("KTStapler", 9), "2Right");
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("KTStapler", 0), "");
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("KTStapler", 10), "");
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("KTStapler", -1), "");
  EXPECT_EQ(helper.NamedOptionAndIndexToPPDKey("NoSuchOption", 1), "");
}

// A description with one option whose text and choice read "Fée", in the declared encoding.
std::string DescriptionWithFee(const std::string& declaration, const std::string& fee) {
  return "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n" + declaration +
         "*LanguageVersion: French\n*PCFileName: \"T.PPD\"\n*Manufacturer: \"T\"\n"
         "*Product: \"(T)\"\n*ModelName: \"T\"\n*ShortNickName: \"T\"\n*NickName: \"T\"\n"
         "*PSVersion: \"(3011.104) 0\"\n*OpenUI *Fee/" +
         fee +
         ": PickOne\n*DefaultFee: A\n"
         "*Fee A/" +
         fee + ": \"\"\n*CloseUI: *Fee\n";
}

// libcups hands every string over as UTF-8, and leaves the language encoding null when the file
// declares none; reading that as Mac Roman showed "F√©e".
TEST_F(CUPSHelperTest, TextsFromLibcupsAreReadAsUTF8WhateverTheFileDeclares) {
  const std::string latin1 = "F\351e", utf8 = "F\u00E9e";  // the same word in both encodings
  const std::pair<const char*, std::string> cases[] = {{"", latin1},
                                                       {"*LanguageEncoding: ISOLatin1\n", latin1},
                                                       {"*LanguageEncoding: UTF-8\n", utf8},
                                                       {"*LanguageEncoding: UTF8\n", utf8}};
  for (const auto& [declaration, fee] : cases) {
    TempFile file(DescriptionWithFee(declaration, fee));
    PPDFile ppd(ppdOpenFile(file.Path().c_str()));
    ASSERT_NE(ppd, nullptr) << declaration;
    CUPSHelper helper(ppd.get());
    helper.NamedOptionToPopupControl("Fee", mPopup);
    EXPECT_EQ(CopyControlTitleAsCFString(mPopup), utf8 + ":") << declaration;
    EXPECT_EQ(Items(), std::vector<std::string>{utf8}) << declaration;
  }
}

}  // namespace
