#include "ui/ControlUtils.h"

#include <algorithm>
#include <string>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/TextMetrics.h"
#include "platform/toolkit/Windows.h"

namespace {

// Text is measured in the small system font when the control's size is 11, else the system font.
int16_t ControlTextSize(const ControlFontStyleRec& font) {
  return font.size == kSmallSystemFontSize ? kSmallSystemFontSize : kSystemFontSize;
}

int32_t MeasureInControlFont(ControlRef control, const std::string& text) {
  ControlFontStyleRec font;
  GetControlFontStyle(control, &font);
  return MeasureTextWidth(text, ControlTextSize(font),
                          font.style > 0 && (font.style & kFontStyleBold));
}

int16_t Coordinate(int32_t value) {
  return int16_t(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

void SetWidth(ControlRef control, Rect bounds, int32_t width, bool growRight) {
  if (growRight)
    bounds.right = Coordinate(bounds.left + width);
  else
    bounds.left = Coordinate(bounds.right - width);
  SetControlBounds(control, bounds);
}

void SizePopup(ControlRef control, const Rect& bounds, bool growRight) {
  ControlFontStyleRec font;
  GetControlFontStyle(control, &font);
  const int32_t menuWidth = GetMenuWidth(GetControlPopupMenuHandle(control), ControlTextSize(font));
  if (menuWidth == RectWidth(bounds)) return;
  SetWidth(control, bounds,
           std::min(menuWidth + ControlUtils::kPopupMenuAllowance, ControlUtils::kPopupMaxWidth),
           growRight);
}

void SizePushButton(ControlRef control, Rect bounds, bool growRight) {
  const int32_t needed =
      MeasureInControlFont(control, CopyControlTitleAsCFString(control).value_or("")) +
      ControlUtils::kPushButtonAllowance;
  if (needed <= RectWidth(bounds)) return;
  // The allowance is added once more on either side, as the dialogs have always been laid out.
  if (growRight)
    bounds.right = Coordinate(bounds.left + std::min(needed, ControlUtils::kPushButtonMaxWidth) +
                              ControlUtils::kPushButtonAllowance);
  else
    bounds.left = Coordinate(bounds.right - needed - ControlUtils::kPushButtonAllowance);
  SetControlBounds(control, bounds);
}

}  // namespace

void ControlUtils::SizeControl(ControlRef control, WindowRef, bool growRight) {
  Rect bounds;
  if (GetControlBounds(control, &bounds) != noErr) return;
  switch (GetControlKind(control)) {
    case ControlKind::PopupButton:
      SizePopup(control, bounds, growRight);
      break;
    case ControlKind::CheckBox:
      SetWidth(control, bounds,
               MeasureInControlFont(control, CopyControlTitleAsCFString(control).value_or("")) +
                   kCheckBoxAllowance,
               growRight);
      break;
    case ControlKind::PushButton:
      SizePushButton(control, bounds, growRight);
      break;
    case ControlKind::StaticText: {
      std::string text;
      GetControlText(control, &text);
      bounds.right =
          Coordinate(bounds.left + MeasureInControlFont(control, text) + kStaticTextAllowance);
      SetControlBounds(control, bounds);
      break;
    }
    default:
      break;
  }
}

CGImageRef ControlUtils::LoadAnImageRef(const std::filesystem::path& location) {
  return CGImageCreateWithPNGFile(location, true, kCGRenderingIntentDefault);
}

CGRect ControlUtils::ConvertQDRectToCGRect(CGrafPtr port, CGContextRef context, const Rect& rect) {
  Rect portBounds{};
  GetWindowBounds(port, &portBounds);
  const double portHeight = RectHeight(portBounds);
  CGContextTranslateCTM(context, 0, portHeight);
  CGContextScaleCTM(context, 1, -1);
  // The window rectangle's pixels in device space (origin bottom left), then back into the
  // flipped user space.
  const CGRect device =
      CGRectMake(rect.left, portHeight - rect.bottom, RectWidth(rect), RectHeight(rect));
  return CGRectApplyAffineTransform(device, CGAffineTransformInvert(CGContextGetCTM(context)));
}
