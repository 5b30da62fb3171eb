#pragma once
// Edit text and password fields: text, selection, key filters and validation procedures, and
// the characters a user may enter. Lengths and selection offsets count characters (code points).
#include <cstdint>
#include <string>

#include "platform/TextEncoding.h"
#include "platform/toolkit/ToolkitTypes.h"

// What a user types or pastes into an edit or password field must be text of this encoding: the
// extension keeps field texts (passwords, names, comments) in records of it. A key (after the
// key filter passed it) or a paste that brings any other character is refused with a beep.
inline constexpr TextEncoding kFieldTextEncoding = kTextEncodingMacRoman;
// True when the encoding of fields holds every character of the UTF-8 text (false for invalid
// UTF-8).
bool FieldCanHold(const std::string& text);

enum ControlKeyFilterResult { kControlKeyFilterBlockKey = 0, kControlKeyFilterPassKey = 1 };

// Sees each key before a field acts on it; may change the key.
using ControlKeyFilterUPP = ControlKeyFilterResult (*)(ControlRef control, int16_t* keyCode,
                                                       int16_t* charCode,
                                                       EventModifiers* modifiers);
// Runs after the user changed the text (typing, pasting).
using ControlEditTextValidationUPP = void (*)(ControlRef control);

OSStatus SetControlKeyFilter(ControlRef field, ControlKeyFilterUPP filter);
OSStatus SetControlValidationProc(ControlRef field, ControlEditTextValidationUPP proc);

// The clear text of a password field (its shown text is one bullet per character).
OSStatus SetControlPasswordText(ControlRef field, const std::string& text);
OSStatus GetControlPasswordText(ControlRef field, std::string* text);

// Selection of a text field (start <= end, in characters); errUnknownControl for other kinds.
OSStatus GetEditTextSelection(ControlRef field, int32_t* start, int32_t* end);
OSStatus SetEditTextSelection(ControlRef field, int32_t start, int32_t end);
// Number of characters of the field's text; -1 when the control is not a text field.
int32_t GetEditTextLength(ControlRef field);

// Character helpers shared by the fields and their filters.
int32_t Utf8Length(const std::string& text);
// The first n characters of UTF-8 text.
std::string Utf8Prefix(const std::string& text, int32_t n);
