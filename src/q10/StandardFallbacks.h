#pragma once
// What a printer without the Corvel vendor attributes says about its trays and supplies in
// standard IPP terms: printer-input-tray (or media-source-supported) for the trays,
// marker-names, marker-high-levels and marker-levels for the colorants.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "q10/AttributeTable.h"

namespace q10 {

struct TrayFacts {
  std::string source;    // media-source keyword
  std::string name;      // the tray's own name, else its source
  std::string capacity;  // decimal, empty when unknown
  std::string level;
  std::string media;  // medium loaded, empty when unknown
};

// The trays, at most kMaxTrays.
std::vector<TrayFacts> CollectTrays(const AttributeTable& table);
// The values of a vendor tray or colorant attribute ("vidInputNumOfTrays", "vidInput2Name", ...)
// taken from the standard attributes; nullopt when the name is no such attribute or the printer
// does not say.
std::optional<AttributeValues> StandardFallback(const AttributeTable& table, std::string_view name);

}  // namespace q10
