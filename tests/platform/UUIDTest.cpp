#include <gtest/gtest.h>

#include "platform/PlugInRegistry.h"
#include "platform/UUID.h"

namespace {

constexpr CFUUIDRef kPlugInType = CFUUIDGetConstantUUIDWithBytes(
    0xBD, 0xB0, 0x91, 0xF4, 0xE5, 0x7F, 0x11, 0xD3, 0xB5, 0xCC, 0x00, 0x50, 0xE4, 0x60, 0x32, 0x77);

}  // namespace

TEST(UUIDs, TextAndBytesDescribeTheSameValue) {
  auto parsed = CFUUIDCreateFromString("bdb091f4-e57f-11d3-b5cc-0050e4603277");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, kPlugInType);
  EXPECT_EQ(CFUUIDCreateString(kPlugInType), "BDB091F4-E57F-11D3-B5CC-0050E4603277");
  EXPECT_EQ(CFUUIDCreateFromUUIDBytes(CFUUIDGetUUIDBytes(kPlugInType)), kPlugInType);
  for (const char* bad :
       {"", "BDB091F4-E57F-11D3-B5CC-0050E460327", "BDB091F4-E57F-11D3-B5CC-0050E46032770",
        "BDB091F4xE57F-11D3-B5CC-0050E4603277", "GDB091F4-E57F-11D3-B5CC-0050E4603277"})
    EXPECT_FALSE(CFUUIDCreateFromString(bad)) << bad;
}

TEST(UUIDs, NewOnesAreDistinct) {
  CFUUIDRef first = CFUUIDCreate(), second = CFUUIDCreate();
  EXPECT_NE(first, second);
  EXPECT_EQ(CFUUIDCreateFromString(CFUUIDCreateString(first)), first);
}

TEST(PlugInRegistry, CountsInstancesPerFactory) {
  CFUUIDRef factory = CFUUIDCreate(), other = CFUUIDCreate();
  CFPlugInAddInstanceForFactory(factory);
  CFPlugInAddInstanceForFactory(factory);
  CFPlugInAddInstanceForFactory(other);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 2);
  CFPlugInRemoveInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 1);
  CFPlugInRemoveInstanceForFactory(factory);
  CFPlugInRemoveInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 0) << "never below zero";
  CFPlugInAddInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 1);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(other), 1);
}
