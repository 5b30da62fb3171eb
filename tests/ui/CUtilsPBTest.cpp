#include <cstring>

#include "TestSupport/CapturedLog.h"
#include "UiFixture.h"
#include "ui/CUtilsPB.h"

namespace {

class CUtilsPBTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    IBNibRef nib = nullptr;
    ASSERT_EQ(CreateNibReferenceFromFile(CORVEL_SOURCE_DIR "/tests/ui/data/Fields.xml", &nib),
              noErr);
    const NibOwner owner(nib);
    ASSERT_EQ(CreateWindowFromNib(nib, "Fields", &mWindow), noErr);
  }
  WindowRef mWindow = nullptr;
};

TEST_F(CUtilsPBTest, MissingControlsGiveMinusOneAndAStatus) {
  long err = 0;
  EXPECT_EQ(CUtilsPB::GetCtrlValue(FourCC("info"), 99, mWindow, &err), -1);
  EXPECT_EQ(err, errUnknownControl);
  EXPECT_EQ(CUtilsPB::GetControlRef(FourCC("info"), 99, nullptr, &err), nullptr);
  EXPECT_EQ(err, errUnknownControl);
  EXPECT_EQ(CUtilsPB::SetCtrlValue(FourCC("info"), 99, mWindow, 1), errUnknownControl);
  EXPECT_EQ(CUtilsPB::SetCtrlValue(FourCC("info"), 20, mWindow, 1), noErr);
  EXPECT_EQ(CUtilsPB::GetCtrlValue(FourCC("info"), 20, mWindow, &err), 1);
  EXPECT_EQ(err, noErr);
}

TEST_F(CUtilsPBTest, RadioGroupsWorkWithinOneSignatureAndRange) {
  long selected = 0;
  CUtilsPB::GetSelectedGroupRadioButtonID(&selected, 10, 16, FourCC("file"), mWindow);
  EXPECT_EQ(selected, 13);  // 11 and 13 are on: the last wins; 12 is another signature's
  ASSERT_EQ(CUtilsPB::SelectGroupRadioButton(mWindow, FourCC("file"), 10, 10, 16), noErr);
  CUtilsPB::GetSelectedGroupRadioButtonID(&selected, 10, 16, FourCC("file"), mWindow);
  EXPECT_EQ(selected, 10);
  EXPECT_EQ(GetControl32BitValue(Find(mWindow, "file", 11)), 0);
  EXPECT_EQ(GetControl32BitValue(Find(mWindow, "othr", 12)), 1);
  CUtilsPB::SelectGroupRadioButton(mWindow, FourCC("file"), 10, 11,
                                   16);  // chosen outside the range
  CUtilsPB::GetSelectedGroupRadioButtonID(&selected, 10, 16, FourCC("file"), mWindow);
  EXPECT_EQ(selected, 10);
  CUtilsPB::GetSelectedGroupRadioButtonID(&selected, 20, 30, FourCC("file"), mWindow);
  EXPECT_EQ(selected, -1);
}

TEST_F(CUtilsPBTest, TextFieldCopiesStayWithinTheirBuffer) {
  unsigned char buffer[260];
  std::memset(buffer, 0xAA, sizeof buffer);
  ASSERT_EQ(
      CUtilsPB::SetTextEditFieldValue(FourCC("info"), 10, mWindow, std::string(300, 'c'), false),
      noErr);
  ASSERT_EQ(CUtilsPB::GetTextEditFieldValue(FourCC("info"), 10, mWindow, buffer, false), noErr);
  EXPECT_EQ(buffer[0], 255);
  EXPECT_EQ(buffer[255], 'c');
  EXPECT_EQ(buffer[256], 0xAA);

  // Text in Mac Roman: é is 0x8E. A character Mac Roman lacks is never replaced: the text is
  // refused with a status and an empty result.
  CUtilsPB::SetTextEditFieldValue(FourCC("info"), 10, mWindow, std::string("caf\xC3\xA9"), false);
  CUtilsPB::GetTextEditFieldValue(FourCC("info"), 10, mWindow, buffer, false);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer + 1), buffer[0]), "caf\x8E");
  CUtilsPB::SetTextEditFieldValue(FourCC("info"), 11, mWindow, "pa\u0142ka", true);
  EXPECT_EQ(CUtilsPB::GetTextEditFieldValue(FourCC("info"), 11, mWindow, buffer, true),
            kTECUnmappableElementErr);
  EXPECT_EQ(buffer[0], 0);

  const unsigned char stored[] = "\x04p\x8Es!";
  ASSERT_EQ(CUtilsPB::SetTextEditFieldValue(FourCC("info"), 11, mWindow, stored, true), noErr);
  std::string clear;
  GetControlPasswordText(Find(mWindow, "info", 11), &clear);
  EXPECT_EQ(clear, "p\xC3\xA9s!");
  CUtilsPB::GetTextEditFieldValue(FourCC("info"), 11, mWindow, buffer, true);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer + 1), buffer[0]), "p\x8Es!");
  EXPECT_EQ(CUtilsPB::GetTextEditFieldValue(FourCC("info"), 11, mWindow, buffer, false), noErr);
  EXPECT_EQ(buffer[0], 4);  // the shown bullets, which Mac Roman has
  EXPECT_EQ(CUtilsPB::GetTextEditFieldValue(FourCC("info"), 20, mWindow, buffer, false),
            errUnknownControl);
}

TEST_F(CUtilsPBTest, WindowsComeFromTheInterfaceFileOfTheBundleWithThatIdentifier) {
  RegisterBundleFolder(kBundleFolder);
  WindowRef window = nullptr;
  ASSERT_EQ(CUtilsPB::GetWindowFromNIB("One Line", &window, kBundleIdentifier, "AlertUI"), noErr);
  EXPECT_EQ(GetWindowName(window), "One Line");
  CapturedLog log;
  EXPECT_EQ(CUtilsPB::GetWindowFromNIB("Nope", &window, kBundleIdentifier, "AlertUI"),
            kIBCarbonRuntimeCantFindObject);
  EXPECT_EQ(log.text,
            "Corvel: cannot load the window \"Nope\" from the interface file AlertUI (status "
            "-10962)\n");
  EXPECT_EQ(CUtilsPB::GetWindowFromNIB("One Line", &window, "no.such.bundle", "AlertUI"),
            kIBCarbonRuntimeCantFindNibFile);
}

}  // namespace
