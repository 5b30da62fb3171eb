// Access to the printer descriptions and bundle lists shipped with the product, for the tests
// that check them against what the dialog expects.
#pragma once

#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/PlistValue.h"

namespace ppdtest {

struct BundledPPD {
  const char* file;        // name under ppd/
  const char* pcFileName;  // its *PCFileName
  bool secureAccess;       // the variant with Secure Access
};

// Both descriptions the bundle supports.
const std::vector<BundledPPD>& BundledPPDs();

// Names the file in test output instead of dumping the record's bytes.
void PrintTo(const BundledPPD& ppd, std::ostream* out);

// Test-name suffix of a parameterised case: Standard or SecureAccess.
std::string VariantName(const testing::TestParamInfo<BundledPPD>& info);

// Options only the Secure Access variant carries.
inline const std::vector<std::string> kSecureAccessOnlyOptions = {"KTCV_SecureAccess"};

std::string SourcePath(const std::string& relative);

struct PpdCloser {
  void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdPtr = std::unique_ptr<ppd_file_t, PpdCloser>;

// Opens ppd/<file> with libcups; null when libcups refuses it.
PpdPtr OpenBundledPPD(const std::string& file);

// The top-level group of that name, or null.
const ppd_group_t* FindGroup(ppd_file_t* ppd, const char* name);

std::vector<std::string> ChoiceKeywords(const ppd_option_t* option);

// Option keyword -> choice keywords, over every group and subgroup of the file.
std::map<std::string, std::vector<std::string>> OptionTable(ppd_file_t* ppd);

// Reads a property list file; nullopt when the file is missing or not a property list.
std::optional<PlistValue> ReadPlist(const std::string& path);

// The strings of an array value (other kinds of elements are skipped; empty for a non-array).
std::vector<std::string> StringArray(const PlistValue* array);

// The string values of a dictionary by key (other kinds of values are skipped; empty for a
// non-dictionary).
std::map<std::string, std::string> StringDict(const PlistValue* dict);

}  // namespace ppdtest
