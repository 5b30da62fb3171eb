#include "JobStartingChoices.h"

#include <string_view>

namespace {

// The pane keeps its duplex choice under the PPD keyword, as the item of its popup.
constexpr const char* kDuplexChoiceKey = "KTDuplex";
constexpr struct {
  std::string_view sides;
  int item;
} kDuplexItemOfSides[] = {
    {"one-sided", 1},
    {"two-sided-long-edge", 2},
    {"two-sided-short-edge", 3},
};

}  // namespace

std::map<std::string, PlistValue> StartingChoicesForSides(const std::string& sides) {
  for (const auto& row : kDuplexItemOfSides)
    if (row.sides == sides) return {{kDuplexChoiceKey, PlistValue(row.item)}};
  return {};
}
