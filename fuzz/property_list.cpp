// Fuzz target: property lists parsed from arbitrary bytes (XML or binary); whatever is accepted
// is written as XML and must read back as the same value.
#include <cmath>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "platform/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto value = PropertyListFromData(bytes);
  if (!value) return 0;
  const std::string xml = PropertyListToXML(*value);
  const auto again = PropertyListFromData(xml);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(*again == *value);
  return 0;
}
