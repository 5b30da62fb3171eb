#include "printsys/PMTicket.h"

#include <mutex>

namespace {

struct TicketEntry {
  std::string clientID;
  std::string value;
  bool locked = false;
};

struct Ticket {
  PMPPDDict ppdDict;
  std::map<std::string, TicketEntry> strings;
};

// Every ticket of the process by id; ids are never reused, so a stale handle finds nothing.
struct TicketRegistry {
  std::mutex mutex;
  std::map<uintptr_t, Ticket> tickets;
  uintptr_t lastID = 0;
};

TicketRegistry& Registry() {
  static TicketRegistry registry;
  return registry;
}

uintptr_t IDOf(PMTicketRef ticket) { return reinterpret_cast<uintptr_t>(ticket); }

// The ticket of a handle, or null; the registry's mutex must be held.
Ticket* Find(TicketRegistry& registry, PMTicketRef ticket) {
  auto found = registry.tickets.find(IDOf(ticket));
  return found == registry.tickets.end() ? nullptr : &found->second;
}

}  // namespace

int32_t PMTicketHandleNumber(PMTicketRef ticket) { return int32_t(IDOf(ticket)); }

PMTicketRef PMTicketFromHandleNumber(int64_t number) {
  if (number <= 0 || number > INT32_MAX) return nullptr;
  return reinterpret_cast<PMTicketRef>(uintptr_t(number));
}

OSStatus PMTicketCreate(PMTicketRef* outTicket) {
  if (!outTicket) return paramErr;
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  const uintptr_t id = ++registry.lastID;
  registry.tickets.emplace(id, Ticket{});
  *outTicket = reinterpret_cast<PMTicketRef>(id);
  return noErr;
}

OSStatus PMTicketRelease(PMTicketRef ticket) {
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  return registry.tickets.erase(IDOf(ticket)) ? noErr : kPMInvalidTicket;
}

OSStatus PMTicketGetPPDDict(PMTicketRef ticket, uint32_t, uint32_t, PMPPDDict** outDict) {
  if (!outDict) return paramErr;
  *outDict = nullptr;
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  Ticket* found = Find(registry, ticket);
  if (!found) return kPMInvalidTicket;
  // std::map nodes never move, so the dictionary stays where it is until the ticket goes.
  *outDict = &found->ppdDict;
  return noErr;
}

OSStatus PMTicketSetCFString(PMTicketRef ticket, const std::string& clientID,
                             const std::string& key, const std::string& value, bool locked) {
  if (key.empty()) return paramErr;
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  Ticket* found = Find(registry, ticket);
  if (!found) return kPMInvalidTicket;
  auto [entry, added] = found->strings.try_emplace(key);
  if (!added && entry->second.locked) return kPMInvalidKey;
  entry->second = TicketEntry{clientID, value, locked};
  return noErr;
}

OSStatus PMTicketRemoveCFString(PMTicketRef ticket, const std::string& key) {
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  Ticket* found = Find(registry, ticket);
  if (!found) return kPMInvalidTicket;
  auto entry = found->strings.find(key);
  if (entry == found->strings.end()) return noErr;
  if (entry->second.locked) return kPMInvalidKey;
  found->strings.erase(entry);
  return noErr;
}

OSStatus PMTicketGetCFString(PMTicketRef ticket, const std::string& key, std::string* outValue) {
  if (!outValue) return paramErr;
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  Ticket* found = Find(registry, ticket);
  if (!found) return kPMInvalidTicket;
  auto entry = found->strings.find(key);
  if (entry == found->strings.end()) return kPMKeyNotFound;
  *outValue = entry->second.value;
  return noErr;
}

std::optional<std::string> PMTicketGetClientOfKey(PMTicketRef ticket, const std::string& key) {
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  Ticket* found = Find(registry, ticket);
  if (!found) return std::nullopt;
  auto entry = found->strings.find(key);
  if (entry == found->strings.end()) return std::nullopt;
  return entry->second.clientID;
}

std::map<std::string, std::string> PMTicketCopyStringEntries(PMTicketRef ticket) {
  TicketRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  std::map<std::string, std::string> entries;
  if (Ticket* found = Find(registry, ticket))
    for (const auto& [key, entry] : found->strings) entries.emplace(key, entry.value);
  return entries;
}
