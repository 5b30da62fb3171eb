// Constraint and requirement lines: storing them in the forests and answering, for a control's
// choice, which (control, choice) pairs they tie to it.
#include <cstring>

#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/parser/PopupChoices.h"
#include "ppdx/controls/PPDXControl.h"

namespace {

// The next word of a constraint line after white space into `word`; empty at the end of the
// line. Fixed buffers rather than strings: this runs four times per constraint line.
using Word = char[kLineSizeLimit];
void NextWord(PPDStream& line, Word& word) {
  line.SkipWhiteSpace();
  if (!PPDX::NextToken(line, word, kConstraintDelimiters, true)) word[0] = '\0';
}

}  // namespace

KTVPPD::ErrorPtr KTVPPD::ParseUIConstraint(PPDStream& line, bool isRequirement) {
  Word k1, o1, k2, o2;
  NextWord(line, k1);
  if (k1[0] == '\0') return MakeError(PPDErr_BadConstraint);
  NextWord(line, o1);
  if (o1[0] == '*') {
    std::strcpy(k2, o1);
    o1[0] = '\0';
  } else {
    NextWord(line, k2);
  }
  if (k2[0] == '\0') return MakeError(PPDErr_BadConstraint, k1);
  NextWord(line, o2);

  CStringSoup& strings = *mConstraintStrings;
  const auto slot = [&](const char* text) { return int32_t(strings.Insert(text)); };
  const int32_t s1 = slot(k1), s2 = slot(o1), s3 = slot(k2), s4 = slot(o2);
  (isRequirement ? mRequiresForest : mConstraintForest)->insert(s1, s2, s3, s4);
  ++(isRequirement ? gProcessedRequires : gProcessedConstraints);
  return nullptr;
}

namespace {

// The option text that a query for choice itemNum of a control stands for; null when none.
std::optional<std::string> OptionTextFor(PPDXControl* control, long itemNum) {
  switch (ControlKind(control)) {
    case ctPopup: {
      const char* keyword = ChoiceKeyword(control, itemNum == 0 ? 1 : itemNum);
      if (keyword == nullptr) return std::nullopt;
      return std::string(keyword);
    }
    case ctBoolean:
      return std::string(itemNum != 0 ? "True" : "False");
    default:
      return std::string();
  }
}

}  // namespace

long KTVPPD::CommonGetForestList(void* control, long itemNum, SharedConstraintRec** out,
                                 const ConstraintForest* forest) const {
  if (control == nullptr) return 0;
  if (!mConstraintStrings || !mKeywordControlMap) {  // the maps were deleted: nothing is tied
    if (out) *out = nullptr;
    return 0;
  }
  auto* ppdControl = static_cast<PPDXControl*>(control);
  const CStringSoup& strings = *mConstraintStrings;
  const char* keyword = mKeywordControlMap->Lookup(ppdControl);
  const long keywordSlot = keyword ? strings.Find(keyword) : -1;

  std::unique_ptr<ItemConstraintList> specific;
  std::unique_ptr<ItemConstraintList> general;
  if (keywordSlot >= 0 && forest != nullptr) {
    const std::optional<std::string> option = OptionTextFor(ppdControl, itemNum);
    const long optionSlot = option ? strings.Find(option->c_str()) : -1;
    if (optionSlot >= 0)
      specific = forest->GetConstraintList(int32_t(keywordSlot), int32_t(optionSlot));
    general = forest->GetConstraintList(int32_t(keywordSlot), -1);
  }
  const long specificSize = specific ? specific->size() : 0;
  const long n = specificSize + (general ? general->size() : 0);
  if (n == 0) {
    if (out) *out = nullptr;
    return 0;
  }
  if (out == nullptr) return n;
  auto* records = new SharedConstraintRec[size_t(n)];
  for (long i = 0; i < n; ++i) {
    const ConstraintPair pair = i < specificSize ? (*specific)[i] : (*general)[i - specificSize];
    records[i] = MakeRecord(pair);
  }
  *out = records;
  return n;
}

SharedConstraintRec KTVPPD::MakeRecord(const ConstraintPair& pair) const {
  SharedConstraintRec record{nullptr, kNoConstraintItem};
  const char* keyword = mConstraintStrings->Find(pair.first);
  const char* option = mConstraintStrings->Find(pair.second);
  record.ppdControl = keyword ? mKeywordControlMap->Lookup(keyword) : nullptr;
  if (record.ppdControl != nullptr && option != nullptr && option[0] != '\0' &&
      ControlKind(record.ppdControl) == ctPopup) {
    const long position = ChoicePosition(record.ppdControl, option);
    if (position > 0 && position < kNoConstraintItem) record.itemNum = uint16_t(position);
  }
  return record;
}

long KTVPPD::GetConstraintList(void* control, long itemNum, SharedConstraintRec** out) const {
  return CommonGetForestList(control, itemNum, out, mConstraintForest.get());
}

long KTVPPD::GetRequiresList(void* control, SharedConstraintRec** out) const {
  return CommonGetForestList(control, 0, out, mRequiresForest.get());
}

void KTVPPD::ReleaseConstraintList(SharedConstraintRec*& records) {
  delete[] records;
  records = nullptr;
}

void KTVPPD::DeleteConstraintMaps() {
  mConstraintForest.reset();
  if (gConstraintStrings == mConstraintStrings.get()) gConstraintStrings = nullptr;
  mConstraintStrings.reset();
}

void KTVPPD::DumpConstraintMap(FILE* file, const ConstraintForest* forest,
                               const char* title) const {
  if (file == nullptr || !mKeywordControlMap || !mConstraintStrings) return;
  std::fprintf(file, "--- %s ---\n", title ? title : "");
  const CStringSoup& strings = *mConstraintStrings;
  for (long e = 0; e < mKeywordControlMap->size(); ++e) {
    const auto& [keyword, control] = (*mKeywordControlMap)[e];
    std::fprintf(file, "%s = %08lx\n", keyword.c_str(),
                 static_cast<unsigned long>(reinterpret_cast<uintptr_t>(control)));
    const long keywordSlot = strings.Find(keyword.c_str());
    for (long i = 0; i < strings.size(); ++i) {
      std::fprintf(file, "GetConstraintList: %s(%ld), %s(%ld)\n", keyword.c_str(), keywordSlot,
                   strings.Find(i), i);
      if (forest == nullptr || keywordSlot < 0) continue;
      const std::unique_ptr<ItemConstraintList> list =
          forest->GetConstraintList(int32_t(keywordSlot), int32_t(i));
      for (long p = 0; list && p < list->size(); ++p) {
        const ConstraintPair pair = (*list)[p];
        std::fprintf(file, "*UIConstraints: %s %s %s %s\n", keyword.c_str(), strings.Find(i),
                     strings.Find(pair.first), strings.Find(pair.second));
      }
    }
  }
}
