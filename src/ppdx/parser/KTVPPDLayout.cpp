// Property pages, group names, parents and orphan groups: the page -> scroll pane -> roll-down
// layout that the extension keywords declare.
#include <cstring>

#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/text/TextConverter.h"

namespace {

bool Contains(const std::vector<std::string>& words, const char* word) {
  for (const std::string& w : words)
    if (w == word) return true;
  return false;
}

}  // namespace

// Every non-empty word up to the end of the line: a quote or bar right after the keyword, or two
// bars in a row, only separate words.
std::vector<std::string> KTVPPD::ReadFlagWords(PPDStream& line) {
  std::vector<std::string> words;
  char word[kLineSizeLimit];
  while (line.PeekChar() != -1)
    if (NextToken(line, word, kFlagKeywordDelimiters, true) && word[0] != '\0')
      words.emplace_back(word);
  return words;
}

namespace {

// Plain ASCII without hex escapes reads the same in every encoding that keeps ASCII as it is.
bool NeedsNoConversion(const char* text, TextEncoding encoding) {
  switch (encoding) {
    case kTextEncodingMacRoman:
    case kTextEncodingISOLatin1:
    case kTextEncodingISOLatin2:
    case kTextEncodingISOLatin5:
    case kTextEncodingWindowsLatin1:
    case kTextEncodingUTF8:
    case kTextEncodingUnicodeDefault:  // what "*LanguageEncoding: UTF-8" declares
    case kTextEncodingUnicodeV1_1:
      break;
    default:
      return false;  // Shift-JIS, for one, reads the backslash byte as a yen sign
  }
  for (const char* p = text; *p; ++p)
    if (static_cast<unsigned char>(*p) >= 0x80 || *p == '<') return false;
  return true;
}

}  // namespace

std::string KTVPPD::ConvertTranslation(const char* text, const char* fallback) {
  // Without a converter the name stays readable: the keyword stands in for it.
  if (!mTextConverter) return fallback ? fallback : "";
  if (text && NeedsNoConversion(text, mTextConverter->GetInputEncoding())) return text;
  return mTextConverter->ConvertToCFString(text, kLineSizeLimit);
}

std::optional<std::string> KTVPPD::ReadTranslation(PPDStream& line, const char* fallback) {
  char text[kLineSizeLimit];
  if (!NextToken(line, text, kTranslationStringDelimiters, false)) return std::nullopt;
  return ConvertTranslation(text, fallback);
}

KTVPPD::ErrorPtr KTVPPD::ParsePropertyPage(PPDStream& line) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kOptionKeywordDelimiters, true) || keyword[0] == '\0')
    return MakeError(PPDErr_PropPageParsing);
  if (mProperties->Find(keyword, true)) return MakeError(PPDErr_Duplicate, keyword);
  const std::optional<std::string> name = ReadTranslation(line, keyword);
  if (!name) return nullptr;
  const std::vector<std::string> flags = ReadFlagWords(line);
  const bool visible = Contains(flags, "True");
  const bool showInApp = !Contains(flags, "Prop");
  const bool showInPrintProp = !Contains(flags, "App");
  if (Admits(visible))
    mProperties->Add(new PPDXProperty(keyword, *name, visible, showInPrintProp, showInApp));
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParseGroupName(PPDStream& line) {
  char keyword[kLineSizeLimit];
  if (!NextToken(line, keyword, kOptionKeywordDelimiters, true) || keyword[0] == '\0')
    return MakeError(PPDErr_GroupNameParsing);
  if (mGroups->Find(keyword, true)) return MakeError(PPDErr_Duplicate, keyword);
  const std::optional<std::string> name = ReadTranslation(line, keyword);
  const bool visible = Contains(ReadFlagWords(line), "True");
  if (!Admits(visible) || mProperties->Find(keyword, true)) return nullptr;
  AddGroupNameToList(keyword, name.value_or(keyword), visible);
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParseParent(PPDStream& line) {
  char child[kLineSizeLimit];
  char parent[kLineSizeLimit];
  if (!NextToken(line, child, kOptionKeywordDelimiters, true) || child[0] == '\0')
    return MakeError(PPDErr_ParentParsing);
  if (!NextToken(line, parent, kOptionKeywordDelimiters, true) || parent[0] == '\0')
    return MakeError(PPDErr_ParentParsing, child);

  bool visible = false, scrollPane = false, rollDown = false;
  for (const std::string& word : ReadFlagWords(line)) {
    if (word == "True")
      visible = true;
    else if (word == "Scrollpane")
      scrollPane = true, rollDown = false;
    else if (word == "Rolldown")
      rollDown = true, scrollPane = false;
  }
  const GroupName* pending = FindGroupNameFromList(child);
  if (!Admits(visible) || pending == nullptr) return nullptr;

  if (scrollPane) {
    PPDXProperty* page = mProperties->Find(parent, true);
    if (page == nullptr) return MakeError(PPDErr_ParentParsingNoParent, parent);
    auto* pane = new PPDXScrollPane(child, pending->cfUserName, visible);
    pane->SetParent(page);
    page->SetScrollDown(pane);
    mGroups->Add(pane);
  } else if (rollDown) {
    auto* pane = dynamic_cast<PPDXScrollPane*>(mGroups->Find(parent, true));
    if (pane == nullptr) return MakeError(PPDErr_ParentParsingNoParent, parent);
    auto* roll = new PPDXRollDown(child, pending->cfUserName, visible);
    roll->SetParent(pane);
    pane->RollDowns()->Add(roll);
    mGroups->Add(roll);
  }
  return nullptr;
}

void KTVPPD::AddGroupNameToList(const char* keyword, const std::string& name, bool visible) {
  mGroupNameKeywords.push_back(GroupName{keyword, name, std::string(), visible});
}

const GroupName* KTVPPD::FindGroupNameFromList(const char* keyword) const {
  for (const GroupName& entry : mGroupNameKeywords)
    if (entry.keyword == keyword) return &entry;
  return nullptr;
}

PPDXGroup* KTVPPD::FindAndCreateParent(const char* groupKeyword) {
  if (PPDXGroup* group = mGroups->Find(groupKeyword, true)) return group;
  const GroupName* pending = FindGroupNameFromList(groupKeyword);
  if (pending == nullptr) return nullptr;
  auto* group = new PPDXGroup(pending->keyword.c_str(), pending->cfUserName, pending->isVisible);
  mGroups->Add(group);
  return group;
}

void KTVPPD::CollectOrphanGroups() {
  if (!ParseOrphans()) return;
  for (const GroupName& entry : mGroupNameKeywords) {
    if (mGroups->Find(entry.keyword.c_str(), true)) continue;
    mGroups->Add(new PPDXGroup(entry.keyword.c_str(), entry.cfUserName, entry.isVisible));
  }
}
