#pragma once
// Decoded images (8-bit RGBA) and the PNG reader behind image views and icon drawing.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

enum CGColorRenderingIntent { kCGRenderingIntentDefault = 0, kCGRenderingIntentPerceptual = 1 };

class CGImage {
 public:
  CGImage(uint32_t width, uint32_t height, std::vector<uint8_t> rgba, bool interpolate,
          CGColorRenderingIntent intent);

  uint32_t Width() const { return mWidth; }
  uint32_t Height() const { return mHeight; }
  // Rows top to bottom, 4 bytes (R, G, B, A, not premultiplied) per pixel.
  const std::vector<uint8_t>& Pixels() const { return mPixels; }
  bool ShouldInterpolate() const { return mInterpolate; }
  CGColorRenderingIntent RenderingIntent() const { return mIntent; }

 private:
  uint32_t mWidth;
  uint32_t mHeight;
  std::vector<uint8_t> mPixels;
  bool mInterpolate;
  CGColorRenderingIntent mIntent;
};

// Images are shared: the holder that drops the last reference frees it.
using CGImageRef = std::shared_ptr<const CGImage>;

// The image in a PNG file, or null when the file is missing, not a readable PNG, or larger than
// 4096 pixels on a side (refused before decoding, and logged).
CGImageRef CGImageCreateWithPNGFile(const std::filesystem::path& file, bool shouldInterpolate,
                                    CGColorRenderingIntent intent);
