#include "q10/Pairs.h"

namespace q10 {

std::optional<Pair> SplitPair(std::string_view text) {
  const auto equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Pair{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

}  // namespace q10
