#pragma once
// A non-owning list of groups; walks and counts follow the display filter.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Status.h"
#include "ppdx/model/ElementWalk.h"

class PPDXGroup;
class Settings;

inline constexpr uint32_t kGroupsTag = 4000;
inline constexpr long kGroupsCountId = 4002;

class PPDXGroups {
 public:
  PPDXGroups() = default;
  virtual ~PPDXGroups() = default;

  void Add(PPDXGroup* group);
  PPDXGroup* First();
  PPDXGroup* Next();
  // Searches the whole list, whatever the display filter.
  PPDXGroup* Find(const char* keyword, const bool& exact);
  bool Empty() const { return Count() == 0; }
  long Count() const;
  OSStatus Save(Settings& settings);

 private:
  struct KeywordHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };

  ElementWalk<PPDXGroup> mGroups;
  // Exact look-ups without walking the list: the first group added under each keyword. The
  // parser looks a group up for every control, so the walk grew with groups times controls.
  std::unordered_map<std::string, PointerListItr, KeywordHash, std::equal_to<>> mByKeyword;
  int32_t mBaseCount = 0;
  int32_t mOrhanCount = 0;
  int32_t mHiddenCount = 0;
};
