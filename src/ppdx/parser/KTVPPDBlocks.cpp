// The bodies of UI blocks ("*OpenUI" ... "*CloseUI") that become popup and boolean controls.
#include <cstring>
#include <optional>
#include <string_view>

#include "ppdx/parser/ControlFactory.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/controls/PPDXPopupControl.h"

namespace {

bool IsUIBlockCloser(const char* token) {
  if (token[0] != '*' || (token[1] != 'C' && token[1] != 'K' && token[1] != 'E')) return false;
  for (const char* closer : {"*CloseUI", "*KTCloseUI", "*CloseUIKTV", "*EndUI"})
    if (std::strcmp(token, closer) == 0) return true;
  return false;
}

bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The scans below are written out: string_view's searches for a set of characters call memchr
// once per character, which showed in profiles for every choice line.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

template <class Matches>
size_t FindFirst(std::string_view text, Matches matches) {
  for (size_t i = 0; i < text.size(); ++i)
    if (matches(text[i])) return i;
  return std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// An option line's token "*Key option/Translation": the option keyword and its translation, both
// NUL-terminated inside the token.
struct OptionToken {
  const char* option;
  const char* translation;
};

// Cuts the token in place as the tokenizer would (main keyword up to a space, tab or colon;
// option keyword up to a slash or colon; the rest), without a stream or a copy per token: this
// runs for every choice.
std::optional<OptionToken> SplitOptionToken(char* token) {
  const std::string_view whole(token);
  const size_t mainEnd = FindFirst(whole, [](char c) { return IsBlank(c) || c == ':'; });
  if (Trimmed(whole.substr(0, mainEnd)).empty() || mainEnd == std::string_view::npos)
    return std::nullopt;
  const std::string_view rest = whole.substr(mainEnd + 1);
  const size_t optionEnd = FindFirst(rest, [](char c) { return c == '/' || c == ':'; });
  const std::string_view option = Trimmed(rest.substr(0, optionEnd));
  if (option.empty()) return std::nullopt;
  std::string_view translation = optionEnd == std::string_view::npos
                                     ? std::string_view()
                                     : Trimmed(rest.substr(optionEnd + 1));
  translation = translation.substr(0, translation.find(':'));
  // The option ends at or before the slash that precedes the translation, so ending the option
  // first leaves the translation whole.
  token[option.data() + option.size() - token] = '\0';
  if (translation.empty()) return OptionToken{option.data(), ""};
  token[translation.data() + translation.size() - token] = '\0';
  return OptionToken{option.data(), translation.data()};
}

}  // namespace

// The state of one block walk shared by both kinds: the lines up to the closer, the default
// lines and the option lines.
struct KTVPPD::UIBlock {
  const char* controlKeyword;
  size_t keywordLength;
  bool closed = false;
  int defaults = 0;
  std::string defaultOption;
};

bool KTVPPD::ReadDefaultToken(PPDStream& line, const char* token, UIBlock& block, bool popup) {
  char option[kLineSizeLimit];  // runs for every token of a block: only the terminator is set
  option[0] = '\0';
  if (popup && std::strcmp(token, "*Default") == 0) {
    char keyword[kLineSizeLimit];
    if (!NextToken(line, keyword, kOptionKeywordDelimiters, true) ||
        std::strcmp(keyword, block.controlKeyword) != 0)
      return true;
    NextToken(line, option, kFlagKeywordDelimiters, true);
  } else if (StartsWith(token, "*Def")) {
    NextToken(line, option, kOptionKeywordDelimiters, true);
    if (popup && option[0] == '\0') {
      char dropped[kLineSizeLimit];
      NextToken(line, dropped, kOptionKeywordDelimiters, true);
    }
  } else {
    return false;
  }
  ++block.defaults;
  block.defaultOption = option;
  return true;
}

template <class OptionHandler>
KTVPPD::ErrorPtr KTVPPD::WalkUIBlock(UIBlock& block, bool popup, OptionHandler&& onOption) {
  char line[kLineSizeLimit];
  while (!block.closed && NextFileLine(line)) {
    PPDStream lineStream(line, long(std::strlen(line)));
    char token[kLineSizeLimit];
    while (NextToken(lineStream, token, kTranslationStringDelimiters, true)) {
      if (IsUIBlockCloser(token)) {
        block.closed = true;
        break;
      }
      if (std::strcmp(token, "*OrderDependency") == 0) break;
      const int defaultsBefore = block.defaults;
      if (ReadDefaultToken(lineStream, token, block, popup)) {
        if (popup && defaultsBefore > 0 && block.defaults > defaultsBefore)
          return MakeError(PPDErr_PopupParsing, block.controlKeyword, true);
        continue;
      }
      if (std::strncmp(token, block.controlKeyword, block.keywordLength) != 0) continue;
      const std::optional<OptionToken> option = SplitOptionToken(token);
      if (!option) continue;
      if (ErrorPtr error = onOption(option->option, option->translation, lineStream)) return error;
    }
  }
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParsePopupControl(const char* controlKeyword, const std::string& name,
                                           std::vector<std::string>& flags, PPDXGroup* group,
                                           const bool& multiSelection) {
  UIBlock block{controlKeyword, std::strlen(controlKeyword), false, 0, std::string()};
  PopupItemList choices;
  ErrorPtr error = WalkUIBlock(
      block, true, [&](const char* option, const char* translation, PPDStream& line) -> ErrorPtr {
        const std::optional<std::string> choiceName = ChoiceName(option, translation);
        const long codeLength = ReadCode(line);
        choices.push_back(
            MakeArenaPopupItem(mChoiceArena, option, choiceName, mCodeBuffer.data(), codeLength));
        return nullptr;
      });
  if (error) return error;
  if (!block.closed) return MakeError(PPDErr_PopupParsing, controlKeyword, true);
  if (block.defaults == 0) AddWarning(PPDErr_NoDefaultValueFlag, controlKeyword);
  if (group == nullptr && !ParseOrphans()) return MakeError(PPDErr_NoParent, controlKeyword);

  const char* defaultKeyword = block.defaults ? block.defaultOption.c_str() : nullptr;
  PPDXControl* control = MakePopupControl(controlKeyword, name, flags, true, multiSelection,
                                          std::move(choices), defaultKeyword);
  SetupControl(group, control, true);
  RegisterControl(controlKeyword, control);
  return nullptr;
}

KTVPPD::ErrorPtr KTVPPD::ParseBooleanControl(const char* controlKeyword, const std::string& name,
                                             std::vector<std::string>& flags, PPDXGroup* group) {
  UIBlock block{controlKeyword, std::strlen(controlKeyword), false, 0, std::string()};
  BooleanChoices states;
  ErrorPtr error = WalkUIBlock(
      block, false, [&](const char* option, const char* translation, PPDStream& line) -> ErrorPtr {
        const std::string text =
            ChoiceName(option, translation).value_or(*translation ? translation : option);
        if (std::strcmp(option, "True") == 0) {
          states.trueText = text;
          states.trueCode = ReadPostScript(line);
        } else if (std::strcmp(option, "False") == 0) {
          states.falseText = text;
          states.falseCode = ReadPostScript(line);
        } else {
          return MakeError(PPDErr_BooleanParsing, controlKeyword);
        }
        return nullptr;
      });
  if (error) return error;
  if (!block.closed) return nullptr;
  if (block.defaults == 0) AddWarning(PPDErr_NoDefaultValueFlag, controlKeyword);
  if (group == nullptr && !ParseOrphans()) return MakeError(PPDErr_NoParent, controlKeyword);

  states.defaultState = block.defaultOption == "True";
  PPDXControl* control = MakeBooleanControl(controlKeyword, name, flags, true, states);
  if (control == nullptr) return MakeError(PPDErr_OutOfMemory, controlKeyword, true);
  SetupControl(group, control, true);
  RegisterControl(controlKeyword, control);
  return nullptr;
}

std::optional<std::string> KTVPPD::ChoiceName(const char* option, const char* translation) {
  if (!mTextConverter) return std::nullopt;
  return ConvertTranslation(*translation ? translation : option, option);
}

long KTVPPD::ReadCode(PPDStream& line) {
  mCodeBuffer.resize(kPostScriptSizeLimit);
  return long(GetPostscriptString(line, mCodeBuffer.data(), kPostScriptSizeLimit));
}

std::string KTVPPD::ReadPostScript(PPDStream& line) {
  const long length = ReadCode(line);
  return std::string(mCodeBuffer.data(), size_t(length));
}
