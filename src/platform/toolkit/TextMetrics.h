#pragma once
// Text measurement with the text engine and font the on-screen view draws with, so that sizes
// computed in the model match the screen. Sizes are in pixels (one point is one pixel).
#include <cstdint>
#include <string_view>

// The font family of every control; the view must draw with the same family at the same pixel size.
inline constexpr const char* kToolkitFontFamily = "DejaVu Sans";

// Width in whole pixels (rounded up) of one line of UTF-8 text.
int32_t MeasureTextWidth(std::string_view utf8, int16_t pixelSize, bool bold = false);
