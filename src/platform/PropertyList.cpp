#include "support/COwner.h"
#include "platform/PropertyList.h"

#include <plist/plist.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "platform/FileIO.h"

namespace {

// Nesting deeper than this is refused rather than risking the stack on hostile input.
constexpr int kMaxNesting = 256;

using PlistNode = COwner<void, plist_free>;

// libplist hands out malloc'ed strings and buffers.
using MallocBuffer = COwner<char, ::free>;

std::optional<PlistValue> FromNode(plist_t node, int depth);

std::optional<PlistValue> ArrayFromNode(plist_t node, int depth) {
  PlistValue::Array array;
  uint32_t count = plist_array_get_size(node);
  array.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    auto item = FromNode(plist_array_get_item(node, i), depth + 1);
    if (!item) return std::nullopt;
    array.push_back(std::move(*item));
  }
  return PlistValue(std::move(array));
}

std::optional<PlistValue> DictionaryFromNode(plist_t node, int depth) {
  PlistValue::Dictionary dictionary;
  plist_dict_iter iterator = nullptr;
  plist_dict_new_iter(node, &iterator);
  COwner<void, ::free> iteratorOwner(iterator);
  bool complete = true;
  while (complete) {
    char* rawKey = nullptr;
    plist_t item = nullptr;
    plist_dict_next_item(node, iterator, &rawKey, &item);
    MallocBuffer key(rawKey);
    if (!item || !key) break;
    auto value = FromNode(item, depth + 1);
    if (!value)
      complete = false;
    else
      dictionary.insert_or_assign(std::string(key.get()), std::move(*value));
  }
  if (!complete) return std::nullopt;
  return PlistValue(std::move(dictionary));
}

std::optional<PlistValue> ScalarFromNode(plist_t node) {
  switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
      uint8_t value = 0;
      plist_get_bool_val(node, &value);
      return PlistValue(value != 0);
    }
    case PLIST_UINT: {
      uint64_t value = 0;
      plist_get_uint_val(node, &value);  // negative integers arrive as their two's complement
      return PlistValue(int64_t(value));
    }
    case PLIST_UID: {
      uint64_t value = 0;
      plist_get_uid_val(node, &value);
      return PlistValue(int64_t(value));
    }
    case PLIST_REAL: {
      double value = 0;
      plist_get_real_val(node, &value);
      return PlistValue(value);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
      char* raw = nullptr;
      plist_get_string_val(node, &raw);
      MallocBuffer text(raw);
      return PlistValue(std::string(text ? text.get() : ""));
    }
    case PLIST_DATA: {
      char* raw = nullptr;
      uint64_t length = 0;
      plist_get_data_val(node, &raw, &length);
      MallocBuffer bytes(raw);
      const auto* begin = reinterpret_cast<const uint8_t*>(bytes.get());
      return PlistValue(PlistValue::Data(begin, begin + (bytes ? length : 0)));
    }
    case PLIST_DATE: {
      int32_t seconds = 0, microseconds = 0;
      plist_get_date_val(node, &seconds, &microseconds);
      return PlistValue(PlistValue::Date{seconds + microseconds / 1e6});
    }
    default:
      return std::nullopt;
  }
}

std::optional<PlistValue> FromNode(plist_t node, int depth) {
  if (!node || depth > kMaxNesting) return std::nullopt;
  switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
      return ArrayFromNode(node, depth);
    case PLIST_DICT:
      return DictionaryFromNode(node, depth);
    default:
      return ScalarFromNode(node);
  }
}

plist_t ToNode(const PlistValue& value);

plist_t DateNode(PlistValue::Date date) {
  double whole = std::floor(date.secondsSince2001);
  return plist_new_date(int32_t(whole), int32_t((date.secondsSince2001 - whole) * 1e6));
}

plist_t ToNode(const PlistValue& value) {
  switch (value.kind()) {
    case PlistValue::Kind::Boolean:
      return plist_new_bool(*value.GetBoolean());
    case PlistValue::Kind::Integer:
      return plist_new_uint(uint64_t(*value.GetInteger()));
    case PlistValue::Kind::Real:
      return plist_new_real(*value.GetReal());
    case PlistValue::Kind::String:
      return plist_new_string(value.GetString()->c_str());
    case PlistValue::Kind::Data: {
      const auto& data = *value.GetData();
      return plist_new_data(reinterpret_cast<const char*>(data.data()), data.size());
    }
    case PlistValue::Kind::Date:
      return DateNode(*value.GetDate());
    case PlistValue::Kind::Array: {
      plist_t array = plist_new_array();
      for (const PlistValue& item : *value.GetArray()) plist_array_append_item(array, ToNode(item));
      return array;
    }
    case PlistValue::Kind::Dictionary: {
      plist_t dictionary = plist_new_dict();
      for (const auto& [key, item] : *value.GetDictionary())
        plist_dict_set_item(dictionary, key.c_str(), ToNode(item));
      return dictionary;
    }
  }
  return plist_new_dict();
}

// Only the XML form is read. libplist takes a NUL byte into a string or key and then aborts the
// process on its own length check when the value is read back, so text holding NUL is refused
// here; XML can never carry one, and the binary form can (in keys), so it is not accepted.
bool IsReadableXMLForm(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max()) return false;
  if (bytes.find('\0') != std::string_view::npos) return false;
  return plist_is_binary(bytes.data(), uint32_t(bytes.size())) == 0;
}

}  // namespace

std::optional<PlistValue> PropertyListFromData(std::string_view bytes) {
  if (!IsReadableXMLForm(bytes)) return std::nullopt;
  plist_t raw = nullptr;
  plist_from_xml(bytes.data(), uint32_t(bytes.size()), &raw);
  PlistNode root(raw);
  return FromNode(root.get(), 0);
}

std::string PropertyListToXML(const PlistValue& value) {
  PlistNode root(ToNode(value));
  char* raw = nullptr;
  uint32_t length = 0;
  plist_to_xml(root.get(), &raw, &length);
  std::string xml(raw ? raw : "", raw ? length : 0);
  plist_to_xml_free(raw);
  return xml;
}

OSStatus ReadPropertyListFile(const std::filesystem::path& file, PlistValue& value) {
  std::string contents;
  if (OSStatus status = ReadFileContents(file, contents); status != noErr) return status;
  auto parsed = PropertyListFromData(contents);
  if (!parsed) return kPropertyListMalformedErr;
  value = std::move(*parsed);
  return noErr;
}

OSStatus WritePropertyListFile(const std::filesystem::path& file, const PlistValue& value) {
  return WriteFileAtomically(file, PropertyListToXML(value));
}
