#pragma once
// One colorant supply of a device: its name (null when the server gives none), capacity and
// level, stored as the server reports them.
#include <cstdint>
#include <optional>
#include <string>

class DeviceColorInfo {
 public:
  DeviceColorInfo(std::optional<std::string> name, int maxCapacity, int currentLevel)
      : mColorName(std::move(name)), mMaxCapacity(maxCapacity), mCurrentLevel(currentLevel) {}
  virtual ~DeviceColorInfo() = default;

  const std::optional<std::string>& GetColorName() const { return mColorName; }
  int GetMaxCapacity() const { return mMaxCapacity; }
  int GetCurrentLevel() const { return mCurrentLevel; }
  void SetCurrentLevel(int level) { mCurrentLevel = level; }

 private:
  std::optional<std::string> mColorName;
  int32_t mMaxCapacity;
  int32_t mCurrentLevel;
};
