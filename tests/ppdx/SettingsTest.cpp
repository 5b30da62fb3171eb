#include <gtest/gtest.h>

#include <cstring>

#include "PPDXTestSupport.h"
#include "ppdx/stream/MemoryDataStream.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"

namespace {

constexpr uint32_t kTag = FourCC("Test");

int32_t Int32At(Settings& settings, uint32_t tag, long id, bool swap) {
  int32_t value = 0;
  long size = sizeof value;
  EXPECT_EQ(settings.Get(tag, id, &value, size, swap), noErr);
  return value;
}

TEST(Settings, AddReplacesButSetNeverCreates) {
  Settings settings;
  int32_t one = 1, two = 2;
  EXPECT_EQ(settings.Set(kTag, 1, &one, 4), collectionItemNotFoundErr);
  EXPECT_EQ(settings.Count(), 0);
  ASSERT_EQ(settings.Add(kTag, 1, &one, 4), noErr);
  ASSERT_EQ(settings.Add(kTag, 1, &two, 4), noErr);
  EXPECT_EQ(settings.Count(), 1);
  EXPECT_EQ(Int32At(settings, kTag, 1, false), 2);
  EXPECT_EQ(settings.Set(kTag, 1, &one, 4), noErr);
  EXPECT_EQ(Int32At(settings, kTag, 1, false), 1);
  EXPECT_EQ(settings.Remove(kTag, 1), noErr);
  EXPECT_TRUE(settings.Empty());
  EXPECT_EQ(settings.Remove(kTag, 1), collectionItemNotFoundErr);
  EXPECT_EQ(settings.LastError(), collectionItemNotFoundErr);
}

TEST(Settings, GetReportsTheSizeNeverOverrunsAndSwapsOnlyNumbers) {
  Settings settings;
  const char text[] = "0123456789";
  settings.Add(kTag, 7, text, 10);
  long size = 0;
  EXPECT_EQ(settings.Get(kTag, 7, nullptr, size, false), noErr);
  EXPECT_EQ(size, 10);
  char small[4] = {'a', 'b', 'c', 'd'};
  size = sizeof small;
  EXPECT_EQ(settings.Get(kTag, 7, small, size, false), paramErr);
  EXPECT_EQ(size, 10);
  EXPECT_EQ(small[0], 'a');
  // A three-byte item is copied, but cannot be swapped.
  settings.Add(kTag, 3, "xyz", 3);
  char out[3];
  size = 3;
  EXPECT_EQ(settings.Get(kTag, 3, out, size, true), kSettingsNoStore);
  EXPECT_EQ(std::string(out, 3), "xyz");
}

TEST(Settings, LockAndUnlockTouchOnlyTheLockBit) {
  Settings settings;
  int32_t value = 5;
  settings.Add(kTag, 1, &value, 4);
  settings.SetAttribute(kTag, 1, 0x00000011, true);
  ASSERT_EQ(settings.Lock(kTag, 1), noErr);
  uint32_t tag;
  long id, size;
  uint32_t attributes;
  settings.First(tag, id, size, attributes);
  EXPECT_EQ(attributes, 0x80000011u);
  EXPECT_EQ(settings.Add(kTag, 1, &value, 4), collectionItemLockedErr);
  EXPECT_EQ(settings.Remove(kTag, 1), collectionItemLockedErr);
  ASSERT_EQ(settings.Unlock(kTag, 1), noErr);
  settings.First(tag, id, size, attributes);
  EXPECT_EQ(attributes, 0x00000011u);
  EXPECT_EQ(settings.Remove(kTag, 1), noErr);
}

TEST(Settings, FirstAndNextWalkTheItemsInOrder) {
  Settings settings;
  uint32_t tag = 9;
  long id = 9, size = 9;
  uint32_t attributes = 9;
  EXPECT_EQ(settings.First(tag, id, size, attributes), kSettingsEmpty);
  EXPECT_EQ(tag, 0u);
  EXPECT_EQ(settings.Next(tag, id, size, attributes), kSettingsEmpty);
  settings.Add(kTag, 1, "ab", 2);
  settings.Add(kTag, 2, "cde", 3);
  ASSERT_EQ(settings.First(tag, id, size, attributes), noErr);
  EXPECT_EQ(id, 1);
  EXPECT_EQ(size, 2);
  ASSERT_EQ(settings.Next(tag, id, size, attributes), noErr);
  EXPECT_EQ(id, 2);
  EXPECT_EQ(size, 3);
  EXPECT_EQ(settings.Next(tag, id, size, attributes), kSettingsPastEnd);
  EXPECT_EQ(id, 0);
}

TEST(Settings, ByteOrderMarkerSwapsNumbersWhenAboveTheLimit) {
  Settings settings;
  int32_t count = 10001;
  settings.Add(kByteOrderMarkerTag, kByteOrderMarkerId, &count, 4);
  const uint8_t shortValue[] = {0x01, 0x02};
  settings.Add(kTag, 1, shortValue, 2);
  uint8_t out[2];
  long size = 2;
  ASSERT_EQ(settings.Get(kTag, 1, out, size, true), noErr);
  EXPECT_EQ(out[0], 0x02);
  EXPECT_EQ(out[1], 0x01);
  size = 2;
  ASSERT_EQ(settings.Get(kTag, 1, out, size, false), noErr);
  EXPECT_EQ(out[0], 0x01);

  count = 10000;
  settings.Add(kByteOrderMarkerTag, kByteOrderMarkerId, &count, 4);
  size = 2;
  ASSERT_EQ(settings.Get(kTag, 1, out, size, true), noErr);
  EXPECT_EQ(out[0], 0x01);
  EXPECT_EQ(settings.Count(), 2);  // the item count itself is never swapped
}

TEST(Settings, FileRecordSwapsVolumeAndFolderOnly) {
  Settings settings;
  int32_t count = 0x01000000;
  settings.Add(kByteOrderMarkerTag, kByteOrderMarkerId, &count, 4);
  uint8_t record[70] = {0x11, 0x22, 0x01, 0x02, 0x03, 0x04, 0x03, 'a', 'b', 'c'};
  ASSERT_EQ(settings.FixEndianness(record, 70, true), noErr);
  EXPECT_EQ(record[0], 0x22);
  EXPECT_EQ(record[2], 0x04);
  EXPECT_EQ(record[5], 0x01);
  EXPECT_EQ(record[6], 0x03);
  EXPECT_EQ(record[7], 'a');
}

// Items, their attributes and empty items read back the same from a stream.
TEST(Settings, RoundTripThroughAStream) {
  Settings original;
  int32_t number = 1234;
  original.Add(kTag, 1, &number, 4);
  original.Add(FourCC("Text"), 2, "hello", 5);
  original.Add(kTag, 3, nullptr, 0);
  original.Lock(kTag, 1);
  MemoryDataStream memory;
  ASSERT_EQ(original.Save(&memory), noErr);
  Settings copy;
  ASSERT_EQ(copy.Read(&memory, 0), noErr);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(Int32At(copy, kTag, 1, false), 1234);
  auto text = GetSettingsString(copy, FourCC("Text"), 2);
  ASSERT_TRUE(text);
  EXPECT_STREQ(*text, "hello");
  EXPECT_EQ(copy.Add(kTag, 1, &number, 4), collectionItemLockedErr);  // attributes came along
  EXPECT_EQ(GetSettingsString(copy, kTag, 3), nullptr);               // an empty item has no text
}

TEST(Settings, FlatBlocksAndBadStreams) {
  Settings original;
  original.Add(kTag, 1, "a", 1);
  std::vector<uint8_t> block;
  ASSERT_EQ(original.GetSettingsHandle(block), noErr);
  Settings fromBlock(&block);
  EXPECT_TRUE(fromBlock.Valid());
  EXPECT_EQ(fromBlock.Count(), 1);

  Settings fromNull(static_cast<const std::vector<uint8_t>*>(nullptr));
  EXPECT_EQ(fromNull.LastError(), paramErr);
  std::vector<uint8_t> truncated(block.begin(), block.end() - 1);
  EXPECT_FALSE(Settings(&truncated).Valid());
  std::vector<uint8_t> garbage = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  EXPECT_FALSE(Settings(&garbage).Valid());

  EXPECT_EQ(original.Save(nullptr), kSettingsBadStream);
  EXPECT_EQ(original.Read(nullptr, 0), kSettingsBadStream);
  struct UnusableStream : MemoryDataStream {
    long Usable() const override { return 0; }
  } unusable;
  EXPECT_EQ(original.Save(&unusable), kSettingsBadStream);
  EXPECT_EQ(original.Read(&unusable, 0), kSettingsBadStream);
  MemoryDataStream shortStream(std::vector<uint8_t>{1, 2});
  EXPECT_EQ(original.Read(&shortStream, 100), eofErr);
}

TEST(Settings, CopiesAreIndependent) {
  Settings original;
  original.Add(kTag, 1, "a", 1);
  Settings copy(original);
  copy.Add(kTag, 2, "b", 1);
  EXPECT_EQ(original.Count(), 1);
  Settings assigned;
  assigned.Add(kTag, 9, "z", 1);
  assigned = copy;
  EXPECT_EQ(assigned.Count(), 2);
  EXPECT_EQ(GetSettingsString(assigned, kTag, 9), nullptr);
}

TEST(SettingsStrings, ExternalFormRoundTripsAndHonoursByteOrderMarks) {
  const std::string text = "Größe 日本 \xF0\x9F\x96\xA8";
  long size = 0;
  std::vector<uint8_t> external = CFStringToExternal(text, &size);
  EXPECT_EQ(size, long(external.size()));
  EXPECT_EQ(size, 2 + 2 * 11);  // mark, 9 units in the BMP, one surrogate pair
  EXPECT_EQ(ExtenalToCFString(external.data(), size), text);

  const unsigned char bigEndian[] = {0xFE, 0xFF, 0x00, 'A', 0x00, 'b'};
  EXPECT_EQ(ExtenalToCFString(bigEndian, 6), "Ab");
  const unsigned char littleEndian[] = {0xFF, 0xFE, 'A', 0x00, 'b', 0x00};
  EXPECT_EQ(ExtenalToCFString(littleEndian, 6), "Ab");
  EXPECT_EQ(ExtenalToCFString(nullptr, 4), std::nullopt);

  EXPECT_EQ(ExtenalToCFString(CFStringToExternal("a\xFFz").data(), 8), "a?z");
}

TEST(SettingsStrings, PlatformStringItems) {
  Settings settings;
  std::vector<uint8_t> external = CFStringToExternal("Seitengröße");
  settings.Add(kTag, 1, external.data(), long(external.size()));
  EXPECT_EQ(GetSettingsCFString(settings, kTag, 1), "Seitengröße");
  EXPECT_EQ(GetSettingsCFString(settings, kTag, 2), std::nullopt);
}

}  // namespace
