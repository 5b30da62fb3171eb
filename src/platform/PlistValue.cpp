#include "platform/PlistValue.h"

const PlistValue* PlistValue::Find(std::string_view key) const {
  const Dictionary* dictionary = GetDictionary();
  if (!dictionary) return nullptr;
  auto found = dictionary->find(key);
  return found == dictionary->end() ? nullptr : &found->second;
}

void PlistValue::Set(std::string key, PlistValue value) {
  if (Dictionary* dictionary = GetDictionary())
    dictionary->insert_or_assign(std::move(key), std::move(value));
}
