#pragma once
// The item store behind Settings: items addressed by (tag, id), each a block of bytes with 32
// attribute bits, kept in insertion order. A locked item can be neither replaced nor removed.
// It flattens to one self-describing block (header and item headers big-endian, values as raw
// bytes) and is rebuilt from one.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Status.h"

inline constexpr OSStatus collectionItemLockedErr = -5750;
inline constexpr OSStatus collectionItemNotFoundErr = -5751;
inline constexpr OSStatus collectionIndexRangeErr = -5752;
inline constexpr OSStatus collectionVersionErr = -5753;  // not a flat block of this store

inline constexpr uint32_t kCollectionLockBit = 0x80000000u;

struct SettingsItem {
  uint32_t tag = 0;
  int32_t id = 0;
  uint32_t attributes = 0;
  std::vector<uint8_t> value;
};

class SettingsCollection {
 public:
  OSStatus Add(uint32_t tag, int32_t id, const void* data, long size);
  OSStatus Set(uint32_t tag, int32_t id, const void* data, long size);  // existing items only
  OSStatus Remove(uint32_t tag, int32_t id);
  const SettingsItem* Find(uint32_t tag, int32_t id) const;
  OSStatus SetAttributes(uint32_t tag, int32_t id, uint32_t mask, uint32_t values);
  long Count() const { return static_cast<long>(mItems.size()); }
  const SettingsItem* ItemAt(long index) const;  // 1-based
  void AddAll(const SettingsCollection& other);

  std::vector<uint8_t> Flatten() const;
  OSStatus Unflatten(const uint8_t* block, size_t size);  // adds the block's items

 private:
  SettingsItem* FindItem(uint32_t tag, int32_t id);
  std::vector<SettingsItem> mItems;
};
