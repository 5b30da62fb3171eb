#pragma once
// Print tickets of the printing-system stand-in: a ticket holds the PPD dictionary (PPD main
// keyword -> choice keyword) the printing system turns into PPD code, and string entries that
// clients of the print path set by key. Tickets live in one registry of the process and are known
// by handles that are ids, never addresses: a released ticket's handle resolves to nothing, and
// every call on it answers kPMInvalidTicket.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Status.h"

struct OpaquePMTicketRef;
using PMTicketRef = OpaquePMTicketRef*;
// The ticket's PPD dictionary; it belongs to the ticket.
using PMPPDDict = std::map<std::string, std::string>;

// A held job's standard attributes ride in its print-settings ticket as string entries keyed by
// this prefix and the attribute's name ("PMJobAttribute.sides"), so that the dialog's panes can
// start from what the job already asks for.
inline constexpr std::string_view kPMJobAttributePrefix = "PMJobAttribute.";

// The ticket handle a session stores as a number, and back.
int32_t PMTicketHandleNumber(PMTicketRef ticket);
PMTicketRef PMTicketFromHandleNumber(int64_t number);

// A new, empty ticket; the caller releases it with PMTicketRelease.
OSStatus PMTicketCreate(PMTicketRef* outTicket);
OSStatus PMTicketRelease(PMTicketRef ticket);

// The ticket's PPD dictionary (the node indexes are accepted and not used). kPMInvalidTicket for
// an unknown ticket, paramErr when `outDict` is null.
OSStatus PMTicketGetPPDDict(PMTicketRef ticket, uint32_t nodeIndex1, uint32_t nodeIndex2,
                            PMPPDDict** outDict);

// Sets the string entry `key` for client `clientID`; a locked entry cannot be replaced
// (kPMInvalidKey). kPMInvalidTicket for an unknown ticket, paramErr for an empty key.
OSStatus PMTicketSetCFString(PMTicketRef ticket, const std::string& clientID,
                             const std::string& key, const std::string& value, bool locked);
// Removes the string entry `key` (noErr when there is none); a locked entry stays (kPMInvalidKey).
OSStatus PMTicketRemoveCFString(PMTicketRef ticket, const std::string& key);
// The string entry `key`: kPMKeyNotFound when there is none.
OSStatus PMTicketGetCFString(PMTicketRef ticket, const std::string& key, std::string* outValue);
// The client that set entry `key`, nullopt when there is none.
std::optional<std::string> PMTicketGetClientOfKey(PMTicketRef ticket, const std::string& key);
// Every string entry of the ticket, by key; empty for an unknown ticket.
std::map<std::string, std::string> PMTicketCopyStringEntries(PMTicketRef ticket);
