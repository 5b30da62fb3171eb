// The printer descriptions shipped with the product, opened with libcups, and one fixture that
// runs a test over both of them.
#pragma once

#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ppdtest {

struct BundledPPD {
  const char* file;        // name under ppd/
  const char* pcFileName;  // its *PCFileName
  bool secureAccess;       // the variant with Secure Access
};

inline const std::vector<BundledPPD> kBundledPPDs = {{"crvmtqix.ppd", "CRVMTQIX.PPD", false},
                                                     {"crvmtqsa.ppd", "CRVMTQSA.PPD", true}};

// Names the file in test output instead of dumping the record's bytes.
inline void PrintTo(const BundledPPD& ppd, std::ostream* out) { *out << ppd.file; }

inline std::string SourcePath(const std::string& relative) {
  return std::string(CORVEL_SOURCE_DIR) + "/" + relative;
}

struct PpdCloser {
  void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdPtr = std::unique_ptr<ppd_file_t, PpdCloser>;

// Opens ppd/<file> with libcups; null when libcups refuses it.
inline PpdPtr OpenBundledPPD(const std::string& file) {
  return PpdPtr(ppdOpenFile(SourcePath("ppd/" + file).c_str()));
}

inline std::vector<std::string> ChoiceKeywords(const ppd_option_t* option) {
  std::vector<std::string> keywords;
  for (int i = 0; option && i < option->num_choices; ++i)
    keywords.emplace_back(option->choices[i].choice);
  return keywords;
}

// Option keyword -> choice keywords, over every group and subgroup of the file.
inline void AddOptions(const ppd_group_t& group,
                       std::map<std::string, std::vector<std::string>>& table) {
  for (int i = 0; i < group.num_options; ++i)
    table[group.options[i].keyword] = ChoiceKeywords(&group.options[i]);
  for (int i = 0; i < group.num_subgroups; ++i) AddOptions(group.subgroups[i], table);
}
inline std::map<std::string, std::vector<std::string>> OptionTable(ppd_file_t* ppd) {
  std::map<std::string, std::vector<std::string>> table;
  for (int i = 0; ppd && i < ppd->num_groups; ++i) AddOptions(ppd->groups[i], table);
  return table;
}

// Test-name suffix of a case run over the descriptions: Standard or SecureAccess.
inline std::string VariantName(const testing::TestParamInfo<BundledPPD>& info) {
  return info.param.secureAccess ? "SecureAccess" : "Standard";
}

// A test run once per bundled description, with it open.
class BundledPPDTest : public testing::TestWithParam<BundledPPD> {
 protected:
  void SetUp() override {
    ppd_ = OpenBundledPPD(GetParam().file);
    ASSERT_NE(ppd_, nullptr) << GetParam().file << " is refused by libcups";
  }
  std::vector<std::string> Choices(const char* keyword) {
    const ppd_option_t* option = ppdFindOption(ppd_.get(), keyword);
    EXPECT_NE(option, nullptr) << "missing option " << keyword;
    return ChoiceKeywords(option);
  }
  PpdPtr ppd_;
};

}  // namespace ppdtest
