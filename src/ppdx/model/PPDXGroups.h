#pragma once
// A non-owning list of groups; walks and counts follow the display filter.
#include <cstdint>

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
  ElementWalk<PPDXGroup> mGroups;
  int32_t mBaseCount = 0;
  int32_t mOrhanCount = 0;
  int32_t mHiddenCount = 0;
};
