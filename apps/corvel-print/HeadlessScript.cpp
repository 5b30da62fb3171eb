#include "HeadlessScript.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "platform/toolkit/Toolkit.h"

namespace {

constexpr const char* kAnyAlert = "alert";  // an answer for every alert window

std::optional<int32_t> ParseNumber(const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string Name(const ControlID& id) {
  return FourCCToString(id.signature) + "/" + std::to_string(id.id);
}

// Brings the pane holding `control` to the front the way a user would: clicks the tab of each
// enclosing tab control, outermost first, whose chosen tab is not the one holding it.
void BringPaneForward(ControlRef control) {
  ControlRef tabs = nullptr;
  uint16_t tab = 0;
  if (GetEnclosingTab(control, &tabs, &tab) != noErr) return;
  BringPaneForward(tabs);
  if (GetControl32BitValue(tabs) != tab) UserClickTab(tabs, tab);
}

// The popup item a value names: its number, or the item whose text it is.
std::optional<uint16_t> PopupItem(ControlRef popup, const std::string& value) {
  MenuRef menu = GetControlPopupMenuHandle(popup);
  const uint16_t count = CountMenuItems(menu);
  if (std::optional<int32_t> number = ParseNumber(value))
    return *number >= 1 && *number <= count ? std::optional<uint16_t>(uint16_t(*number))
                                            : std::nullopt;
  for (uint16_t item = 1; item <= count; ++item)
    if (CopyMenuItemTextAsCFString(menu, item) == value) return item;
  return std::nullopt;
}

OSStatus SetValue(ControlRef control, const std::string& value, std::string* error) {
  switch (GetControlKind(control)) {
    case ControlKind::PopupButton:
      if (std::optional<uint16_t> item = PopupItem(control, value))
        return UserChoosePopupItem(control, *item);
      *error = "has no item \"" + value + "\"";
      return paramErr;
    case ControlKind::TabControl:
      if (std::optional<int32_t> tab = ParseNumber(value))
        return UserClickTab(control, uint16_t(*tab));
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::BevelButton:
      if (std::optional<int32_t> state = ParseNumber(value); state && (*state == 0 || *state == 1))
        return GetControl32BitValue(control) == *state ? noErr : UserClickControl(control);
      break;
    default:
      *error = "is not a control a value is set on (use --type for text, --click for buttons)";
      return paramErr;
  }
  *error = "takes no value \"" + value + "\"";
  return paramErr;
}

OSStatus TypeInto(WindowRef window, ControlRef field, const std::string& text, std::string* error) {
  if (GetEditTextLength(field) < 0) {
    *error = "is not a text field";
    return paramErr;
  }
  const OSStatus focus = SetKeyboardFocus(window, field);
  if (focus != noErr) return focus;
  SetEditTextSelection(field, 0, GetEditTextLength(field));  // typing replaces the text
  return UserTypeText(window, text);
}

}  // namespace

bool ParseControlID(const std::string& text, ControlID* id) {
  const size_t slash = text.find('/');
  if (slash != 4) return false;
  const std::optional<OSType> signature = FourCCFromText(text.substr(0, 4));
  const std::optional<int32_t> number = ParseNumber(text.substr(5));
  if (!signature || !number) return false;
  *id = ControlID{*signature, *number};
  return true;
}

bool ParseScriptStep(ScriptStep::Kind kind, const std::string& argument, ScriptStep* step,
                     std::string* error) {
  const size_t equals = argument.find('=');
  const bool needsValue = kind != ScriptStep::Kind::Click;
  const std::string target = needsValue ? argument.substr(0, equals) : argument;
  if ((needsValue && equals == std::string::npos) || !ParseControlID(target, &step->control)) {
    *error = "\"" + argument + "\" is not " + (needsValue ? "SIG/N=VALUE" : "SIG/N");
    return false;
  }
  step->kind = kind;
  step->value = needsValue ? argument.substr(equals + 1) : "";
  step->source = argument;
  return true;
}

namespace {

// "SIG/N=TEXT,SIG/N=TEXT" into typing steps; false with the reason in `error`.
bool ParseTyping(const std::string& list, std::vector<ScriptStep>* typing, std::string* error) {
  for (size_t start = 0; start <= list.size();) {
    const size_t comma = std::min(list.find(',', start), list.size());
    ScriptStep step;
    if (!ParseScriptStep(ScriptStep::Kind::Type, list.substr(start, comma - start), &step, error))
      return false;
    typing->push_back(step);
    start = comma + 1;
  }
  return true;
}

// A message dialog (one without text fields) tells the user why: its identified static texts go
// to standard error, lines joined with "; ".
void ReportMessageTexts(WindowRef window, const std::string& name) {
  ControlRef root = nullptr;
  uint16_t count = 0;
  if (GetRootControl(window, &root) != noErr || CountSubControls(root, &count) != noErr) return;
  std::vector<std::string> texts;
  for (uint16_t index = 1; index <= count; ++index) {
    ControlRef child = nullptr;
    ControlID id{};
    std::string text;
    GetIndexedSubControl(root, index, &child);
    const ControlKind kind = GetControlKind(child);
    if (kind == ControlKind::EditText || kind == ControlKind::PasswordText) return;
    if (kind != ControlKind::StaticText || GetControlID(child, &id) != noErr || id.signature == 0 ||
        GetControlText(child, &text) != noErr || text.empty())
      continue;
    std::replace(text.begin(), text.end(), '\r', ';');
    texts.push_back(text);
  }
  for (const std::string& text : texts)
    std::fprintf(stderr, "corvel-print: \"%s\": %s\n", name.c_str(), text.c_str());
}

}  // namespace

bool ParseModalAnswer(const std::string& argument, ModalAnswer* answer, std::string* error) {
  // Typing follows the command after a colon: WINDOW=COMMAND:SIG/N=TEXT,...
  const size_t colon = argument.find(':');
  const bool typed = colon != std::string::npos && argument.find('=', colon) != std::string::npos;
  const std::string head = typed ? argument.substr(0, colon) : argument;
  const size_t equals = head.rfind('=');
  std::string code = equals == std::string::npos ? "" : head.substr(equals + 1);
  if (!code.empty() && code.size() < 4) code.resize(4, ' ');  // "ok" is the command "ok  "
  const std::optional<OSType> command = code.empty() ? std::nullopt : FourCCFromText(code);
  if (!command || equals == 0) {
    *error = "\"" + argument + "\" is not WINDOW=COMMAND (a four-character command)";
    return false;
  }
  *answer = ModalAnswer{head.substr(0, equals), *command, {}};
  return !typed || ParseTyping(argument.substr(colon + 1), &answer->typing, error);
}

bool RunScriptStep(WindowRef window, const ScriptStep& step, std::string* error) {
  ControlRef control = nullptr;
  if (GetControlByID(window, &step.control, &control) != noErr) {
    *error = "no control " + Name(step.control) + " in the dialog";
    return false;
  }
  BringPaneForward(control);
  std::string reason;
  OSStatus status = noErr;
  switch (step.kind) {
    case ScriptStep::Kind::Set:
      status = SetValue(control, step.value, &reason);
      break;
    case ScriptStep::Kind::Type:
      status = TypeInto(window, control, step.value, &reason);
      break;
    case ScriptStep::Kind::Click:
      status = UserClickControl(control);
      break;
  }
  if (status == noErr || status == eventNotHandledErr) return true;
  if (reason.empty())
    reason = status == errControlInactive ? "is disabled or hidden"
             : status == errWindowBlocked
                 ? "cannot be reached now (another dialog is open)"
                 : "refused the action (status " + std::to_string(status) + ")";
  *error = Name(step.control) + " " + reason + " (" + step.source + ")";
  return false;
}

void InstallModalAnswers(std::vector<ModalAnswer> answers, std::vector<std::string>* unanswered) {
  SetModalDriver([answers = std::move(answers), unanswered](WindowRef window) {
    const std::string name = GetWindowName(window);
    const std::string title = CopyWindowTitleAsCFString(window).value_or("");
    WindowClass windowClass = 0;
    GetWindowClass(window, &windowClass);
    const bool isAlert = windowClass == kAlertWindowClass ||
                         windowClass == kMovableAlertWindowClass ||
                         windowClass == kSheetAlertWindowClass;
    ReportMessageTexts(window, name.empty() ? title : name);
    for (const ModalAnswer& answer : answers)
      if (answer.window == name || (!title.empty() && answer.window == title) ||
          (isAlert && answer.window == kAnyAlert)) {
        std::string ignored;  // a field the dialog lacks is left out; the command still answers
        for (const ScriptStep& step : answer.typing) RunScriptStep(window, step, &ignored);
        UserSendCommand(window, answer.command);
        return;
      }
    if (unanswered) unanswered->push_back(name.empty() ? title : name);
  });
}
