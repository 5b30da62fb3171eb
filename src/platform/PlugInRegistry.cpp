#include "platform/PlugInRegistry.h"

#include <map>
#include <mutex>

namespace {

std::mutex gRegistryMutex;
std::map<CFUUID, int32_t> gInstanceCounts;

}  // namespace

void CFPlugInAddInstanceForFactory(const CFUUIDRef& factoryID) {
  std::lock_guard lock(gRegistryMutex);
  ++gInstanceCounts[factoryID];
}

void CFPlugInRemoveInstanceForFactory(const CFUUIDRef& factoryID) {
  std::lock_guard lock(gRegistryMutex);
  auto found = gInstanceCounts.find(factoryID);
  if (found == gInstanceCounts.end()) return;
  if (--found->second <= 0) gInstanceCounts.erase(found);
}

int32_t CFPlugInInstanceCountForFactory(const CFUUIDRef& factoryID) {
  std::lock_guard lock(gRegistryMutex);
  auto found = gInstanceCounts.find(factoryID);
  return found == gInstanceCounts.end() ? 0 : found->second;
}
