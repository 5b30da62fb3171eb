#pragma once
// The libFuzzer entry point every target defines; the replay program calls it too.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
