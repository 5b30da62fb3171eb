#include <cstring>

#include "UiFixture.h"
#include "ui/DialogStrings.h"

namespace {

using LocalizedStringsTest = UiTest;

TEST_F(LocalizedStringsTest, DialogStringsComeFromTheDialogsTableWithKeyFallback) {
  EXPECT_EQ(DialogStrings::GetDialogString("OK"), "OK");
  EXPECT_EQ(DialogStrings::GetDialogString("Cancel"), "Cancel");
  EXPECT_EQ(DialogStrings::GetDialogString("No such key"), "No such key");
  EXPECT_EQ(PDEBundle::GetLocalizedCFString("Untranslated"), "Untranslated");
  PDEBundle::mBundle = nullptr;
  EXPECT_EQ(DialogStrings::GetDialogString("OK"), std::nullopt);
  EXPECT_EQ(PDEBundle::GetLocalizedCFStringFromFile("OK", "Dialogs", mBundle),
            "OK");  // explicit bundle
}

TEST_F(LocalizedStringsTest, CStringCopiesNeverOverrunTheirBuffer) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(PDEBundle::GetLocalizedString("Cancel", buffer, 7), 6u);  // "Cancel" + NUL fits 7
  EXPECT_STREQ(buffer, "Cancel");

  std::memset(buffer, 'x', sizeof buffer);
  const uint32_t beeps = GetSysBeepCount();
  EXPECT_EQ(PDEBundle::GetLocalizedString("Cancel", buffer, 6), 0u);  // no room for the NUL
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[6], 'x');
  EXPECT_EQ(GetSysBeepCount(), beeps + 1);

  PDEBundle::mBundle = nullptr;
  EXPECT_EQ(PDEBundle::GetLocalizedString("Cancel", buffer, sizeof buffer), 0u);
}

TEST_F(LocalizedStringsTest, ConversionToAnEncodingThatLacksTheTextFails) {
  char buffer[16];
  EXPECT_TRUE(
      PDEBundle::ConvertCFString("caf\xC3\xA9", buffer, sizeof buffer, kTextEncodingMacRoman));
  EXPECT_STREQ(buffer, "caf\x8E");
  const uint32_t beeps = GetSysBeepCount();
  EXPECT_FALSE(
      PDEBundle::ConvertCFString("\xE6\x97\xA5", buffer, sizeof buffer, kTextEncodingMacRoman));
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(GetSysBeepCount(), beeps + 1);
}

}  // namespace
