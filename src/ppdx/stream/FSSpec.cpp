#include "ppdx/stream/FSSpec.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

std::string FSSpec::Name() const {
  return std::string(reinterpret_cast<const char*>(name + 1),
                     std::min<size_t>(name[0], kFSSpecNameLimit));
}

void FSSpec::SetName(const std::string& text) {
  size_t length = std::min(text.size(), kFSSpecNameLimit);
  std::memset(name, 0, sizeof name);
  name[0] = static_cast<unsigned char>(length);
  std::memcpy(name + 1, text.data(), length);
}

std::array<uint8_t, kFSSpecRecordSize> FSSpec::ToRecord() const {
  std::array<uint8_t, kFSSpecRecordSize> record{};
  std::memcpy(record.data(), &vRefNum, 2);
  std::memcpy(record.data() + 2, &parID, 4);
  std::memcpy(record.data() + 6, name, 64);
  return record;
}

FSSpec FSSpec::FromRecord(const uint8_t* record) {
  FSSpec spec;
  if (!record) return spec;
  std::memcpy(&spec.vRefNum, record, 2);
  std::memcpy(&spec.parID, record + 2, 4);
  std::memcpy(spec.name, record + 6, 64);
  if (spec.name[0] > kFSSpecNameLimit) spec.name[0] = kFSSpecNameLimit;
  spec.path = spec.Name();
  return spec;
}

FSSpec FSSpec::FromPath(const std::filesystem::path& path) {
  FSSpec spec;
  spec.path = path;
  struct stat fileInfo {};
  struct stat folderInfo {};
  std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  if (::stat(path.c_str(), &fileInfo) != 0 || ::stat(folder.c_str(), &folderInfo) != 0) return spec;
  spec.vRefNum = static_cast<int16_t>(fileInfo.st_dev);
  spec.parID = static_cast<int32_t>(folderInfo.st_ino);
  spec.SetName(path.filename().string());
  return spec;
}

bool FSSpec::SameTriple(const FSSpec& other) const {
  return vRefNum == other.vRefNum && parID == other.parID && std::memcmp(name, other.name, 64) == 0;
}
