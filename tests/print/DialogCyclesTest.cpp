// The Print dialog opened and closed a thousand times in one process, as a long-running
// application does: the heap in use after the last cycle is what it was after the first hundred
// (which let libcups and the toolkit fill their caches), so no cycle leaves anything behind.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdint>

#include "PrintDialogHost.h"
#include "TestSupport/PrivateCupsd.h"
#include "platform/PlatformTestSupport.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's allocator interface (gcc ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the process holds in live heap blocks, from whichever allocator is in use.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

void OpenAndCloseDialog(const std::string& queue) {
  PrintDialogHost host(CORVEL_BUNDLE_DIR);
  std::string error;
  ASSERT_TRUE(host.ChoosePrinter(queue, &error)) << error;
  ASSERT_TRUE(host.HasPane());
}

TEST(DialogCycles, AThousandOpenAndCloseCyclesDoNotGrowTheHeap) {
  corveltest::PrivateCupsd cupsd;
  ASSERT_TRUE(cupsd.Running()) << "see " << cupsd.Root() / "log/error_log";
  ASSERT_TRUE(cupsd.AddQueue("Corvel", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd", "Corvel MTQ-ix"));
  TemporaryFolder home;
  ScopedEnvironment homeVariable("HOME", home.path().string());

  constexpr int kWarmUp = 100, kCycles = 1000;
  // Less than 64 bytes a cycle: a leak of any one object per open would exceed it.
  constexpr size_t kAllowedGrowth = 64 * (kCycles - kWarmUp);
  size_t warm = 0;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseDialog("Corvel")) << "cycle " << cycle;
    if (cycle == kWarmUp) warm = HeapInUse();
  }
  const size_t last = HeapInUse();
  EXPECT_LE(last, warm + kAllowedGrowth) << "heap in use grew from " << warm << " to " << last
                                         << " bytes over " << kCycles - kWarmUp << " cycles";
}

}  // namespace
