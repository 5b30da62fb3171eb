#pragma once
// A real-sized small PPD for the parse benchmark: the leading blocks of a bundled printer
// description, about 10 kB, with CR LF line ends as many vendors ship them.
#include <cstddef>
#include <filesystem>
#include <string>

// The lines of source up to the first blank line after `size` bytes, each ended with CR LF;
// empty when source cannot be read.
std::string MakeSmallPPD(const std::filesystem::path& source, size_t size = 10000);
