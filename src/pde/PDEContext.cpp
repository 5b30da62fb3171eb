#include "pde/CorvelPDE.h"

#include <new>

#include "options/CModelInfo.h"
#include "platform/ResourceMap.h"
#include "ui/PDEBundle.h"

CorvelOptionsContext* gContext = nullptr;

OSStatus InitContext(CorvelOptionsContext** context) {
  *context = new (std::nothrow) CorvelOptionsContext;
  if (!*context) return errStartupCheckFailed;
  (*context)->theBundleRef = CFBundleGetBundleWithIdentifier(kCorvelBundleID);
  (*context)->theResFile = CFBundleOpenBundleResourceMap((*context)->theBundleRef);
  return (*context)->theResFile == kResFileNotOpened ? kPMGeneralError : noErr;
}

namespace {

// Reads the number stored under `key`; noErr with the ticket, or the session's status.
OSStatus ReadTicketNumber(PMPrintSession session, std::string_view key, PMTicketRef* ticket) {
  PlistValue data;
  const OSStatus status = PMSessionGetDataFromSession(session, key, &data);
  if (status != noErr) return status;
  const std::optional<int64_t> number = data.GetInteger();
  if (!number) return kPMInvalidKey;
  *ticket = PMTicketFromHandleNumber(int32_t(*number));
  return noErr;
}

}  // namespace

OSStatus GetTicketRef(PMPrintSession session, std::string_view key, PMTicketRef* ticket) {
  if (!ticket) return kPMInvalidTicket;
  return ReadTicketNumber(session, key, ticket) == noErr ? noErr : kPMInvalidKey;
}

OSStatus GetTicketFromSession(PMPrintSession session, std::string_view key, PMTicketRef* ticket) {
  if (!ticket) return kPMInvalidParameter;
  const OSStatus status = ReadTicketNumber(session, key, ticket);
  return status == kPMKeyNotFound ? kPMInvalidParameter : status;
}

CFBundleRef GetBundleRef() { return PDEBundle::mBundle; }
