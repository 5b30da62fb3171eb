#include "serverclient/ServerDevice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/TextEncoding.h"
#include "serverclient/Attributes.h"
#include "serverclient/FixedText.h"
#include "serverclient/QuillonOwned.h"
#include "serverclient/Wrenfold.h"
#include "support/Logging.h"

namespace {

// A device shows at most this many trays; a broken server's larger count is cut here.
constexpr int kMaxTrays = 10;
// Bounds the colorant list of a broken server that reports a huge count.
constexpr int kMaxColorants = 64;

constexpr const char* kTrayName = "vidInput%dName";
constexpr const char* kTrayCapacity = "vidInput%dMaxCapacity";
constexpr const char* kTrayLevel = "vidInput%dCurrentLevel";
constexpr const char* kTrayMediaName = "vidInput%dMediaName";
constexpr const char* kMediaName = "vidMedia%dName";
constexpr const char* kTrayMediaType = "vidInput%dMediaType";
constexpr const char* kColorantCount = "vidMarkerColorantNumOfColorants";
constexpr const char* kColorantName = "vidMarkerColorant%dValue";
constexpr const char* kSupplyCapacity = "vidMarkerSupply%dMaxCapacity";
constexpr const char* kSupplyLevel = "vidMarkerSupply%dLevel";
constexpr const char* kUnknown = "unknown";

// The attribute name for tray or colorant `number` (1-based).
std::string Numbered(const char* format, int number) {
  char name[64];
  std::snprintf(name, sizeof name, format, number);
  return name;
}

// An empty value counts as missing.
std::optional<std::string> NonEmpty(std::optional<std::string> text) {
  if (text && text->empty()) return std::nullopt;
  return text;
}

// The first media alias of library tray record `index`, when there is one.
std::optional<std::string> MediaAlias(QuillonTrayInfo** records, int32_t count, int index) {
  if (!records || index >= count || !records[index]) return std::nullopt;
  char** aliases = records[index]->media_alias;
  if (!aliases || !aliases[0]) return std::nullopt;
  return ToUTF8(aliases[0], kTextEncodingMacRoman);
}

// True, with the broken condition logged, when `index` lies outside the list. A caller's bad
// index gets no element rather than stopping the print dialog.
bool OutsideList(int index, std::size_t size) {
  const char* broken = index < 0                                 ? "index >= 0"
                       : static_cast<std::size_t>(index) >= size ? "index < mTrays.size()"
                                                                 : nullptr;
  if (broken) trace_log(0, "ServerDevice: assertion failed: %s\n", broken);
  return broken != nullptr;
}

template <typename List>
auto* Element(const List& list, int index) {
  return OutsideList(index, list.size()) ? nullptr : list[index].get();
}

}  // namespace

ServerDevice::ServerDevice(Wrenfold* wrenfold, int deviceIndex)
    : mDeviceIndex(deviceIndex),
      mAttributes(std::make_unique<Attributes>(wrenfold)),
      mWrenfoldObject(wrenfold) {
  mAttributes->OpenSession();
}

ServerDevice::~ServerDevice() { mAttributes->CloseSession(); }

void ServerDevice::GetAllDeviceInfo() {
  FetchColorInfo();
  UpdateDeviceInfo();
}

void ServerDevice::UpdateDeviceInfo() {
  FetchTrayInfo();
  for (std::size_t k = 0; k < mTrays.size(); ++k)
    mTrays[k]->SetTrayLevel(mAttributes->GetAttributeSingleAsInt(
        Numbered(kTrayLevel, static_cast<int>(k) + 1).c_str(), mDeviceIndex));
  FetchColorInfo();
  for (std::size_t k = 0; k < mDeviceColors.size(); ++k)
    mDeviceColors[k]->SetCurrentLevel(mAttributes->GetAttributeSingleAsInt(
        Numbered(kSupplyLevel, static_cast<int>(k) + 1).c_str(), mDeviceIndex));
}

void ServerDevice::FetchTrayInfo() {
  if (mHaveTraysLoaded) return;
  const int count = std::min(mAttributes->GetTrayCount(mDeviceIndex), kMaxTrays);
  QuillonOwned<QuillonTrayInfo*> records;
  int32_t recordCount = 0;
  DEV_getTrayInfo(mWrenfoldObject->GetServerHandle(), mDeviceIndex, records.Out(), &recordCount,
                  nullptr);
  if (count > 0) mTrays.reserve(count);
  for (int number = 1; number <= count; ++number)
    mTrays.push_back(MakeTray(number, records.Get(), recordCount));
  mHaveTraysLoaded = true;
  mIsLoaded = false;
}

std::unique_ptr<TrayInfo> ServerDevice::MakeTray(int number, QuillonTrayInfo** records,
                                                 int32_t recordCount) {
  auto localized = [&](const char* format) {
    return NonEmpty(mAttributes->GetAttributeSingleAsCFString(Numbered(format, number).c_str(),
                                                              mDeviceIndex, true));
  };
  auto integer = [&](const char* format) {
    return mAttributes->GetAttributeSingleAsInt(Numbered(format, number).c_str(), mDeviceIndex);
  };
  std::string name = localized(kTrayName).value_or(kUnknown);
  std::optional<std::string> media = localized(kTrayMediaName);
  if (!media) media = localized(kMediaName);
  if (!media) media = MediaAlias(records, recordCount, number - 1);
  std::string type = localized(kTrayMediaType).value_or(kUnknown);
  auto tray = std::make_unique<TrayInfo>(std::move(name), media.value_or(kUnknown), std::move(type),
                                         integer(kTrayCapacity));
  tray->SetTrayLevel(integer(kTrayLevel));
  return tray;
}

void ServerDevice::FetchColorInfo() {
  if (mHaveColorsLoaded) return;
  const int count =
      std::min(mAttributes->GetAttributeSingleAsInt(kColorantCount, mDeviceIndex), kMaxColorants);
  for (int number = 1; number <= count; ++number) {
    auto read = [&](const char* format) {
      return mAttributes->GetAttributeSingleAsInt(Numbered(format, number).c_str(), mDeviceIndex);
    };
    mDeviceColors.push_back(std::make_unique<DeviceColorInfo>(
        mAttributes->GetAttributeSingleAsCFString(Numbered(kColorantName, number).c_str(),
                                                  mDeviceIndex, false),
        read(kSupplyCapacity), read(kSupplyLevel)));
  }
  mHaveColorsLoaded = true;
}

void ServerDevice::GetMessages(char* first, char* second) {
  QuillonOwned<char> text1;
  QuillonOwned<char> text2;
  if (DEV_getMessages(mWrenfoldObject->GetServerHandle(), mDeviceIndex, text1.Out(), text2.Out(),
                      nullptr) != 0)
    return;
  CopyFixedText(first, kDeviceMessageSize, text1.Get());
  CopyFixedText(second, kDeviceMessageSize, text2.Get());
}

void ServerDevice::CheckAllScopes() { mAttributes->CheckScopes(0); }

TrayInfo* ServerDevice::GetTrayInfo(int index) const { return Element(mTrays, index); }

DeviceColorInfo* ServerDevice::GetColorInfo(int index) const {
  return Element(mDeviceColors, index);
}
