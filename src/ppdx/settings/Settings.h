#pragma once
// The PPD library's persistence container: items addressed by (tag, id), each a block of bytes
// with attribute bits. Values are raw bytes in the byte order of the machine that wrote them;
// numeric items read back on a machine of the other order are corrected on request.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Status.h"
#include "ppdx/settings/SettingsCollection.h"

class DataStream;

inline constexpr OSStatus kSettingsNoStore =
    1000;                                         // no item store, or a size that cannot be swapped
inline constexpr OSStatus kSettingsEmpty = 1001;  // First or Next on an empty store
inline constexpr OSStatus kSettingsPastEnd = 1002;   // Next past the last item
inline constexpr OSStatus kSettingsBadStream = 201;  // no stream or an unusable one
inline constexpr uint32_t kSettingsLockAttribute = 0x80000000u;

// The byte-order marker: the property count of a saved model (tag 3000, id 3002).
inline constexpr uint32_t kByteOrderMarkerTag = 3000;
inline constexpr long kByteOrderMarkerId = 3002;
inline constexpr int32_t kByteOrderMarkerLimit = 10000;

class Settings {
 public:
  Settings();
  explicit Settings(std::unique_ptr<SettingsCollection> store);  // takes the store over
  Settings(const Settings& other);
  explicit Settings(const std::vector<uint8_t>* flatBlock);  // null: mError -50
  Settings& operator=(const Settings& other);
  virtual ~Settings();

  OSStatus Add(uint32_t tag, long id, const void* data, long size);
  // With data null only size is reported. Otherwise size is the capacity of data on entry and
  // the item's size on return; an item larger than the capacity is not copied (-50).
  OSStatus Get(uint32_t tag, long id, void* data, long& size, bool swap);
  OSStatus Set(uint32_t tag, long id, const void* data, long size);
  OSStatus Remove(uint32_t tag, long id);
  OSStatus Lock(uint32_t tag, long id) {
    return SetAttribute(tag, id, kSettingsLockAttribute, true);
  }
  OSStatus Unlock(uint32_t tag, long id) {
    return SetAttribute(tag, id, kSettingsLockAttribute, false);
  }
  OSStatus SetAttribute(uint32_t tag, long id, uint32_t mask, bool set);
  OSStatus First(uint32_t& tag, long& id, long& size, uint32_t& attributes);
  OSStatus Next(uint32_t& tag, long& id, long& size, uint32_t& attributes);
  long Count();
  bool Empty();
  bool Valid() const { return mValid; }
  OSStatus LastError() const { return mError; }

  // Swaps a 4-, 2- or 70-byte value when the store was written in the other byte order.
  OSStatus FixEndianness(void* data, long size, bool fix);
  bool OtherByteOrder() const;

  OSStatus GetSettingsHandle(std::vector<uint8_t>& out);  // out is emptied on failure
  OSStatus Save(DataStream* stream);
  OSStatus Read(DataStream* stream, long size);

 private:
  OSStatus Result(OSStatus status) { return mError = status; }
  OSStatus Describe(long index, uint32_t& tag, long& id, long& size, uint32_t& attributes);

  OSStatus mError = noErr;
  bool mValid = false;
  std::unique_ptr<SettingsCollection> mCollection;
  long mIndex = 0;
};
