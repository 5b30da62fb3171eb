// "*%KTVFlags" and what follows it: the optional "*%KTVGroup" line and the UI block, range or
// job note that the flags belong to.
#include <cstring>

#include "ppdx/parser/ControlFactory.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/controls/PPDXControl.h"

namespace {

bool IsUIBlockOpener(const char* token) {
  for (const char* opener : {"*OpenUI", "*KTOpenUI", "*OpenUIKTV", "*BeginUI"})
    if (std::strcmp(token, opener) == 0) return true;
  return false;
}

// True when the option keyword of an opener line is followed by ':' before any '/', so that the
// line carries no translation ("*OpenUI *Key: PickOne").
bool OpenerHasNoTranslation(const PPDStream& line) {
  PPDStream probe(line);
  char c;
  while (probe.GetChar(c)) {
    if (c == '/') return false;
    if (c == ':') return true;
  }
  return false;
}

}  // namespace

KTVPPD::ErrorPtr KTVPPD::ParseControl(PPDStream& line) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kMainKeywordDelimiters, true) || keyword[0] == '\0')
    return MakeError(PPDErr_ControlParsing);
  if (mPlacedKeywords.count(keyword) != 0) return MakeError(PPDErr_Duplicate, keyword);
  std::vector<std::string> flags = ReadFlagWords(line);

  char next[kLineSizeLimit];
  if (!NextFileLine(next)) return nullptr;
  PPDStream nextLine(next, long(std::strlen(next)));
  char token[kLineSizeLimit];
  NextToken(nextLine, token, kMainKeywordDelimiters, true);
  if (std::strcmp(token, "*%KTVGroup") == 0) return ParseGroup(nextLine, keyword, flags);
  if (IsUIBlockOpener(token)) return ParseOpenUI(nextLine, keyword, flags, nullptr);
  return MakeError(PPDErr_ControlParsing, keyword);
}

KTVPPD::ErrorPtr KTVPPD::ParseGroup(PPDStream& line, const char* controlKeyword,
                                    std::vector<std::string>& flags) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kMainKeywordDelimiters, true) || keyword[0] == '\0')
    return MakeError(PPDErr_GroupParsing, controlKeyword);
  if (std::strcmp(keyword, controlKeyword) != 0) return nullptr;
  char groupKeyword[kLineSizeLimit];
  if (!NextToken(line, groupKeyword, kOptionKeywordDelimiters, true) || groupKeyword[0] == '\0')
    return nullptr;
  PPDXGroup* group = FindAndCreateParent(groupKeyword);

  char next[kLineSizeLimit];
  if (!NextFileLine(next)) return nullptr;
  PPDStream nextLine(next, long(std::strlen(next)));
  char token[kLineSizeLimit];
  NextToken(nextLine, token, kMainKeywordDelimiters, true);
  if (std::strcmp(token, "*%KTVJobNote") == 0)
    return ParseJobNote(nextLine, controlKeyword, flags, dynamic_cast<PPDXRollDown*>(group));
  if (std::strcmp(token, "*%KTVRange") == 0 || std::strcmp(token, "*%KTVUnitRange") == 0)
    return ParseRange(nextLine, controlKeyword, flags, group);
  if (IsUIBlockOpener(token)) return ParseOpenUI(nextLine, controlKeyword, flags, group);
  return MakeError(PPDErr_GroupParsing, controlKeyword);
}

KTVPPD::ErrorPtr KTVPPD::ParseOpenUI(PPDStream& line, const char* controlKeyword,
                                     std::vector<std::string>& flags, PPDXGroup* group) {
  const bool noTranslation = OpenerHasNoTranslation(line);
  char uiKeyword[kLineSizeLimit];
  if (!NextToken(line, uiKeyword, kOptionKeywordDelimiters, true) || uiKeyword[0] == '\0')
    return MakeError(PPDErr_OpenUIParsing, controlKeyword);
  char translation[kLineSizeLimit];
  if (noTranslation)
    std::strcpy(translation, uiKeyword[0] == '*' ? uiKeyword + 1 : uiKeyword);
  else
    NextToken(line, translation, kTranslationStringDelimiters, true);
  char type[kLineSizeLimit];
  if (!NextToken(line, type, kRangeStringDelimiters, true)) type[0] = '\0';

  const std::string name = ConvertTranslation(translation, controlKeyword);
  if (std::strcmp(type, "Boolean") == 0)
    return ParseBooleanControl(controlKeyword, name, flags, group);
  if (std::strcmp(type, "PickOne") == 0)
    return ParsePopupControl(controlKeyword, name, flags, group, false);
  if (std::strcmp(type, "PickMany") == 0)
    return ParsePopupControl(controlKeyword, name, flags, group, true);
  return MakeError(PPDErr_InvalidOpenUIType, controlKeyword);
}

void KTVPPD::RegisterControl(const char* keyword, PPDXControl* control) {
  mKeywordControlMap->insert(keyword, control);
}

void KTVPPD::SetupControl(PPDXGroup* group, PPDXControl* control, bool reportInvalidParent) {
  if (control->Keyword()) mPlacedKeywords.insert(control->Keyword());
  if (group == nullptr && mLoadingInstallableOptions) group = mInstallableOptionsGroup;
  if (auto* rollDown = dynamic_cast<PPDXRollDown*>(group)) {
    control->SetParent(rollDown);
    rollDown->Controls()->Add(control);
    mControls->Add(control);
    return;
  }
  if (group == nullptr && !ParseOrphans()) {
    mControls->Add(control);
    return;
  }
  if (reportInvalidParent) AddWarning(PPDErr_InvalidParent, control->Keyword());
  mControls->Add(control);
}
