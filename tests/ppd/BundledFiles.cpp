#include "ppd/BundledFiles.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

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

const std::vector<std::string>& SecureAccessOnlyOptions() {
    static const std::vector<std::string> options = {"KTCV_SecureAccess"};
    return options;
}

std::string SourcePath(const std::string& relative) {
    return std::string(CORVEL_SOURCE_DIR) + "/" + relative;
}

PpdPtr OpenBundledPPD(const std::string& file) {
    return PpdPtr(ppdOpenFile(SourcePath("ppd/" + file).c_str()));
}

const ppd_group_t* FindGroup(ppd_file_t* ppd, const char* name) {
    for (int i = 0; ppd && i < ppd->num_groups; ++i)
        if (std::strcmp(ppd->groups[i].name, name) == 0)
            return &ppd->groups[i];
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
    for (int i = 0; i < group.num_subgroups; ++i)
        AddOptions(group.subgroups[i], table);
}

}  // namespace

std::map<std::string, std::vector<std::string>> OptionTable(ppd_file_t* ppd) {
    std::map<std::string, std::vector<std::string>> table;
    for (int i = 0; ppd && i < ppd->num_groups; ++i)
        AddOptions(ppd->groups[i], table);
    return table;
}

PlistPtr ReadPlist(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    return PlistPtr(root);
}

std::vector<std::string> StringArray(plist_t array) {
    std::vector<std::string> strings;
    if (!array || plist_get_node_type(array) != PLIST_ARRAY)
        return strings;
    for (uint32_t i = 0; i < plist_array_get_size(array); ++i) {
        plist_t item = plist_array_get_item(array, i);
        if (plist_get_node_type(item) == PLIST_STRING)
            strings.emplace_back(plist_get_string_ptr(item, nullptr));
    }
    return strings;
}

std::map<std::string, std::string> StringDict(plist_t dict) {
    std::map<std::string, std::string> values;
    if (!dict || plist_get_node_type(dict) != PLIST_DICT)
        return values;
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(dict, &it);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, it, &key, &value);
        if (!key)
            break;
        if (plist_get_node_type(value) == PLIST_STRING)
            values[key] = plist_get_string_ptr(value, nullptr);
        free(key);
    }
    free(it);
    return values;
}

}  // namespace ppdtest
