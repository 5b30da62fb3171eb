#include "platform/toolkit/Image.h"

#include <png.h>

#include <cstring>

#include "support/Logging.h"

CGImage::CGImage(uint32_t width, uint32_t height, std::vector<uint8_t> rgba, bool interpolate,
                 CGColorRenderingIntent intent)
    : mWidth(width),
      mHeight(height),
      mPixels(std::move(rgba)),
      mInterpolate(interpolate),
      mIntent(intent) {}

CGImage::CGImage(uint32_t width, uint32_t height, std::filesystem::path png, bool interpolate,
                 CGColorRenderingIntent intent)
    : mWidth(width),
      mHeight(height),
      mPng(std::move(png)),
      mInterpolate(interpolate),
      mIntent(intent) {}

namespace {

// A dialog's pictures are small; a larger claim is refused before any pixel buffer is made
// (at most 64 MB at this bound).
constexpr uint32_t kMaxImageSide = 4096;

struct PngImageGuard {
  png_image image;
  PngImageGuard() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngImageGuard() { png_image_free(&image); }
};

bool WithinBound(const png_image& image, const std::filesystem::path& file) {
  if (image.width == 0 || image.height == 0) return false;
  if (image.width <= kMaxImageSide && image.height <= kMaxImageSide) return true;
  trace_log(0, "Image %u x %u exceeds %u x %u, not decoded: %s\n", unsigned(image.width),
            unsigned(image.height), unsigned(kMaxImageSide), unsigned(kMaxImageSide), file.c_str());
  return false;
}

// The RGBA pixels of the PNG file, which must still have the given dimensions; none when it
// cannot be decoded.
std::vector<uint8_t> DecodePixels(const std::filesystem::path& file, uint32_t width,
                                  uint32_t height) {
  PngImageGuard guard;
  if (png_image_begin_read_from_file(&guard.image, file.c_str()) && guard.image.width == width &&
      guard.image.height == height) {
    guard.image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(guard.image));
    if (png_image_finish_read(&guard.image, nullptr, rgba.data(), 0, nullptr)) return rgba;
  }
  trace_log(0, "Image pixels could not be decoded: %s\n", file.c_str());
  return {};
}

}  // namespace

const std::vector<uint8_t>& CGImage::Pixels() const {
  std::call_once(mDecoded, [this] {
    if (mPng.empty()) return;
    mPixels = DecodePixels(mPng, mWidth, mHeight);
  });
  return mPixels;
}

CGImageRef CGImage::DoubleResolution() const {
  std::call_once(mDoubleLooked, [this] {
    if (mPng.empty()) return;
    std::filesystem::path sharper = mPng;
    sharper.replace_filename(mPng.stem().string() + "@2x" + mPng.extension().string());
    std::error_code missing;
    if (!std::filesystem::is_regular_file(sharper, missing)) return;
    CGImageRef image = CGImageCreateWithPNGFile(sharper, mInterpolate, mIntent);
    if (image && image->Width() == 2 * mWidth && image->Height() == 2 * mHeight)
      mDouble = image;
    else
      trace_log(0, "Image ignored, not twice the size of %s: %s\n", mPng.c_str(), sharper.c_str());
  });
  return mDouble;
}

CGImageRef CGImageCreateWithPNGFile(const std::filesystem::path& file, bool shouldInterpolate,
                                    CGColorRenderingIntent intent) {
  PngImageGuard guard;
  if (!png_image_begin_read_from_file(&guard.image, file.c_str())) return nullptr;
  if (!WithinBound(guard.image, file)) return nullptr;
  return std::make_shared<const CGImage>(guard.image.width, guard.image.height, file,
                                         shouldInterpolate, intent);
}
