#include "PngFile.h"

#include <fstream>
#include <iterator>

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

cairo_status_t EncodePng(cairo_surface_t* surface, std::string& out) {
  out.clear();
  return cairo_surface_write_to_png_stream(surface, AppendBytes, &out);
}

bool WriteFileIfChanged(const std::filesystem::path& file, const std::string& bytes) {
  std::ifstream existing(file, std::ios::binary);
  if (existing && std::string(std::istreambuf_iterator<char>(existing),
                              std::istreambuf_iterator<char>()) == bytes)
    return true;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return bool(out.flush());
}
