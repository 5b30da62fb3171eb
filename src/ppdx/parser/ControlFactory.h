#pragma once
// Builds the control objects from what the parser read off the PPD lines.
#include <optional>
#include <string>
#include <vector>

#include "ppdx/controls/PopupItem.h"

class PPDXControl;
class PPDXPopupControl;

struct BooleanChoices {
  std::string trueText, trueCode;
  std::string falseText, falseCode;
  bool defaultState = false;
};

struct RangeValues {
  long min = 0, max = 0, increment = 0, defaultValue = 0;
};

struct JobNoteValues {
  std::optional<std::string> notes;
  std::string code;
  std::string language;  // the PPD's "*LanguageEncoding"
  long maxLength = 0;
  long minLength = 0;
  unsigned long noteFlags = 0;
};

PPDXPopupControl* MakePopupControl(const char* keyword, const std::string& name,
                                   const std::vector<std::string>& flags, bool visible,
                                   bool multiSelection, PopupItemList items,
                                   const char* defaultKeyword);
PPDXControl* MakeBooleanControl(const char* keyword, const std::string& name,
                                const std::vector<std::string>& flags, bool visible,
                                const BooleanChoices& states);
PPDXControl* MakeRangeControl(const char* keyword, const std::string& name,
                              const std::vector<std::string>& flags, const std::string& code,
                              const RangeValues& values);
PPDXControl* MakeJobNote(const char* keyword, const std::string& name,
                         const std::vector<std::string>& flags, const JobNoteValues& values);
PPDXControl* MakeSpecialOption(const char* keyword, const std::string& name,
                               const std::string& value);
