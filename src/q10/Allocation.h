#pragma once
// Blocks handed to callers. Each array or string the library returns is one block from the
// library's allocator, so one quillon_free releases an array with the strings it points to; the
// allocator remembers its live blocks, so a pointer it never gave out is ignored, not freed.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "q10/q10.h"

namespace q10 {

// Zeroed block, or null.
void* AllocateBlock(std::size_t size);
// True when the block was live (and is now released).
bool ReleaseBlock(void* block);

// A C string copy; null when out of memory.
char* NewString(std::string_view text);
// An array of C strings with its strings in the same block; null when empty or out of memory.
char** NewStringArray(const std::vector<std::string>& texts);
QuillonAttributeType* NewTypeArray(const std::vector<QuillonAttributeType>& types);
int32_t* NewIntArray(const std::vector<int32_t>& values);

}  // namespace q10
