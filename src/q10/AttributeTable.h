#pragma once
// The printer's attributes as the library hands them out: every value as a string (integers and
// enums in decimal, booleans "true" or "false", octet strings as their bytes up to the first NUL,
// other types in their IPP text form), kept within the bounds of Limits.h.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <cups/cups.h>

#include "q10/q10.h"

namespace q10 {

struct AttributeValue {
  std::string text;
  QuillonAttributeType type = QUILLON_ATTR_TYPE_STRING;
};
using AttributeValues = std::vector<AttributeValue>;
using AttributeTable = std::map<std::string, AttributeValues, std::less<>>;

// The printer-group attributes of an answer.
AttributeTable ReadPrinterAttributes(ipp_t* response);
// The values of name; null when absent.
const AttributeValues* FindValues(const AttributeTable& table, std::string_view name);
// The values' texts; empty when absent.
std::vector<std::string> Texts(const AttributeTable& table, std::string_view name);
// The first value's text; empty when absent.
std::string FirstText(const AttributeTable& table, std::string_view name);

}  // namespace q10
