#include "ppdx/settings/SettingsCollection.h"

#include <algorithm>
#include <cstring>

#include "platform/FourCC.h"

namespace {

constexpr uint32_t kFlatMagic = FourCC("CVST");
constexpr uint32_t kFlatVersion = 1;
constexpr size_t kItemHeaderSize = 16;

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Reads big-endian words from a block without ever passing its end.
class BlockReader {
 public:
  BlockReader(const uint8_t* block, size_t size) : mBlock(block), mSize(size) {}
  bool Word(uint32_t& value) {
    if (mSize - mOffset < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | mBlock[mOffset++];
    return true;
  }
  bool Bytes(std::vector<uint8_t>& out, size_t count) {
    if (mSize - mOffset < count) return false;
    out.assign(mBlock + mOffset, mBlock + mOffset + count);
    mOffset += count;
    return true;
  }
  size_t Remaining() const { return mSize - mOffset; }

 private:
  const uint8_t* mBlock;
  size_t mSize;
  size_t mOffset = 0;
};

std::vector<uint8_t> Bytes(const void* data, long size) {
  if (!data || size <= 0) return {};
  const auto* bytes = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(bytes, bytes + size);
}

}  // namespace

SettingsItem* SettingsCollection::FindItem(uint32_t tag, int32_t id) {
  auto found = std::find_if(mItems.begin(), mItems.end(), [&](const SettingsItem& item) {
    return item.tag == tag && item.id == id;
  });
  return found == mItems.end() ? nullptr : &*found;
}

const SettingsItem* SettingsCollection::Find(uint32_t tag, int32_t id) const {
  return const_cast<SettingsCollection*>(this)->FindItem(tag, id);
}

OSStatus SettingsCollection::Add(uint32_t tag, int32_t id, const void* data, long size) {
  if (size < 0 || (size > 0 && !data)) return paramErr;
  if (SettingsItem* item = FindItem(tag, id)) {
    if (item->attributes & kCollectionLockBit) return collectionItemLockedErr;
    item->value = Bytes(data, size);
    return noErr;
  }
  mItems.push_back(SettingsItem{tag, id, 0, Bytes(data, size)});
  return noErr;
}

OSStatus SettingsCollection::Set(uint32_t tag, int32_t id, const void* data, long size) {
  SettingsItem* item = FindItem(tag, id);
  if (!item) return collectionItemNotFoundErr;
  if (item->attributes & kCollectionLockBit) return collectionItemLockedErr;
  if (size < 0 || (size > 0 && !data)) return paramErr;
  item->value = Bytes(data, size);
  return noErr;
}

OSStatus SettingsCollection::Remove(uint32_t tag, int32_t id) {
  SettingsItem* item = FindItem(tag, id);
  if (!item) return collectionItemNotFoundErr;
  if (item->attributes & kCollectionLockBit) return collectionItemLockedErr;
  mItems.erase(mItems.begin() + (item - mItems.data()));
  return noErr;
}

OSStatus SettingsCollection::SetAttributes(uint32_t tag, int32_t id, uint32_t mask,
                                           uint32_t values) {
  SettingsItem* item = FindItem(tag, id);
  if (!item) return collectionItemNotFoundErr;
  item->attributes = (item->attributes & ~mask) | (values & mask);
  return noErr;
}

const SettingsItem* SettingsCollection::ItemAt(long index) const {
  if (index < 1 || index > Count()) return nullptr;
  return &mItems[static_cast<size_t>(index - 1)];
}

void SettingsCollection::AddAll(const SettingsCollection& other) {
  for (const SettingsItem& item : other.mItems) {
    SettingsItem* existing = FindItem(item.tag, item.id);
    if (existing)
      *existing = item;
    else
      mItems.push_back(item);
  }
}

std::vector<uint8_t> SettingsCollection::Flatten() const {
  std::vector<uint8_t> block;
  PutBigEndian(block, kFlatMagic);
  PutBigEndian(block, kFlatVersion);
  PutBigEndian(block, static_cast<uint32_t>(mItems.size()));
  for (const SettingsItem& item : mItems) {
    PutBigEndian(block, item.tag);
    PutBigEndian(block, static_cast<uint32_t>(item.id));
    PutBigEndian(block, item.attributes);
    PutBigEndian(block, static_cast<uint32_t>(item.value.size()));
    block.insert(block.end(), item.value.begin(), item.value.end());
  }
  return block;
}

OSStatus SettingsCollection::Unflatten(const uint8_t* block, size_t size) {
  if (!block) return paramErr;
  BlockReader reader(block, size);
  uint32_t magic = 0, version = 0, count = 0;
  if (!reader.Word(magic) || !reader.Word(version) || !reader.Word(count) || magic != kFlatMagic ||
      version != kFlatVersion || count > reader.Remaining() / kItemHeaderSize)
    return collectionVersionErr;
  SettingsCollection read;
  for (uint32_t i = 0; i < count; ++i) {
    SettingsItem item;
    uint32_t id = 0, length = 0;
    if (!reader.Word(item.tag) || !reader.Word(id) || !reader.Word(item.attributes) ||
        !reader.Word(length) || !reader.Bytes(item.value, length))
      return collectionVersionErr;
    item.id = static_cast<int32_t>(id);
    read.mItems.push_back(std::move(item));
  }
  AddAll(read);
  return noErr;
}
