#include "q10/Allocation.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace q10 {
namespace {

std::mutex& BlocksMutex() {
  static std::mutex mutex;
  return mutex;
}
std::unordered_set<void*>& LiveBlocks() {
  static std::unordered_set<void*> blocks;
  return blocks;
}

template <class T>
T* NewPlainArray(const std::vector<T>& values) {
  if (values.empty()) return nullptr;
  auto* array = static_cast<T*>(AllocateBlock(values.size() * sizeof(T)));
  if (array) std::memcpy(array, values.data(), values.size() * sizeof(T));
  return array;
}

}  // namespace

void* AllocateBlock(std::size_t size) {
  void* block = std::calloc(1, size ? size : 1);
  if (!block) return nullptr;
  std::lock_guard lock(BlocksMutex());
  LiveBlocks().insert(block);
  return block;
}

bool ReleaseBlock(void* block) {
  if (!block) return false;
  {
    std::lock_guard lock(BlocksMutex());
    if (LiveBlocks().erase(block) == 0) return false;
  }
  std::free(block);
  return true;
}

char* NewString(std::string_view text) {
  auto* copy = static_cast<char*>(AllocateBlock(text.size() + 1));
  if (copy) std::memcpy(copy, text.data(), text.size());
  return copy;
}

char** NewStringArray(const std::vector<std::string>& texts) {
  if (texts.empty()) return nullptr;
  std::size_t size = texts.size() * sizeof(char*);
  for (const auto& text : texts) size += text.size() + 1;
  auto* array = static_cast<char**>(AllocateBlock(size));
  if (!array) return nullptr;
  char* next = reinterpret_cast<char*>(array + texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    array[i] = next;
    std::memcpy(next, texts[i].data(), texts[i].size());
    next += texts[i].size() + 1;
  }
  return array;
}

QuillonAttributeType* NewTypeArray(const std::vector<QuillonAttributeType>& types) {
  return NewPlainArray(types);
}

int32_t* NewIntArray(const std::vector<int32_t>& values) { return NewPlainArray(values); }

}  // namespace q10

extern "C" void* quillon_malloc(size_t size) { return q10::AllocateBlock(size); }

extern "C" void quillon_free(void* block) { q10::ReleaseBlock(block); }
