#include "ppdx/settings/Settings.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "ppdx/stream/DataStream.h"

namespace {

void ReverseBytes(uint8_t* bytes, size_t count) { std::reverse(bytes, bytes + count); }

}  // namespace

Settings::Settings() : mValid(true), mCollection(std::make_unique<SettingsCollection>()) {}

Settings::Settings(std::unique_ptr<SettingsCollection> store)
    : mValid(store != nullptr), mCollection(std::move(store)) {}

Settings::Settings(const Settings& other) : mError(other.mError), mValid(other.mValid) {
  if (other.mCollection) mCollection = std::make_unique<SettingsCollection>(*other.mCollection);
  mValid = mCollection != nullptr;
}

Settings::Settings(const std::vector<uint8_t>* flatBlock)
    : mCollection(std::make_unique<SettingsCollection>()) {
  if (!flatBlock) {
    mError = paramErr;
    return;
  }
  mError = mCollection->Unflatten(flatBlock->data(), flatBlock->size());
  mValid = mError == noErr;
}

Settings& Settings::operator=(const Settings& other) {
  if (this == &other) return *this;
  mError = other.mError;
  mValid = other.mValid;
  if (!other.mCollection) {
    mCollection.reset();
  } else if (mCollection) {
    *mCollection = *other.mCollection;
  } else {
    mCollection = std::make_unique<SettingsCollection>(*other.mCollection);
  }
  return *this;
}

Settings::~Settings() = default;

OSStatus Settings::Add(uint32_t tag, long id, const void* data, long size) {
  if (!mCollection) return Result(kSettingsNoStore);
  return Result(mCollection->Add(tag, static_cast<int32_t>(id), data, size));
}

OSStatus Settings::Get(uint32_t tag, long id, void* data, long& size, bool swap) {
  if (!mCollection) return Result(kSettingsNoStore);
  const SettingsItem* item = mCollection->Find(tag, static_cast<int32_t>(id));
  if (!item) return Result(collectionItemNotFoundErr);
  long itemSize = static_cast<long>(item->value.size());
  if (!data) {
    size = itemSize;
    return Result(noErr);
  }
  if (size < itemSize) {
    size = itemSize;
    return Result(paramErr);
  }
  if (itemSize > 0) std::memcpy(data, item->value.data(), item->value.size());
  size = itemSize;
  if (swap) return FixEndianness(data, size, true);
  return Result(noErr);
}

OSStatus Settings::Set(uint32_t tag, long id, const void* data, long size) {
  if (!mCollection) return Result(kSettingsNoStore);
  return Result(mCollection->Set(tag, static_cast<int32_t>(id), data, size));
}

OSStatus Settings::Remove(uint32_t tag, long id) {
  if (!mCollection) return Result(kSettingsNoStore);
  return Result(mCollection->Remove(tag, static_cast<int32_t>(id)));
}

OSStatus Settings::SetAttribute(uint32_t tag, long id, uint32_t mask, bool set) {
  if (!mCollection) return Result(kSettingsNoStore);
  return Result(mCollection->SetAttributes(tag, static_cast<int32_t>(id), mask, set ? mask : 0));
}

OSStatus Settings::Describe(long index, uint32_t& tag, long& id, long& size, uint32_t& attributes) {
  const SettingsItem* item = mCollection->ItemAt(index);
  if (!item) return Result(collectionIndexRangeErr);
  tag = item->tag;
  id = item->id;
  size = static_cast<long>(item->value.size());
  attributes = item->attributes;
  return Result(noErr);
}

OSStatus Settings::First(uint32_t& tag, long& id, long& size, uint32_t& attributes) {
  tag = 0, id = 0, size = 0, attributes = 0;
  if (!mCollection) return Result(kSettingsNoStore);
  if (mCollection->Count() == 0) return Result(kSettingsEmpty);
  mIndex = 1;
  return Describe(mIndex, tag, id, size, attributes);
}

OSStatus Settings::Next(uint32_t& tag, long& id, long& size, uint32_t& attributes) {
  tag = 0, id = 0, size = 0, attributes = 0;
  if (!mCollection) return Result(kSettingsNoStore);
  long count = mCollection->Count();
  if (count == 0) return Result(kSettingsEmpty);
  if (++mIndex > count) return Result(kSettingsPastEnd);
  return Describe(mIndex, tag, id, size, attributes);
}

long Settings::Count() { return mCollection ? mCollection->Count() : 0; }

bool Settings::Empty() { return Count() == 0; }

bool Settings::OtherByteOrder() const {
  if (!mCollection) return false;
  const SettingsItem* marker = mCollection->Find(kByteOrderMarkerTag, kByteOrderMarkerId);
  if (!marker || marker->value.size() != 4) return false;
  int32_t count = 0;
  std::memcpy(&count, marker->value.data(), 4);
  return count > kByteOrderMarkerLimit;
}

OSStatus Settings::FixEndianness(void* data, long size, bool fix) {
  if (!fix || !data) return mError;
  auto* bytes = static_cast<uint8_t*>(data);
  bool swap = OtherByteOrder();
  switch (size) {
    case 4:
    case 2:
      if (swap) ReverseBytes(bytes, static_cast<size_t>(size));
      return Result(noErr);
    case 70:  // file record: 16-bit volume, then 32-bit folder id; the name stays as it is
      if (swap) {
        ReverseBytes(bytes, 2);
        ReverseBytes(bytes + 2, 4);
      }
      return Result(noErr);
    default:
      return Result(kSettingsNoStore);
  }
}

OSStatus Settings::GetSettingsHandle(std::vector<uint8_t>& out) {
  out.clear();
  if (!mCollection) return Result(kSettingsNoStore);
  out = mCollection->Flatten();
  return Result(noErr);
}

OSStatus Settings::Save(DataStream* stream) {
  if (!stream || !stream->Usable()) return Result(kSettingsBadStream);
  std::vector<uint8_t> block;
  if (OSStatus status = GetSettingsHandle(block); status != noErr) return status;
  // A write that does not take the whole block is a failed save.
  if (stream->Write(block.data(), static_cast<long>(block.size())) != noErr)
    return Result(kSettingsBadStream);
  return Result(noErr);
}

OSStatus Settings::Read(DataStream* stream, long size) {
  if (!stream || !stream->Usable()) return Result(kSettingsBadStream);
  if (!mCollection) return Result(kSettingsNoStore);
  if (size == 0) size = stream->Available();
  if (size <= 0) return Result(noErr);
  std::vector<uint8_t> block(static_cast<size_t>(size));
  long count = size;
  OSStatus status = noErr;
  if (!stream->Read(block.data(), count, status))
    return Result(status != noErr ? status : kSettingsBadStream);
  return Result(mCollection->Unflatten(block.data(), static_cast<size_t>(count)));
}
