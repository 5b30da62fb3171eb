// Text fields: password text, selection, filters, and the editing that keys and pasting do.
#include "platform/toolkit/TextFields.h"

#include <algorithm>

#include "platform/TextEncoding.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character n (clamped to the end).
size_t ByteOffset(const std::string& text, int32_t n) {
  size_t i = 0;
  for (int32_t seen = 0; i < text.size() && seen < n; ++seen) {
    ++i;
    while (i < text.size() && IsContinuationByte(static_cast<unsigned char>(text[i]))) ++i;
  }
  return i;
}

void SetSelection(ToolkitControl* field, int32_t start, int32_t end) {
  const int32_t length = Utf8Length(field->text);
  field->selectionStart = std::clamp(std::min(start, end), 0, length);
  field->selectionEnd = std::clamp(std::max(start, end), 0, length);
}

void TextChanged(ToolkitControl* field) { NotifyControlChanged(field, ControlChange::Text); }

// The field of a handle; null for other handles and kinds.
ToolkitControl* ResolveField(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return IsTextField(c) ? c : nullptr;
}

ToolkitControl* ResolvePasswordField(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c && c->kind == ControlKind::PasswordText ? c : nullptr;
}

}  // namespace

int32_t Utf8Length(const std::string& text) {
  return int32_t(std::count_if(text.begin(), text.end(), [](char c) {
    return !IsContinuationByte(static_cast<unsigned char>(c));
  }));
}

std::string Utf8Prefix(const std::string& text, int32_t n) {
  return text.substr(0, ByteOffset(text, std::max(n, 0)));
}

bool IsTextField(const ToolkitControl* control) {
  return control &&
         (control->kind == ControlKind::EditText || control->kind == ControlKind::PasswordText);
}

bool FieldCanHold(const std::string& text) {
  return FromUTF8(text, kFieldTextEncoding).has_value();
}

OSStatus SetControlKeyFilter(ControlRef field, ControlKeyFilterUPP filter) {
  ToolkitControl* c = ResolveField(field);
  if (!c) return errUnknownControl;
  c->keyFilter = filter;
  return noErr;
}

OSStatus SetControlValidationProc(ControlRef field, ControlEditTextValidationUPP proc) {
  ToolkitControl* c = ResolveField(field);
  if (!c) return errUnknownControl;
  c->validationProc = proc;
  return noErr;
}

OSStatus SetControlPasswordText(ControlRef field, const std::string& text) {
  ToolkitControl* c = ResolvePasswordField(field);
  if (!c) return errUnknownControl;
  c->text = text;
  SetSelection(c, Utf8Length(text), Utf8Length(text));
  TextChanged(c);
  return noErr;
}

OSStatus GetControlPasswordText(ControlRef field, std::string* text) {
  ToolkitControl* c = ResolvePasswordField(field);
  if (!c || !text) return errUnknownControl;
  *text = c->text;
  return noErr;
}

OSStatus GetEditTextSelection(ControlRef field, int32_t* start, int32_t* end) {
  ToolkitControl* c = ResolveField(field);
  if (!c || !start || !end) return errUnknownControl;
  *start = c->selectionStart;
  *end = c->selectionEnd;
  return noErr;
}

OSStatus SetEditTextSelection(ControlRef field, int32_t start, int32_t end) {
  ToolkitControl* c = ResolveField(field);
  if (!c) return errUnknownControl;
  SetSelection(c, start, end);
  return noErr;
}

int32_t GetEditTextLength(ControlRef field) {
  ToolkitControl* c = ResolveField(field);
  return c ? Utf8Length(c->text) : -1;
}

bool ReplaceFieldSelection(ToolkitControl* field, const std::string& insert) {
  const size_t from = ByteOffset(field->text, field->selectionStart);
  const size_t to = ByteOffset(field->text, field->selectionEnd);
  if (from == to && insert.empty()) return false;
  field->text.replace(from, to - from, insert);
  const int32_t caret = field->selectionStart + Utf8Length(insert);
  SetSelection(field, caret, caret);
  TextChanged(field);
  return true;
}

std::string TypedCharacter(int16_t charCode) {
  const auto code = static_cast<uint16_t>(charCode);
  if (code < 32 || code == 127) return {};          // control characters type nothing
  if (code >= 0xD800 && code <= 0xDFFF) return {};  // half of a surrogate pair is no character
  if (code < 0x80) return std::string(1, char(code));
  if (code < 0x800) return {char(0xC0 | (code >> 6)), char(0x80 | (code & 0x3F))};
  return {char(0xE0 | (code >> 12)), char(0x80 | ((code >> 6) & 0x3F)), char(0x80 | (code & 0x3F))};
}

bool ApplyEditingKey(ToolkitControl* field, int16_t charCode) {
  const int32_t length = Utf8Length(field->text);
  const int32_t start = field->selectionStart;
  const int32_t end = field->selectionEnd;
  switch (charCode) {
    case kBackspaceCharCode:
      if (start == end && start > 0) SetSelection(field, start - 1, end);
      return ReplaceFieldSelection(field, "");
    case kLeftArrowCharCode:
      SetSelection(field, start == end ? start - 1 : start, start == end ? start - 1 : start);
      return false;
    case kRightArrowCharCode:
      SetSelection(field, start == end ? end + 1 : end, start == end ? end + 1 : end);
      return false;
    case kUpArrowCharCode:
      SetSelection(field, 0, 0);
      return false;
    case kDownArrowCharCode:
      SetSelection(field, length, length);
      return false;
    default:
      break;
  }
  const std::string typed = TypedCharacter(charCode);
  return !typed.empty() && ReplaceFieldSelection(field, typed);
}
