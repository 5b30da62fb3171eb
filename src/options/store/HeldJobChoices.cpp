#include "options/store/HeldJobChoices.h"

#include <string>
#include <string_view>

#include "options/CModelInfo.h"
#include "options/OptionTable.h"
#include "platform/Preferences.h"

namespace {

constexpr struct {
  std::string_view sides;
  int16_t item;
} kDuplexItemOfSides[] = {
    {"one-sided", 1},
    {"two-sided-long-edge", 2},
    {"two-sided-short-edge", 3},
};

const OptionRow* DuplexRow() {
  for (const OptionRow& row : OptionRows())
    if (row.field == &CorvelOptionsData::duplexMenuSelection) return &row;
  return nullptr;
}

}  // namespace

void PreferHeldJobAttributes(PMTicketRef settings) {
  const OptionRow* duplex = DuplexRow();
  std::string sides;
  if (!duplex ||
      PMTicketGetCFString(settings, std::string(kPMJobAttributePrefix) + "sides", &sides) != noErr)
    return;
  for (const auto& row : kDuplexItemOfSides)
    if (row.sides == sides)
      CFPreferencesSetAppValue(duplex->key, PlistValue(int64_t(row.item)),
                               CModelInfo::GetCorvelPrefName());
}
