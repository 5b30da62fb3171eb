#pragma once
// One input tray of a device: its name, the medium loaded and its type, capacity and fill level.
// The level never exceeds the capacity and is never negative once set.
#include <cstdint>
#include <string>

class TrayInfo {
 public:
  TrayInfo(std::string name, std::string mediaName, std::string mediaType, int maxCapacity);

  const std::string& GetTrayName() const { return mTrayName; }
  const std::string& GetMediaName() const { return mMediaName; }
  const std::string& GetMediaType() const { return mMediaType; }
  int GetMaxLevel() const { return mMaxCapacity; }
  int GetCurrentLevel() const { return mCurrentLevel; }

  void SetMediaName(std::string mediaName) { mMediaName = std::move(mediaName); }
  // A level above the capacity is logged and stored as the capacity; a negative one is ignored.
  void SetTrayLevel(int level);

 private:
  std::string mTrayName;
  std::string mMediaName;
  std::string mMediaType;
  int32_t mMaxCapacity;
  int32_t mCurrentLevel = 0;
};
