// File-name validation: the head of a PPD must carry one of the expected "*PCFileName" values.
#include <algorithm>
#include <cstring>
#include <vector>

#include "ppdx/stream/BoyerMoore.h"
#include "ppdx/parser/KTVPPD.h"

namespace {

constexpr long kHeadSize = 4096;  // bytes of the file that are searched
constexpr long kNameWindow = 32;  // bytes after the keyword in which a name must start

}  // namespace

bool ValidateAgainstPCFilename(const PrinterFileNames& names, PPDFile& file) {
  if (file.openDataFork(0) != noErr) return false;
  std::vector<char> head(kHeadSize + 1, '\0');
  unsigned long count = kHeadSize;
  file.dataForkRead(head.data(), &count);
  file.closeDataFork();
  const long length = long(std::min<unsigned long>(count, kHeadSize));

  BoyerMoore searcher;
  searcher.SetSearchData(head.data(), length);
  static const char kKeyword[] = "*PCFileName";
  const long found = searcher.Search(0, kKeyword, short(sizeof kKeyword - 1));
  if (found < 0) return false;
  long position = found + long(sizeof kKeyword - 1) + 1;  // the keyword and the byte after it
  while (position < length && (head[size_t(position)] == ' ' || head[size_t(position)] == '\t'))
    ++position;
  if (position >= length) return false;

  const long window = std::min(kNameWindow, length - position);
  for (const std::string& name : names) {
    if (name.empty()) continue;
    BoyerMoore nameSearch;
    nameSearch.SetSearchData(head.data() + position, window);
    const short nameLength = short(std::min<size_t>(name.size(), 255));
    if (nameSearch.Search(0, name.c_str(), nameLength) >= 0) return true;
  }
  return false;
}

bool ValidateFileName(const std::filesystem::path& url, const PrinterFileNames* names,
                      PPDFile* file) {
  if (names == nullptr) return true;
  if (file != nullptr) return ValidateAgainstPCFilename(*names, *file);
  PPDFile fromUrl(url);
  return ValidateAgainstPCFilename(*names, fromUrl);
}
