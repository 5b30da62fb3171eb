#pragma once
// Sizing controls to their text, loading PNG images, and flipping drawing contexts to window
// coordinates.
#include <filesystem>

#include "platform/toolkit/GraphicsContext.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/ToolkitTypes.h"

class ControlUtils {
 public:
  // Fits a popup button, check box, push button or static text to its content; other kinds are
  // left alone. Growing right moves the right edge, otherwise the left edge moves.
  static void SizeControl(ControlRef control, WindowRef window, bool growRight);
  // The image of a PNG file (interpolated, default rendering intent), or null.
  static CGImageRef LoadAnImageRef(const std::filesystem::path& location);
  // Flips `context` to the port's top-down coordinates and returns the rectangle, in the flipped
  // context's coordinates, that covers the pixels of the window rectangle `rect`.
  static CGRect ConvertQDRectToCGRect(CGrafPtr port, CGContextRef context, const Rect& rect);

  static constexpr int32_t kPopupMenuAllowance = 24;
  static constexpr int32_t kPopupMaxWidth = 190;
  static constexpr int32_t kCheckBoxAllowance = 20;
  static constexpr int32_t kPushButtonAllowance = 28;
  static constexpr int32_t kPushButtonMaxWidth = 200;
  static constexpr int32_t kStaticTextAllowance = 28;
};
