#pragma once
// "left=right" values of the vendor attributes.
#include <optional>
#include <string>
#include <string_view>

namespace q10 {

struct Pair {
  std::string left;
  std::string right;
};

// Split at the first '='; nullopt when there is none.
std::optional<Pair> SplitPair(std::string_view text);

}  // namespace q10
