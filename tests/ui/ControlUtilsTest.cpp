#include <filesystem>

#include "TestSupport/TemporaryFiles.h"
#include "UiFixture.h"
#include "platform/toolkit/TestPng.h"
#include "ui/ControlUtils.h"

namespace {

class ControlUtilsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    CreateNewWindow(kDocumentWindowClass, {0, 0, 300, 400}, &mWindow);
  }
  ControlRef Make(ControlKind kind, const std::string& title, int16_t width) {
    ControlRef control = nullptr;
    CreateControl(mWindow, kind, {10, 100, 30, int16_t(100 + width)}, &control);
    SetControlTitleWithCFString(control, title);
    return control;
  }
  static Rect Bounds(ControlRef control) {
    Rect r;
    GetControlBounds(control, &r);
    return r;
  }
  WindowRef mWindow = nullptr;
};

const std::string kLongTitle = "Restore the defaults of every option on this pane";

TEST_F(ControlUtilsTest, PushButtonsGrowOnlyWhenTheirTitleNeedsMoreRoom) {
  ASSERT_GT(MeasureTextWidth(kLongTitle, kSystemFontSize) + 28, 200);
  ControlRef right = Make(ControlKind::PushButton, kLongTitle, 80);
  ControlUtils::SizeControl(right, mWindow, true);
  EXPECT_EQ(Bounds(right), (Rect{10, 100, 30, 100 + 200 + 28}));  // capped at 200, then 28 more

  ControlRef left = Make(ControlKind::PushButton, "Cancel printing", 60);
  const int32_t needed = MeasureTextWidth("Cancel printing", kSystemFontSize) + 28;
  ControlUtils::SizeControl(left, mWindow, false);
  EXPECT_EQ(Bounds(left).right, 160);
  EXPECT_EQ(Bounds(left).left, 160 - needed - 28);

  ControlRef roomy = Make(ControlKind::PushButton, "OK", 90);
  ControlUtils::SizeControl(roomy, mWindow, true);
  EXPECT_EQ(RectWidth(Bounds(roomy)), 90);
}

TEST_F(ControlUtilsTest, CheckBoxesAndStaticTextFitTheirText) {
  ControlRef check = Make(ControlKind::CheckBox, "Offset jobs", 300);
  ControlUtils::SizeControl(check, mWindow, true);  // also shrinks
  EXPECT_EQ(RectWidth(Bounds(check)), MeasureTextWidth("Offset jobs", kSystemFontSize) + 20);

  ControlRef small = Make(ControlKind::CheckBox, "Offset jobs", 10);
  SetControlFontStyle(small, {-1, kSmallSystemFontSize, -1});
  ControlUtils::SizeControl(small, mWindow, false);
  EXPECT_EQ(Bounds(small).right, 110);
  EXPECT_EQ(RectWidth(Bounds(small)), MeasureTextWidth("Offset jobs", kSmallSystemFontSize) + 20);

  ControlRef label = Make(ControlKind::StaticText, "", 5);
  SetControlText(label, "Plain paper, 80 g");
  ControlUtils::SizeControl(label, mWindow, false);  // static text always moves its right edge
  EXPECT_EQ(Bounds(label).left, 100);
  EXPECT_EQ(RectWidth(Bounds(label)), MeasureTextWidth("Plain paper, 80 g", kSystemFontSize) + 28);

  ControlRef pane = Make(ControlKind::UserPane, "", 33);
  ControlUtils::SizeControl(pane, mWindow, true);
  EXPECT_EQ(RectWidth(Bounds(pane)), 33);
}

TEST_F(ControlUtilsTest, PopupsTakeTheirMenuWidthUpToALimit) {
  ControlRef popup = Make(ControlKind::PopupButton, "", 50);
  MenuRef menu = GetControlPopupMenuHandle(popup);
  AppendMenuItemTextWithCFString(menu, "Tray 1", 0, nullptr);
  const int32_t menuWidth = GetMenuWidth(menu, kSystemFontSize);
  ControlUtils::SizeControl(popup, mWindow, true);
  EXPECT_EQ(RectWidth(Bounds(popup)), menuWidth + 24);

  SizeControl(popup, int16_t(menuWidth), 20);  // already the menu's width: unchanged
  ControlUtils::SizeControl(popup, mWindow, true);
  EXPECT_EQ(RectWidth(Bounds(popup)), menuWidth);

  AppendMenuItemTextWithCFString(menu, kLongTitle, 0, nullptr);
  ControlUtils::SizeControl(popup, mWindow, false);
  EXPECT_EQ(RectWidth(Bounds(popup)), 190);
}

TEST_F(ControlUtilsTest, FlippedRectangleCoversTheSamePixels) {
  CGContext context(400, 300);
  context.Translate(5, 7);  // whatever the context held before
  const Rect window{10, 20, 50, 120};
  const CGRect flipped = ControlUtils::ConvertQDRectToCGRect(mWindow, &context, window);
  const CGRect device = CGRectApplyAffineTransform(flipped, context.CTM());
  EXPECT_EQ(device, CGRectMake(20, 300 - 50, 100, 40));  // device space is bottom-up

  CGContext fresh(400, 300);
  EXPECT_EQ(ControlUtils::ConvertQDRectToCGRect(mWindow, &fresh, window),
            CGRectMake(20, 10, 100, 40));
}

TEST_F(ControlUtilsTest, LoadsPngImagesWithInterpolation) {
  TemporaryFolder folder;
  const auto file = folder.path() / "icon.png";
  ASSERT_TRUE(WriteTestPng(file, 2, 2, std::vector<uint8_t>(16, 200)));
  CGImageRef image = ControlUtils::LoadAnImageRef(file);
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->ShouldInterpolate());
  EXPECT_EQ(image->RenderingIntent(), kCGRenderingIntentDefault);
  EXPECT_EQ(ControlUtils::LoadAnImageRef(file.string() + ".missing"), nullptr);
}

}  // namespace
