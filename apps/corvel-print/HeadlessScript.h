#pragma once
// What a script does to the dialog instead of a user's hand: --set SIG/N=VALUE, --type SIG/N=TEXT
// and --click SIG/N act on the pane's controls through the toolkit's user actions (so handlers,
// rules and dialogs run as for a click), after bringing the control's pane to the front with its
// tab; --answer WINDOW=COMMAND answers a modal dialog (by window name or title, or "alert" for
// any alert) with a command (shorter than four characters: padded with spaces, so "ok" is "ok  ").
#include <string>
#include <vector>

#include "platform/toolkit/ToolkitTypes.h"

struct ScriptStep {
  enum class Kind { Set, Type, Click };
  Kind kind;
  ControlID control;
  std::string value;   // Set: item number or item text, 0/1, tab number; Type: the text
  std::string source;  // the argument as given, for messages
};

struct ModalAnswer {
  std::string window;
  uint32_t command = 0;
};

// "outp/11" -> the control ID; false for anything else.
bool ParseControlID(const std::string& text, ControlID* id);
// Parses "SIG/N=VALUE" (or "SIG/N" for a click); false with the reason in `error`.
bool ParseScriptStep(ScriptStep::Kind kind, const std::string& argument, ScriptStep* step,
                     std::string* error);
bool ParseModalAnswer(const std::string& argument, ModalAnswer* answer, std::string* error);

// Performs one step in `window`; false with the reason (no such control, no such item, a control
// the user cannot reach) in `error`.
bool RunScriptStep(WindowRef window, const ScriptStep& step, std::string* error);

// Installs a modal driver that answers each modal window by the first rule naming it. A window no
// rule names is left unanswered (its loop ends as if dismissed) and its name is appended to
// `unanswered` (may be null), which must outlive the driver.
void InstallModalAnswers(std::vector<ModalAnswer> answers, std::vector<std::string>* unanswered);
