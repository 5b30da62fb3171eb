#pragma once
// Checks on a parsed model through the description ppdx-dump prints (ModelDump.h): a fact names
// an entry of one of its lists by keyword and the fields that entry must have.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <vector>

#include "../PPDXTestSupport.h"
#include "ModelDump.h"

using nlohmann::json;

struct Fact {
  const char* section;  // "properties", "groups" or "controls"
  const char* keyword;
  const char* fields;  // a JSON object
};

inline json ModelOf(KTVPPD& ppd) { return json::parse(DumpModel(ppd)); }

// The first entry of list whose field has the value.
inline const json* FindBy(const json& list, const json& value, const char* field = "keyword") {
  for (const json& entry : list)
    if (entry[field] == value) return &entry;
  return nullptr;
}

inline void ExpectFacts(const json& model, const std::vector<Fact>& facts) {
  for (const Fact& fact : facts) {
    const json* entry = FindBy(model[fact.section], fact.keyword);
    ASSERT_NE(entry, nullptr) << fact.section << " " << fact.keyword;
    const json fields = json::parse(fact.fields);  // outlives the walk over its items
    for (const auto& [field, expected] : fields.items())
      EXPECT_EQ((*entry)[field], expected) << fact.keyword << "." << field;
  }
}
inline void ExpectFacts(KTVPPD& ppd, const std::vector<Fact>& facts) {
  ExpectFacts(ModelOf(ppd), facts);
}
