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
