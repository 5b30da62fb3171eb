#include "ppdx/stream/MemoryDataStream.h"

#include <algorithm>
#include <cstring>

OSStatus MemoryDataStream::Write(const void* buffer, long count) {
  if (count < 0 || (count > 0 && !buffer)) return paramErr;
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  mBytes.insert(mBytes.end(), bytes, bytes + count);
  return noErr;
}

long MemoryDataStream::Read(void* buffer, long& count, OSStatus& status) {
  if (count < 0 || (count > 0 && !buffer)) {
    count = 0;
    status = paramErr;
    return 0;
  }
  long taken = std::min(count, Available());
  if (taken > 0) std::memcpy(buffer, mBytes.data() + mReadPosition, static_cast<size_t>(taken));
  mReadPosition += static_cast<size_t>(taken);
  status = taken < count ? eofErr : noErr;
  count = taken;
  return status == noErr;
}
