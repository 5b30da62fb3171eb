#pragma once
// The control signatures of the panes and dialogs, and the tab control with its pane containers.
#include <cstdint>

#include "platform/FourCC.h"

inline constexpr OSType kTabsSignature = FourCC("crvl");
inline constexpr OSType kFileSignature = FourCC("file");
inline constexpr OSType kExtrasSignature = FourCC("xtra");
inline constexpr OSType kPageSignature = FourCC("page");
inline constexpr OSType kOutputSignature = FourCC("outp");
inline constexpr OSType kQualitySignature = FourCC("qual");
inline constexpr OSType kInfoSignature = FourCC("info");
inline constexpr OSType kAccessoriesSignature = FourCC("accs");

inline constexpr int32_t kTabControlNumber = 128;
// The pane containers in tab order: File, Page, Output, Quality, Extras, Info, Accessories.
inline constexpr int32_t kTabPaneContainers[] = {129, 130, 131, 132, 133, 134, 135};
inline constexpr int32_t kTabCount = 7;
inline constexpr int32_t kInfoPaneContainer = 134;

// The Accessories pane: the discovered servers, the address field, the synchronisation switch and
// the popups of the PPD group "InstallableOptions" (option i in popup 100 + i).
inline constexpr int32_t kServerListNumber = 3;
inline constexpr int32_t kServerAddressNumber = 4;
inline constexpr int32_t kSyncWithServerNumber = 6;
inline constexpr int32_t kServerStatusNumber =
    7;  // what synchronisation is doing, or why it failed
inline constexpr const char* kInstallableOptionsGroup = "InstallableOptions";
inline constexpr int32_t kFirstInstalledOptionPopup = 100;
inline constexpr int kInstalledOptionPopups = 3;
