#pragma once
// The plug-in frame: the per-dialog context the printing system hands back on every call, the
// frame's ticket and bundle utilities, and the seven life-cycle calls of the dialog-extension
// interface. Every call checks its context, then runs with the bundle's resource map current and
// restores the caller's resource file on every way out.
#include <cstdint>
#include <memory>
#include <string_view>

#include "options/CCorvelOptions.h"
#include "platform/Bundle.h"
#include "platform/toolkit/ToolkitTypes.h"
#include "printsys/PDEInterface.h"
#include "printsys/PMTicket.h"

inline constexpr const char* kCorvelUserOptionKind = "com.ktv.print.pde.CorvelOptions";
inline constexpr OSType kCorvelCreator = FourCC("crvX");
inline constexpr uint32_t kCorvelPaneMaxH = 600;
inline constexpr uint32_t kCorvelPaneMaxV = 575;

struct CorvelOptionsContext {
  int16_t theResFile = -1;  // the bundle's resource map; -1 when none is open
  CFBundleRef theBundleRef = nullptr;
  WindowRef thePrintDlgWindow = nullptr;
  std::unique_ptr<CCorvelOptions> corvelOptions;  // null until Initialize made it
};

// The context of the latest Initialize.
extern CorvelOptionsContext* gContext;

// A new context with the bundle's resource map open. errStartupCheckFailed when it cannot be
// made; kPMGeneralError when the map does not open (the context is handed out all the same).
OSStatus InitContext(CorvelOptionsContext** context);
// The ticket whose handle the session stores under `key`: kPMInvalidKey when there is none or it
// cannot be read, kPMInvalidTicket for a missing output.
OSStatus GetTicketRef(PMPrintSession session, std::string_view key, PMTicketRef* ticket);
// The same read; kPMInvalidParameter for missing data or output, a failed read's own status.
OSStatus GetTicketFromSession(PMPrintSession session, std::string_view key, PMTicketRef* ticket);
CFBundleRef GetBundleRef();

OSStatus Prologue(PMPDEContext* context, OSType* creator,
                  std::optional<std::string>* userOptionKind, std::optional<std::string>* title,
                  uint32_t* maxH, uint32_t* maxV);
OSStatus Initialize(PMPDEContext context, PMPDEFlags* flags, PMPDERef ref,
                    ControlRef parentUserPane, PMPrintSession printSession);
OSStatus Sync(PMPDEContext context, PMPrintSession printSession, uint8_t reinitialize);
OSStatus GetSummaryText(PMPDEContext context, PMStringArray* titleArray,
                        PMStringArray* summaryArray);
OSStatus Open(PMPDEContext context);
OSStatus Close(PMPDEContext context);
OSStatus Terminate(PMPDEContext context, OSStatus status);
