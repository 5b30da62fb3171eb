#include "platform/toolkit/Image.h"

#include <png.h>

#include <cstring>

CGImage::CGImage(uint32_t width, uint32_t height, std::vector<uint8_t> rgba, bool interpolate,
                 CGColorRenderingIntent intent)
    : mWidth(width),
      mHeight(height),
      mPixels(std::move(rgba)),
      mInterpolate(interpolate),
      mIntent(intent) {}

namespace {

// Refuse images whose pixel buffer would be unreasonably large for a dialog.
constexpr uint64_t kMaxImagePixels = uint64_t(16384) * 16384;

struct PngImageGuard {
  png_image image;
  PngImageGuard() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngImageGuard() { png_image_free(&image); }
};

}  // namespace

CGImageRef CGImageCreateWithPNGFile(const std::filesystem::path& file, bool shouldInterpolate,
                                    CGColorRenderingIntent intent) {
  PngImageGuard guard;
  if (!png_image_begin_read_from_file(&guard.image, file.c_str())) return nullptr;
  guard.image.format = PNG_FORMAT_RGBA;
  const uint64_t pixels = uint64_t(guard.image.width) * guard.image.height;
  if (pixels == 0 || pixels > kMaxImagePixels) return nullptr;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(guard.image));
  if (!png_image_finish_read(&guard.image, nullptr, rgba.data(), 0, nullptr)) return nullptr;
  return std::make_shared<const CGImage>(guard.image.width, guard.image.height, std::move(rgba),
                                         shouldInterpolate, intent);
}
