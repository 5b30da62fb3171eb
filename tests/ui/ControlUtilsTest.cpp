#include "UiFixture.h"
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

// Each kind's rule for its width; the edge that stays put is the one opposite the growth,
// except for static text, which always moves its right edge.
TEST_F(ControlUtilsTest, ControlsFitTheirTextByKind) {
  ASSERT_GT(MeasureTextWidth(kLongTitle, kSystemFontSize) + 28, 200);
  const struct {
    ControlKind kind;
    std::string text;
    int16_t width;
    bool growRight;
    int16_t fontSize;
    int32_t overText;  // the new width is the text's width plus this...
    int16_t fixed;     // ...unless this is set
    bool leftStays;
  } cases[] = {
      {ControlKind::PushButton, kLongTitle, 80, true, kSystemFontSize, 0, 200 + 28, true},
      {ControlKind::PushButton, "Cancel printing", 60, false, kSystemFontSize, 28 + 28, 0, false},
      {ControlKind::PushButton, "OK", 90, true, kSystemFontSize, 0, 90, true},  // room enough
      {ControlKind::CheckBox, "Offset jobs", 300, true, kSystemFontSize, 20, 0, true},  // shrinks
      {ControlKind::CheckBox, "Offset jobs", 10, false, kSmallSystemFontSize, 20, 0, false},
      {ControlKind::StaticText, "Plain paper, 80 g", 5, false, kSystemFontSize, 28, 0, true},
      {ControlKind::UserPane, "", 33, true, kSystemFontSize, 0, 33, true},  // left alone
  };
  for (const auto& c : cases) {
    const bool isStaticText = c.kind == ControlKind::StaticText;  // measures its text, not title
    ControlRef control = Make(c.kind, isStaticText ? "" : c.text, c.width);
    if (isStaticText) SetControlText(control, c.text);
    SetControlFontStyle(control, {-1, c.fontSize, -1});
    ControlUtils::SizeControl(control, mWindow, c.growRight);
    const Rect after = Bounds(control);
    const int32_t expected = c.fixed ? c.fixed : MeasureTextWidth(c.text, c.fontSize) + c.overText;
    EXPECT_EQ(RectWidth(after), expected) << c.text;
    EXPECT_EQ(c.leftStays ? after.left : after.right, c.leftStays ? 100 : 100 + c.width) << c.text;
  }
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

}  // namespace
