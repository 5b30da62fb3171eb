// Fuzz target: a Settings container read from an arbitrary byte stream, its items walked, its
// flat form read back unchanged, and a printer-description model rebuilt from it and restored.
#include <vector>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "ModelWalk.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/MemoryDataStream.h"
#include "ppdx/settings/Settings.h"

namespace {

void WalkItems(Settings& settings) {
  uint32_t tag = 0, attributes = 0;
  long id = 0, size = 0, seen = 0;
  for (OSStatus status = settings.First(tag, id, size, attributes); status == noErr;
       status = settings.Next(tag, id, size, attributes), ++seen) {
    std::vector<uint8_t> value(static_cast<size_t>(size));
    long capacity = size;
    FUZZ_CHECK(settings.Get(tag, id, nullptr, capacity, false) == noErr && capacity == size);
    settings.Get(tag, id, value.data(), capacity, true);  // swapped where the size allows
    FUZZ_CHECK(capacity <= size);
  }
  FUZZ_CHECK(seen == settings.Count());
}

// The flat form of what was read is read back to the same flat form.
void CheckFlatFormIsStable(Settings& settings) {
  std::vector<uint8_t> flat;
  FUZZ_CHECK(settings.GetSettingsHandle(flat) == noErr);
  MemoryDataStream stream(flat);
  Settings copy;
  FUZZ_CHECK(copy.Read(&stream, 0) == noErr);
  std::vector<uint8_t> again;
  FUZZ_CHECK(copy.GetSettingsHandle(again) == noErr);
  FUZZ_CHECK(again == flat);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryDataStream stream(std::vector<uint8_t>(data, data + size));
  Settings settings;
  if (settings.Read(&stream, 0) != noErr) return 0;
  WalkItems(settings);
  CheckFlatFormIsStable(settings);

  // No file on disk: the model comes from the container alone.
  KTVPPD rebuilt(settings, "/nonexistent/corvel-fuzz.ppd");
  if (rebuilt.GetControls() == nullptr) return 0;
  rebuilt.Restore(settings);
  WalkModel(rebuilt);
  return 0;
}
