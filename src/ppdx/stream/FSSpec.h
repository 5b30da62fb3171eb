#pragma once
// A file named by volume, folder and name, as the PPD library stores it, plus the path it stands
// for. The triple keeps the 70-byte layout of its persisted form: a 16-bit volume at byte 0, a
// 32-bit folder id at byte 2 and a length-prefixed name of at most 63 bytes at byte 6.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

inline constexpr size_t kFSSpecRecordSize = 70;
inline constexpr size_t kFSSpecNameLimit = 63;

struct FSSpec {
  int16_t vRefNum = 0;
  int32_t parID = 0;
  unsigned char name[64] = {};  // length byte, then up to 63 bytes
  std::filesystem::path path;

  std::string Name() const;
  void SetName(const std::string& text);  // cut to 63 bytes
  bool Empty() const { return name[0] == 0; }

  // The 70-byte record in host byte order, and back (the path is not part of it).
  std::array<uint8_t, kFSSpecRecordSize> ToRecord() const;
  static FSSpec FromRecord(const uint8_t* record);

  // The triple of an existing file: its device, its folder's inode and its name. An unreadable
  // path gives a spec with an empty triple that still carries the path.
  static FSSpec FromPath(const std::filesystem::path& path);

  bool SameTriple(const FSSpec& other) const;
};
