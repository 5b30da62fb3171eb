#include "SmallPPD.h"

#include <fstream>

std::string MakeSmallPPD(const std::filesystem::path& source, size_t size) {
  std::ifstream in(source, std::ios::binary);
  std::string out;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() && out.size() >= size) break;  // blocks end at blank lines
    out += line + "\r\n";
  }
  return out;
}
