#pragma once
// The string store of the constraint forest: every keyword and option name of a constraint line
// is interned once and afterwards handled as its slot number (its position in insertion order).
// The texts live in the store's own arena, NUL-terminated, until Clear or the store's end.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <memory_resource>
#include <vector>

class CStringSoup {
 public:
  CStringSoup() = default;
  virtual ~CStringSoup() = default;
  CStringSoup(const CStringSoup&) = delete;
  CStringSoup& operator=(const CStringSoup&) = delete;

  // Slot of an equal string when present, else the slot of a new copy; -1 for a null text.
  virtual long Insert(const char* text);
  // Text of a slot, or null when the slot does not exist.
  virtual const char* Find(long slot) const;
  // Slot of a byte-equal string, or -1.
  virtual long Find(const char* text) const;
  virtual void Clear();
  virtual long size() const { return long(mStrings.size()); }

 private:
  std::pmr::monotonic_buffer_resource mArena;  // declared first: the views below point into it
  std::vector<std::string_view> mStrings;
  // Speeds up Find(text)/Insert on large files; the slot numbering stays that of mStrings.
  std::unordered_map<std::string_view, long> mIndex;
};

// The store of the parsed PPD built last (null when none is alive).
extern CStringSoup* gConstraintStrings;
