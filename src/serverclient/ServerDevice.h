#pragma once
// One print device of the server: its input trays (at most ten) and colorant supplies, read
// through the device's own attribute session, which stays open for the device's life. The lists
// are read once; later refreshes update only the levels.
#include <cstddef>
#include <memory>
#include <vector>

#include "q10/q10.h"
#include "serverclient/DeviceColorInfo.h"
#include "serverclient/TrayInfo.h"

class Attributes;
class Wrenfold;

// The size of each buffer handed to ServerDevice::GetMessages; longer messages are cut.
inline constexpr std::size_t kDeviceMessageSize = 256;

class ServerDevice {
 public:
  using TrayList = std::vector<std::unique_ptr<TrayInfo>>;
  using ColorList = std::vector<std::unique_ptr<DeviceColorInfo>>;

  // Opens the device's attribute session at once.
  ServerDevice(Wrenfold* wrenfold, int deviceIndex);
  virtual ~ServerDevice();
  ServerDevice(const ServerDevice&) = delete;
  ServerDevice& operator=(const ServerDevice&) = delete;

  bool IsLoaded() const { return mIsLoaded; }
  // Reads the colorants, then the trays, then every level.
  void GetAllDeviceInfo();
  // Reads the lists when not read yet, and the current levels of every tray and colorant.
  void UpdateDeviceInfo();
  void FetchTrayInfo();
  void FetchColorInfo();
  // On success copies the two status messages into buffers of kDeviceMessageSize bytes; on
  // failure leaves them untouched.
  void GetMessages(char* first, char* second);
  void CheckAllScopes();

  int GetTrayCount() const { return static_cast<int>(mTrays.size()); }
  int GetColorCount() const { return static_cast<int>(mDeviceColors.size()); }
  // The element at 0 <= index < count; null (and a logged assertion) for any other index.
  TrayInfo* GetTrayInfo(int index) const;
  DeviceColorInfo* GetColorInfo(int index) const;
  TrayList::const_iterator TrayInfoBegin() const { return mTrays.begin(); }
  TrayList::const_iterator TrayInfoEnd() const { return mTrays.end(); }
  ColorList::const_iterator ColorInfoBegin() const { return mDeviceColors.begin(); }
  ColorList::const_iterator ColorInfoEnd() const { return mDeviceColors.end(); }

 private:
  std::unique_ptr<TrayInfo> MakeTray(int number, QuillonTrayInfo** records, int32_t recordCount);

  int32_t mDeviceIndex;
  TrayList mTrays;
  ColorList mDeviceColors;
  std::unique_ptr<Attributes> mAttributes;
  Wrenfold* mWrenfoldObject;
  bool mIsLoaded = false;
  bool mHaveTraysLoaded = false;
  bool mHaveColorsLoaded = false;
};
