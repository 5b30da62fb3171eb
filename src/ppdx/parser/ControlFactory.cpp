#include "ppdx/parser/ControlFactory.h"

#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"
#include "support/PointerList.h"

namespace {

// The flag words as the list of CString* the control constructors copy.
class FlagList {
 public:
  explicit FlagList(const std::vector<std::string>& words) {
    mWords.reserve(words.size());
    for (const std::string& word : words) {
      mWords.emplace_back(word.c_str());
      mList.PushBack(&mWords.back());
    }
  }
  const PointerList* get() const { return &mList; }

 private:
  std::vector<CString> mWords;
  PointerList mList;
};

const char* CodeOrNull(const std::string& code) { return code.empty() ? nullptr : code.data(); }

}  // namespace

PPDXPopupControl* MakePopupControl(const char* keyword, const std::string& name,
                                   const std::vector<std::string>& flags, bool visible,
                                   bool multiSelection, PopupItemList items,
                                   const char* defaultKeyword) {
  const FlagList flagList(flags);
  return new PPDXPopupControl(keyword, name, flagList.get(), visible, multiSelection,
                              std::move(items), defaultKeyword);
}

PPDXControl* MakeBooleanControl(const char* keyword, const std::string& name,
                                const std::vector<std::string>& flags, bool visible,
                                const BooleanChoices& states) {
  const FlagList flagList(flags);
  return new PPDXBooleanControl(
      keyword, name, flagList.get(), visible,
      states.trueText.empty() ? nullptr : states.trueText.c_str(), CodeOrNull(states.trueCode),
      long(states.trueCode.size()), states.falseText.empty() ? nullptr : states.falseText.c_str(),
      CodeOrNull(states.falseCode), long(states.falseCode.size()), states.defaultState);
}

PPDXControl* MakeRangeControl(const char* keyword, const std::string& name,
                              const std::vector<std::string>& flags, const std::string& code,
                              const RangeValues& values) {
  const FlagList flagList(flags);
  return new PPDXRangeControl(keyword, name, flagList.get(), CodeOrNull(code), long(code.size()),
                              values.min, values.max, values.increment, values.defaultValue, true);
}

PPDXControl* MakeJobNote(const char* keyword, const std::string& name,
                         const std::vector<std::string>& flags, const JobNoteValues& values) {
  const FlagList flagList(flags);
  return new PPDXJobNote(keyword, name, flagList.get(), CodeOrNull(values.code),
                         long(values.code.size()), values.notes ? values.notes->c_str() : nullptr,
                         values.language.c_str(), true, values.maxLength, values.noteFlags,
                         values.minLength);
}

PPDXControl* MakeSpecialOption(const char* keyword, const std::string& name,
                               const std::string& value) {
  return new PPDXSpecialOption(keyword, name, nullptr, value.c_str(), nullptr, 0, false);
}
