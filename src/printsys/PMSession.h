#pragma once
// The print session of the printing-system stand-in: the current printer and the session data a
// dialog extension reads by key. The printing system stores its tickets there as numbers holding
// the ticket handle, under kPMPrinterInfoTicketKey and kPMPrintSettingsTicketKey.
#include <optional>
#include <string>
#include <string_view>

#include "platform/PlistValue.h"
#include "platform/Status.h"

struct PMSessionRecord;
struct PMPrinterRecord;
using PMPrintSession = PMSessionRecord*;
using PMPrinter = PMPrinterRecord*;

inline constexpr std::string_view kPMPrinterInfoTicketKey = "PMPrinterInfoTicket";
inline constexpr std::string_view kPMPrintSettingsTicketKey = "PMPrintSettingsTicket";

// A new session without printer or data; released with PMRelease.
OSStatus PMCreateSession(PMPrintSession* outSession);
OSStatus PMRelease(PMPrintSession session);

// Session data by key. Get: kPMKeyNotFound when there is none, kPMInvalidParameter for a null
// session or output.
OSStatus PMSessionSetDataInSession(PMPrintSession session, std::string_view key, PlistValue data);
OSStatus PMSessionGetDataFromSession(PMPrintSession session, std::string_view key,
                                     PlistValue* outData);
OSStatus PMSessionRemoveDataFromSession(PMPrintSession session, std::string_view key);

// The current printer, known by the name the dialog shows for it (a CUPS queue's description,
// or its name) and, when the host knows it, by its CUPS queue name. Get: kPMGeneralError when no
// printer is chosen. The printer belongs to the session and stays valid until the next
// SetCurrentPrinter or the session's release.
OSStatus PMSessionSetCurrentPrinter(PMPrintSession session, std::string_view displayName,
                                    std::string_view queueName = {});
OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter* outPrinter);
// The printer's display name; empty for a null printer.
std::string PMPrinterGetName(PMPrinter printer);
// The printer's CUPS queue name; empty when the host did not name it, or for a null printer.
std::string PMPrinterGetID(PMPrinter printer);
