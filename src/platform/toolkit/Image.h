#pragma once
// Decoded images (8-bit RGBA) and the PNG reader behind image views and icon drawing.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

enum CGColorRenderingIntent { kCGRenderingIntentDefault = 0, kCGRenderingIntentPerceptual = 1 };

class CGImage {
 public:
  CGImage(uint32_t width, uint32_t height, std::vector<uint8_t> rgba, bool interpolate,
          CGColorRenderingIntent intent);
  // An image of a PNG file whose header gave these dimensions; its pixels are decoded the first
  // time they are asked for (a dialog draws few of the pictures it loads).
  CGImage(uint32_t width, uint32_t height, std::filesystem::path png, bool interpolate,
          CGColorRenderingIntent intent);

  uint32_t Width() const { return mWidth; }
  uint32_t Height() const { return mHeight; }
  // Rows top to bottom, 4 bytes (R, G, B, A, not premultiplied) per pixel: Width() * Height() * 4
  // bytes, or none when the file's pixel data turned out unreadable (logged).
  const std::vector<uint8_t>& Pixels() const;
  // The same picture drawn at twice the resolution, for displays that scale by 2: the file
  // "<name>@2x.png" beside this image's PNG file when it is exactly twice this image's size;
  // null otherwise (and for images made from given pixels). Looked for when first asked.
  std::shared_ptr<const CGImage> DoubleResolution() const;
  bool ShouldInterpolate() const { return mInterpolate; }

 private:
  uint32_t mWidth;
  uint32_t mHeight;
  std::filesystem::path mPng;  // where the pixels are still to come from; empty for given pixels
  mutable std::once_flag mDecoded;
  mutable std::vector<uint8_t> mPixels;
  mutable std::once_flag mDoubleLooked;
  mutable std::shared_ptr<const CGImage> mDouble;
  bool mInterpolate;
  CGColorRenderingIntent mIntent;
};

// Images are shared: the holder that drops the last reference frees it.
using CGImageRef = std::shared_ptr<const CGImage>;

// The image in a PNG file, or null when the file is missing, has no readable PNG header, or is
// larger than 4096 pixels on a side (refused before decoding, and logged). Only the header is
// read here; the pixels when they are first used.
CGImageRef CGImageCreateWithPNGFile(const std::filesystem::path& file, bool shouldInterpolate,
                                    CGColorRenderingIntent intent);
