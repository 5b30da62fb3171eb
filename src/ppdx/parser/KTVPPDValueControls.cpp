// Ranges, job notes (grouped and standalone), special options and shortcuts.
#include <cctype>
#include <cstdint>
#include <cstring>
#include <optional>

#include "ppdx/parser/ControlFactory.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXControl.h"

_EXTENSIONS_SUPPORT_ KTVPPD::sExtensionsSupport = ES_ALL;

namespace {

// The decimal number the leading digits (after an optional minus) stand for, 0 for other text;
// none when the number does not fit the 32 bits the controls keep.
std::optional<int32_t> LeadingDecimal(const char* text) {
  const bool negative = *text == '-';
  if (negative) ++text;
  constexpr int64_t kLimit = int64_t(INT32_MAX) + 1;  // the magnitude of INT32_MIN
  int64_t value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    value = value * 10 + (*text - '0');
    if (value > kLimit) return std::nullopt;
  }
  if (!negative && value == kLimit) return std::nullopt;
  return int32_t(negative ? -value : value);
}

// Job-note flag words; row r sets bit 1 << r.
constexpr const char* kJobNoteFlagWords[] = {
    "Alpha",         "Numeric", "Decimal",      "Required",   "Remembered", "Password",
    "AlwaysDisplay", "Resume",  "Member",       "OnOfSwitch", "LengthReq",  "SecPrint",
    "Command",       "Space",   "Negative",     "Encrypt",    "MultiSpace", "MultiComma",
    "LCD",           "Hyphen",  "TwoCharField", "NoComma",    "MinLength"};
constexpr int kMinLengthRow = 22;

// The first row the extension level does not support (none for ES_ALL).
int FirstUnsupportedRow(_EXTENSIONS_SUPPORT_ level) {
  switch (level) {
    case ES_1_0:
      return 9;
    case ES_1_1:
      return 12;
    case ES_1_2:
      return 15;
    default:
      return kMinLengthRow + 1;
  }
}

// "MinLength" followed by text: the minimum length that text gives.
long MinLengthSuffix(const char* suffix) {
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  if (!digit(suffix[0])) return -1;
  const size_t length = std::strlen(suffix);
  if (length == 1) return suffix[0] - '0';
  if (length > 2) return -2;
  if (!digit(suffix[1])) return -3;
  return (suffix[0] - '0') * 10 + (suffix[1] - '0');
}

}  // namespace

KTVPPD::ErrorPtr KTVPPD::ParseRange(PPDStream& line, const char* controlKeyword,
                                    std::vector<std::string>& flags, PPDXGroup* group) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kOptionKeywordDelimiters, true) || keyword[0] == '\0' ||
      std::strcmp(keyword, controlKeyword) != 0)
    return MakeError(PPDErr_RangeParsing, controlKeyword);
  const std::optional<std::string> name = ReadTranslation(line, keyword);
  if (!name) return nullptr;

  line.SkipWhiteSpace();
  char c;
  if (!line.GetChar(c) || c != '(') return MakeError(PPDErr_RangeParsing, keyword);
  long fields[4];
  for (long& field : fields) {
    char token[kLineSizeLimit];
    if (!NextToken(line, token, kRangeStringDelimiters, true))
      return MakeError(PPDErr_RangeParsing, keyword);
    const std::optional<int32_t> number = LeadingDecimal(token);
    if (!number) return MakeError(PPDErr_RangeParsing, keyword);
    field = *number;
  }
  const std::string code = ReadPostScript(line);
  if (code.empty()) AddWarning(PPDErr_NoPostscript, keyword);
  if (group == nullptr && !ParseOrphans()) return MakeError(PPDErr_NoParent, keyword);

  const RangeValues values{fields[0], fields[1], fields[2], fields[3]};
  PPDXControl* control = MakeRangeControl(keyword, *name, flags, code, values);
  SetupControl(group, control, true);
  RegisterControl(keyword, control);
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParseJobNote(PPDStream& line) {
  std::vector<std::string> noFlags;
  return ParseJobNote(line, nullptr, noFlags, nullptr);
}

// controlKeyword is null for the standalone form.
KTVPPD::ErrorPtr KTVPPD::ParseJobNote(PPDStream& line, const char* controlKeyword,
                                      std::vector<std::string>& flags, PPDXGroup* group) {
  const bool grouped = controlKeyword != nullptr;
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kOptionKeywordDelimiters, true) || keyword[0] == '\0')
    return MakeError(PPDErr_JobNoteParsing);
  if (grouped && std::strcmp(keyword, controlKeyword) != 0)
    return MakeError(PPDErr_JobNoteParsing, keyword);
  const std::optional<std::string> name = ReadTranslation(line, keyword);
  if (!name) return nullptr;
  char word[kLineSizeLimit];
  if (!NextToken(line, word, kFlagKeywordDelimiters, true)) return nullptr;

  const std::optional<int32_t> maxLength = LeadingDecimal(word);
  if (!maxLength) return MakeError(PPDErr_JobNoteParsing, keyword);
  JobNoteValues values;
  values.maxLength = *maxLength;
  const int unsupported = FirstUnsupportedRow(sExtensionsSupport);
  for (const std::string& flagWord : ReadFlagWords(line)) {
    const char* word = flagWord.c_str();
    int row = -1;
    for (int r = 0; r <= kMinLengthRow && row < 0; ++r)
      if (std::strcmp(word, kJobNoteFlagWords[r]) == 0) row = r;
    if (row < 0 && grouped && std::strncmp(word, "MinLength", 9) == 0) {
      row = kMinLengthRow;
      values.minLength = MinLengthSuffix(word + 9);
    }
    if (row < 0) continue;
    if (row >= unsupported) {
      AddWarning(PPDErr_UnsupportedJobNoteFlag, keyword);
      break;
    }
    values.noteFlags |= 1ul << row;
  }

  ReadJobNoteFollowUp(keyword, values);
  values.language = LanguageEncoding() ? LanguageEncoding() : "";
  if (group == nullptr) group = mGroups->Find("FPKTNotes", true);
  PPDXControl* control =
      MakeJobNote(keyword, *name, grouped ? flags : std::vector<std::string>(), values);
  SetupControl(group, control, false);
  RegisterControl(keyword, control);
  return nullptr;
}

void KTVPPD::ReadJobNoteFollowUp(const char* keyword, JobNoteValues& values) {
  const char* next = PeekFileLine();
  if (next == nullptr) return;
  PPDStream nextLine(next, long(std::strlen(next)));
  char token[kLineSizeLimit];
  if (!NextToken(nextLine, token, kMainKeywordDelimiters, true)) return;
  if (std::strncmp(token, "*%De", 4) == 0) {
    const std::vector<std::string> words = ReadFlagWords(nextLine);
    values.notes = words.empty() ? std::string() : words.front();
    ConsumePeekedLine();
  } else if (std::strlen(token) >= 2 && std::strcmp(token + 2, keyword + 1) == 0) {
    std::string lineCopy(next);  // the peeked text is released when the line is consumed
    ConsumePeekedLine();
    PPDStream codeLine(lineCopy.c_str(), long(lineCopy.size()));
    NextToken(codeLine, token, kMainKeywordDelimiters, true);
    values.code = ReadPostScript(codeLine);
  }
}

KTVPPD::ErrorPtr KTVPPD::ParseSpecialOption(PPDStream& line) {
  char keyword[kLineSizeLimit];
  char value[kLineSizeLimit];
  if (!NextToken(line, keyword, kTranslationStringDelimiters, true) || keyword[0] == '\0')
    return nullptr;
  if (!NextToken(line, value, kEndofLineDelimiters, true) || value[0] == '\0') return nullptr;
  PPDXControl* option = MakeSpecialOption(keyword, ConvertTranslation(keyword, keyword), value);
  SetupControl(nullptr, option, false);
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParseShortcut(PPDStream& line) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kEndofLineDelimiters, true) || keyword[0] == '\0') return nullptr;
  if (!PPDXControl::ValidKeyword(keyword)) return MakeError(PPDErr_BadShortcut, keyword);
  mShortcutKeywords.emplace_back(keyword);
  return nullptr;
}

void KTVPPD::ResolveShortcuts() {
  PointerList found;
  for (const std::string& keyword : mShortcutKeywords) {
    CNTL_TYPE kind;
    PPDXControl* control = mControls->Find(keyword.c_str(), kind, true);
    if (control != nullptr && kind == ctPopup)  // shortcuts are popup menus
      found.PushBack(control);
    else
      AddWarning(PPDErr_BadShortcut, keyword.c_str());
  }
  mShortcuts = std::make_unique<PPDXShortcuts>(found);
}
