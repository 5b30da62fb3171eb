#pragma once
// Writes a small RGBA PNG for tests that need a picture file.
#include <png.h>

#include <cstring>
#include <filesystem>
#include <vector>

inline bool WriteTestPng(const std::filesystem::path& file, uint32_t width, uint32_t height,
                         const std::vector<uint8_t>& rgba) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, file.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}
