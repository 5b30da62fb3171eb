#include <cctype>

#include "ToolkitFixture.h"

namespace {

// A digits-only filter with the field's maximum as length limit; refused keys beep.
ControlKeyFilterResult DigitsFilter(ControlRef field, int16_t*, int16_t* charCode,
                                    EventModifiers*) {
  int32_t start = 0, end = 0;
  GetEditTextSelection(field, &start, &end);
  const bool fits = GetEditTextLength(field) - (end - start) + 1 <= GetControl32BitMaximum(field);
  if (*charCode == kBackspaceCharCode || (std::isdigit(*charCode) && fits))
    return kControlKeyFilterPassKey;
  SysBeep(1);
  return kControlKeyFilterBlockKey;
}

void CutToMaximum(ControlRef field) {
  std::string text;
  GetControlPasswordText(field, &text);
  if (Utf8Length(text) > GetControl32BitMaximum(field))
    SetControlPasswordText(field, Utf8Prefix(text, GetControl32BitMaximum(field)));
}

using TextFieldTest = ToolkitTest;

TEST_F(TextFieldTest, TypingReplacesTheSelectionAndEditsAtTheCaret) {
  WindowRef window = Open("Panel");
  ControlRef field = Find(window, "pane", 5);
  ASSERT_EQ(SetKeyboardFocus(window, field), noErr);  // focus selects all text
  UserTypeText(window, "héllo");
  std::string text;
  GetControlText(field, &text);
  EXPECT_EQ(text, "héllo");
  UserTypeKey(window, kLeftArrowCharCode);
  UserTypeKey(window, kBackspaceCharCode);
  UserTypeKey(window, 'L');
  GetControlText(field, &text);
  EXPECT_EQ(text, "hélLo");
  EXPECT_EQ(UserTypeKey(window, 'x', cmdKey), eventNotHandledErr);  // command keys type nothing
  GetControlText(field, &text);
  EXPECT_EQ(text, "hélLo");
  EXPECT_EQ(SetKeyboardFocus(window, Find(window, "pane", 7)), errCouldntSetFocus);
}

TEST_F(TextFieldTest, KeyFilterBlocksKeysAndValidationRunsAfterPaste) {
  WindowRef window = Open("Panel");
  ControlRef field = Find(window, "pane", 6);
  SetControl32BitMaximum(field, 4);
  SetControlKeyFilter(field, DigitsFilter);
  SetControlValidationProc(field, CutToMaximum);
  SetKeyboardFocus(window, field);
  const uint32_t beeps = GetSysBeepCount();
  UserTypeText(window, "12a345");
  std::string clear, shown;
  GetControlPasswordText(field, &clear);
  GetControlText(field, &shown);
  EXPECT_EQ(clear, "1234");
  EXPECT_EQ(shown, "\u2022\u2022\u2022\u2022");
  EXPECT_EQ(GetSysBeepCount(), beeps + 2);  // 'a' and '5'

  SetEditTextSelection(field, 0, 4);
  UserPaste(window, "98a");  // the filter sees each pasted character: 'a' refuses the paste
  GetControlPasswordText(field, &clear);
  EXPECT_EQ(clear, "1234");
  EXPECT_EQ(GetSysBeepCount(), beeps + 3);
  UserPaste(window, "987654321");  // validation cuts what does not fit
  GetControlPasswordText(field, &clear);
  EXPECT_EQ(clear, "9876");
}

TEST_F(TextFieldTest, ReturnAndEscapePressTheWindowsButtonsAndTabMovesFocus) {
  WindowRef window = Open("Ask");
  std::vector<uint32_t> commands;
  auto recordCommand = [](EventRef event, void* data) -> OSStatus {
    HICommand command;
    GetEventCommand(event, &command);
    static_cast<std::vector<uint32_t>*>(data)->push_back(command.commandID);
    return noErr;
  };
  const EventTypeSpec spec{kEventClassCommand, kEventCommandProcess};
  InstallWindowEventHandler(window, recordCommand, 1, &spec, &commands, nullptr);
  SetKeyboardFocus(window, Find(window, "askf", 1));
  EXPECT_EQ(UserTypeKey(window, kReturnCharCode), noErr);
  EXPECT_EQ(UserTypeKey(window, kEscapeCharCode), noErr);
  EXPECT_EQ(commands, (std::vector<uint32_t>{FourCC("ok  "), FourCC("not!")}));

  WindowRef panel = Open("Panel");
  SetKeyboardFocus(panel, Find(panel, "pane", 5));
  UserTypeKey(panel, kTabCharCode);
  ControlRef focus = nullptr;
  GetKeyboardFocus(panel, &focus);
  EXPECT_EQ(focus, Find(panel, "pane", 6));
}

TEST_F(TextFieldTest, CharactersMacRomanLacksAreRefusedWithABeep) {
  WindowRef window = Open("Panel");
  for (ControlRef field : {Find(window, "pane", 5), Find(window, "pane", 6)}) {
    SetControlText(field, "");
    SetControlPasswordText(field, "");
    SetKeyboardFocus(window, field);
    const uint32_t beeps = GetSysBeepCount();
    UserTypeText(window, "a\u0142b");    // ł is not in Mac Roman
    UserPaste(window, "c\u0142");        // refused whole
    UserPaste(window, "\u00E9");         // é is
    UserTypeText(window, "\U0001F600");  // beyond one key
    std::string text;
    if (GetControlPasswordText(field, &text) != noErr) GetControlText(field, &text);
    EXPECT_EQ(text, "ab\u00E9");
    EXPECT_EQ(GetSysBeepCount(), beeps + 3);
  }
}

}  // namespace
