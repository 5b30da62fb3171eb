#include "ppd/BundledFiles.h"

#include <cstring>

#include "platform/PropertyList.h"

namespace ppdtest {

const std::vector<BundledPPD>& BundledPPDs() {
  static const std::vector<BundledPPD> files = {
      {"crvmtqix.ppd", "CRVMTQIX.PPD", false},
      {"crvmtqsa.ppd", "CRVMTQSA.PPD", true},
  };
  return files;
}

void PrintTo(const BundledPPD& ppd, std::ostream* out) { *out << ppd.file; }

std::string VariantName(const testing::TestParamInfo<BundledPPD>& info) {
  return info.param.secureAccess ? "SecureAccess" : "Standard";
}

std::string SourcePath(const std::string& relative) {
  return std::string(CORVEL_SOURCE_DIR) + "/" + relative;
}

PpdPtr OpenBundledPPD(const std::string& file) {
  return PpdPtr(ppdOpenFile(SourcePath("ppd/" + file).c_str()));
}

const ppd_group_t* FindGroup(ppd_file_t* ppd, const char* name) {
  for (int i = 0; ppd && i < ppd->num_groups; ++i)
    if (std::strcmp(ppd->groups[i].name, name) == 0) return &ppd->groups[i];
  return nullptr;
}

std::vector<std::string> ChoiceKeywords(const ppd_option_t* option) {
  std::vector<std::string> keywords;
  for (int i = 0; option && i < option->num_choices; ++i)
    keywords.emplace_back(option->choices[i].choice);
  return keywords;
}

namespace {

void AddOptions(const ppd_group_t& group, std::map<std::string, std::vector<std::string>>& table) {
  for (int i = 0; i < group.num_options; ++i)
    table[group.options[i].keyword] = ChoiceKeywords(&group.options[i]);
  for (int i = 0; i < group.num_subgroups; ++i) AddOptions(group.subgroups[i], table);
}

}  // namespace

std::map<std::string, std::vector<std::string>> OptionTable(ppd_file_t* ppd) {
  std::map<std::string, std::vector<std::string>> table;
  for (int i = 0; ppd && i < ppd->num_groups; ++i) AddOptions(ppd->groups[i], table);
  return table;
}

std::optional<PlistValue> ReadPlist(const std::string& path) {
  PlistValue value;
  if (ReadPropertyListFile(path, value) != noErr) return std::nullopt;
  return value;
}

std::vector<std::string> StringArray(const PlistValue* array) {
  std::vector<std::string> strings;
  const PlistValue::Array* items = array ? array->GetArray() : nullptr;
  if (!items) return strings;
  for (const PlistValue& item : *items)
    if (const std::string* text = item.GetString()) strings.push_back(*text);
  return strings;
}

std::map<std::string, std::string> StringDict(const PlistValue* dict) {
  std::map<std::string, std::string> values;
  const PlistValue::Dictionary* entries = dict ? dict->GetDictionary() : nullptr;
  if (!entries) return values;
  for (const auto& [key, value] : *entries)
    if (const std::string* text = value.GetString()) values[key] = *text;
  return values;
}

}  // namespace ppdtest
