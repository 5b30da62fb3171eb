#pragma once
// Writing a picture only when its bytes change, so that an unchanged picture keeps its time stamp
// and the build sees nothing new.
#include <cairo.h>

#include <filesystem>
#include <string>

// The surface encoded as PNG into `out`; cairo's status.
cairo_status_t EncodePng(cairo_surface_t* surface, std::string& out);
// Replaces the file when its content differs from `bytes` (or it is missing); false when the
// file could not be written.
bool WriteFileIfChanged(const std::filesystem::path& file, const std::string& bytes);
