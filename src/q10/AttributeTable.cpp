#include "q10/AttributeTable.h"

#include "q10/Limits.h"

namespace q10 {
namespace {

std::string Bounded(std::string_view text) {
  return std::string(text.substr(0, std::min(text.size(), kMaxValueLength)));
}

AttributeValue OtherValue(ipp_attribute_t* attribute) {
  char text[kMaxValueLength];
  ippAttributeString(attribute, text, sizeof(text));
  return {text, QUILLON_ATTR_TYPE_STRING};
}

AttributeValue ValueAt(ipp_attribute_t* attribute, int index) {
  switch (ippGetValueTag(attribute)) {
    case IPP_TAG_INTEGER:
    case IPP_TAG_ENUM:
      return {std::to_string(ippGetInteger(attribute, index)), QUILLON_ATTR_TYPE_INTEGER};
    case IPP_TAG_BOOLEAN:
      return {ippGetBoolean(attribute, index) ? "true" : "false", QUILLON_ATTR_TYPE_STRING};
    case IPP_TAG_STRING: {
      int length = 0;
      const auto* bytes = static_cast<const char*>(ippGetOctetString(attribute, index, &length));
      // Values leave the library as C strings, so an octet string ends at its first NUL here
      // rather than differently in each reader.
      const std::string_view octets(bytes ? bytes : "", bytes ? length : 0);
      return {Bounded(octets.substr(0, octets.find('\0'))), QUILLON_ATTR_TYPE_STRING};
    }
    default:
      break;
  }
  const char* text = ippGetString(attribute, index, nullptr);
  return {Bounded(text ? text : ""), QUILLON_ATTR_TYPE_STRING};
}

bool IsStringLike(ipp_tag_t tag) {
  // Text-with-language up to MIME type: every tag whose values are strings.
  return tag == IPP_TAG_INTEGER || tag == IPP_TAG_ENUM || tag == IPP_TAG_BOOLEAN ||
         tag == IPP_TAG_STRING || (tag >= IPP_TAG_TEXTLANG && tag <= IPP_TAG_MIMETYPE);
}

AttributeValues ReadValues(ipp_attribute_t* attribute) {
  if (!IsStringLike(ippGetValueTag(attribute))) return {OtherValue(attribute)};
  const int count = std::min(ippGetCount(attribute), static_cast<int>(kMaxValues));
  AttributeValues values;
  values.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) values.push_back(ValueAt(attribute, i));
  return values;
}

}  // namespace

AttributeTable ReadPrinterAttributes(ipp_t* response) {
  AttributeTable table;
  for (ipp_attribute_t* attribute = ippFirstAttribute(response);
       attribute && table.size() < kMaxAttributes; attribute = ippNextAttribute(response)) {
    const char* name = ippGetName(attribute);
    if (!name || ippGetGroupTag(attribute) != IPP_TAG_PRINTER) continue;
    table.try_emplace(Bounded(name), ReadValues(attribute));
  }
  return table;
}

const AttributeValues* FindValues(const AttributeTable& table, std::string_view name) {
  auto found = table.find(name);
  return found == table.end() ? nullptr : &found->second;
}

std::vector<std::string> Texts(const AttributeTable& table, std::string_view name) {
  std::vector<std::string> texts;
  if (const AttributeValues* values = FindValues(table, name))
    for (const auto& value : *values) texts.push_back(value.text);
  return texts;
}

std::string FirstText(const AttributeTable& table, std::string_view name) {
  const AttributeValues* values = FindValues(table, name);
  return values && !values->empty() ? values->front().text : std::string();
}

}  // namespace q10
