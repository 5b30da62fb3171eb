#include "q10/TrayRecords.h"

#include <cstring>

#include "q10/Allocation.h"

namespace q10 {
namespace {

constexpr std::size_t kAlign = alignof(std::max_align_t);
constexpr std::size_t Aligned(std::size_t size) { return (size + kAlign - 1) / kAlign * kAlign; }

// Hands out aligned pieces of one block, front to back.
struct Carver {
  char* next;
  template <class T>
  T* Take(std::size_t count) {
    T* piece = reinterpret_cast<T*>(next);
    next += Aligned(count * sizeof(T));
    return piece;
  }
  char* Copy(const std::string& text) {
    char* copy = Take<char>(text.size() + 1);
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
  }
};

std::size_t RecordSize(const TrayFacts& tray) {
  return Aligned(sizeof(QuillonTrayInfo)) + 2 * Aligned(sizeof(char*)) + Aligned(sizeof(int32_t)) +
         Aligned(tray.name.size() + 1) + Aligned(tray.source.size() + 1) +
         Aligned(tray.media.size() + 1);
}

void Fill(QuillonTrayInfo& record, const TrayFacts& tray, int32_t number, Carver& carver) {
  record.tray_name = carver.Copy(tray.name);
  record.tray_alias = carver.Copy(tray.source);
  record.tray_number = number;
  record.num_media = 1;
  record.media_name = carver.Take<char*>(1);
  record.media_alias = carver.Take<char*>(1);
  record.media_duplex = carver.Take<int32_t>(1);
  record.media_name[0] = record.media_alias[0] = carver.Copy(tray.media);
}

}  // namespace

QuillonTrayInfo** NewTrayArray(const std::vector<TrayFacts>& trays) {
  if (trays.empty()) return nullptr;
  std::size_t size = Aligned(trays.size() * sizeof(QuillonTrayInfo*));
  for (const auto& tray : trays) size += RecordSize(tray);
  auto* block = static_cast<char*>(AllocateBlock(size));
  if (!block) return nullptr;
  Carver carver{block};
  auto** array = carver.Take<QuillonTrayInfo*>(trays.size());
  for (std::size_t i = 0; i < trays.size(); ++i) {
    array[i] = carver.Take<QuillonTrayInfo>(1);
    Fill(*array[i], trays[i], static_cast<int32_t>(i + 1), carver);
  }
  return array;
}

}  // namespace q10
