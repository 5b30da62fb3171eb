#pragma once
// The dialog-extension interface: the table of functions through which the printing system drives
// one pane of its Print dialog. A dialog-extension object starts with a pointer to its table; the
// table starts with the plug-in header (Retain, Release, GetAPIVersion), then the seven life-cycle
// calls in the order the printing system makes them: Prologue, Initialize, any number of Sync and
// GetSummaryText, Open/Close as the pane is shown and hidden, Terminate.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FourCC.h"
#include "platform/Status.h"
#include "platform/UUID.h"
#include "platform/toolkit/ToolkitTypes.h"
#include "printsys/PMSession.h"

// The type of dialog extensions supplied with a printer, and the dialog-extension interface.
inline constexpr const char* kPMPrinterModuleDialogExtensionTypeIDStr =
    "BDB091F4-E57F-11D3-B5CC-0050E4603277";
inline constexpr const char* kPMDialogExtensionIntfIDStr = "A996FD7E-B738-11D3-8519-0050E4603277";

using PMPDEContext = void*;  // the extension's own per-dialog record, opaque to the host
using PMPDERef = void*;
using PMPDEFlags = uint32_t;
inline constexpr PMPDEFlags kPMPDENoSummary = 1;  // the pane offers no summary text

using PMStringArray = std::optional<std::vector<std::string>>;

struct PMPlugInAPIVersion {
  uint32_t buildVersionMajor;
  uint32_t buildVersionMinor;
  uint32_t baseVersionMajor;
  uint32_t baseVersionMinor;
};

struct PMPlugInHeaderInterface;
struct PMPlugInHeader {
  OSStatus (*Retain)(PMPlugInHeaderInterface* obj);
  // Clears the caller's reference; the object goes when its count reaches 0.
  OSStatus (*Release)(PMPlugInHeaderInterface** objPtr);
  OSStatus (*GetAPIVersion)(PMPlugInHeaderInterface* obj, PMPlugInAPIVersion* versionPtr);
};

// The ten entries, in this order.
struct PlugInIntfVTable {
  PMPlugInHeader plugInHeader;
  OSStatus (*Prologue)(PMPDEContext* context, OSType* creator,
                       std::optional<std::string>* userOptionKind,
                       std::optional<std::string>* title, uint32_t* maxH, uint32_t* maxV);
  OSStatus (*Initialize)(PMPDEContext context, PMPDEFlags* flags, PMPDERef ref,
                         ControlRef parentUserPane, PMPrintSession printSession);
  // reinitialize is a byte: 0 commits the pane, 1 refills it, other values do neither.
  OSStatus (*Sync)(PMPDEContext context, PMPrintSession printSession, uint8_t reinitialize);
  OSStatus (*GetSummaryText)(PMPDEContext context, PMStringArray* titleArray,
                             PMStringArray* summaryArray);
  OSStatus (*Open)(PMPDEContext context);
  OSStatus (*Close)(PMPDEContext context);
  OSStatus (*Terminate)(PMPDEContext context, OSStatus status);
};

// What the host sees of a dialog-extension object.
struct PlugInIntf {
  PlugInIntfVTable* vtable;
};
