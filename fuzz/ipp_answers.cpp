// Fuzz target: the printer's IPP answers as the client library reads them. The bytes are an IPP
// message read with libcups (a hostile server's huge counts, wrong value types, missing values);
// what follows the message is taken as the printer's strings file. The answer goes through every
// reader the library's calls use: the attribute table, the trays and their records, the standard
// fallbacks of the vendor tray and colorant attributes, features, colour keywords, locales and
// the job count.
#include <algorithm>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "q10/AttributeTable.h"
#include "q10/JobCount.h"
#include "q10/Limits.h"
#include "q10/Locale.h"
#include "q10/Pairs.h"
#include "q10/Scoped.h"
#include "q10/StandardFallbacks.h"
#include "q10/StringsFile.h"
#include "q10/TrayRecords.h"

namespace {

using namespace q10;

struct MemoryBody {
  std::string_view bytes;
  size_t read = 0;
};

ssize_t ReadMemory(void* context, ipp_uchar_t* buffer, size_t wanted) {
  auto* body = static_cast<MemoryBody*>(context);
  const size_t count = std::min(wanted, body->bytes.size() - body->read);
  std::copy_n(body->bytes.data() + body->read, count, buffer);
  body->read += count;
  return static_cast<ssize_t>(count);
}

void CheckTable(const AttributeTable& table) {
  FUZZ_CHECK(table.size() <= kMaxAttributes);
  for (const auto& [name, values] : table) {
    FUZZ_CHECK(name.size() <= kMaxValueLength && values.size() <= kMaxValues);
    for (const AttributeValue& value : values) FUZZ_CHECK(value.text.size() <= kMaxValueLength);
  }
}

// The trays, and their records as DEV_getTrayInfo hands them out.
size_t CheckTrays(const AttributeTable& table) {
  const std::vector<TrayFacts> trays = CollectTrays(table);
  FUZZ_CHECK(trays.size() <= kMaxTrays);
  QuillonTrayInfo** records = NewTrayArray(trays);
  FUZZ_CHECK((records == nullptr) == trays.empty());
  for (size_t i = 0; i < trays.size(); ++i) {
    FUZZ_CHECK(records[i]->tray_number == static_cast<int32_t>(i + 1));
    FUZZ_CHECK(records[i]->tray_name == trays[i].name && records[i]->tray_alias == trays[i].source);
    FUZZ_CHECK(records[i]->num_media == 1 && records[i]->media_name[0] == trays[i].media);
  }
  quillon_free(records);
  return trays.size();
}

// The vendor names ATTR_getAttributeValues answers from the standard attributes, for every
// tray and colorant the answer has and one beyond, and numbers no printer has.
void CheckFallbacks(const AttributeTable& table, size_t trays) {
  const size_t colorants = Texts(table, "marker-names").size();
  for (const char* name : {"vidInputNumOfTrays", "vidMarkerColorantNumOfColorants", "vidInput0Name",
                           "vidInput-1Name", "vidInput18446744073709551617Name", "vidInputName"})
    StandardFallback(table, name);
  for (size_t n = 1; n <= std::max(trays, colorants) + 1; ++n) {
    const std::string number = std::to_string(n);
    for (const char* suffix : {"Name", "MaxCapacity", "CurrentLevel", "MediaName"})
      StandardFallback(table, "vidInput" + number + suffix);
    StandardFallback(table, "vidMarkerColorant" + number + "Value");
    StandardFallback(table, "vidMarkerSupply" + number + "MaxCapacity");
    StandardFallback(table, "vidMarkerSupply" + number + "Level");
  }
}

void ReadNamedValues(const AttributeTable& table) {
  for (const char* attribute : {"corvel-features", "corvel-icc-profiles", "corvel-device-links"})
    for (const std::string& text : Texts(table, attribute)) SplitPair(text);
  for (const std::string& keyword : Texts(table, "corvel-color-keywords")) {
    FirstText(table, keyword + "-default");
    Texts(table, keyword + "-supported");
  }
  for (const char* attribute :
       {"natural-language-configured", "generated-natural-language-supported"})
    for (const std::string& language : Texts(table, attribute))
      IppLanguageFromLocale(LocaleFromIppLanguage(language));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryBody body{{reinterpret_cast<const char*>(data), size}};
  const IppPtr response(ippNew());
  if (ippReadIO(&body, ReadMemory, 1, nullptr, response.get()) != IPP_STATE_DATA) return 0;

  const AttributeTable table = ReadPrinterAttributes(response.get());
  CheckTable(table);
  CheckFallbacks(table, CheckTrays(table));
  ReadNamedValues(table);
  const int32_t jobs = CountJobs(response.get());
  FUZZ_CHECK(jobs >= 0 && jobs <= static_cast<int32_t>(kMaxJobsCounted));
  FUZZ_CHECK(ParseStringsFile(body.bytes.substr(body.read)).size() <= kMaxStrings);
  return 0;
}
