#pragma once
// Finding controls by control ID in any window and reading or writing their values and texts.
// A missing control gives errUnknownControl and has no other effect.
#include <cstdint>
#include <string>

#include "platform/toolkit/ToolkitTypes.h"

class CUtilsPB {
 public:
  // Creates the window `windowName` from the interface file `nibName` of the bundle with that
  // identifier. On failure writes a line to standard error; returns the status.
  static OSStatus GetWindowFromNIB(const std::string& windowName, WindowRef* window,
                                   const std::string& bundleIdentifier, const std::string& nibName);

  static ControlRef GetControlRef(OSType signature, int32_t number, WindowRef window, long* err);
  // The value, or -1 when the control is missing.
  static int32_t GetCtrlValue(OSType signature, int32_t number, WindowRef window, long* err);
  static OSStatus SetCtrlValue(OSType signature, int32_t number, WindowRef window, short value);

  // result: -1, or the last number from first to last whose control exists and is non-zero.
  static void GetSelectedGroupRadioButtonID(long* result, int32_t first, int32_t last,
                                            OSType signature, WindowRef window);
  // Sets the chosen button to 1 and the others with the same signature in first..last to 0.
  static OSStatus SelectGroupRadioButton(WindowRef window, OSType signature, int32_t number,
                                         int32_t first, int32_t last);
  static OSStatus SelectGroupRadioButton(ControlRef control, int32_t first, int32_t last);

  // Copies the field's text (its password text when isPassword), in Mac Roman and cut to 255
  // characters, into the length-prefixed 256-byte buffer `out`. A text with a character Mac
  // Roman lacks is not copied: `out` is left empty and the result is kTECUnmappableElementErr.
  static OSStatus GetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                        unsigned char* out, bool isPassword);
  // Sets the field's text (as password text when isPassword) from a length-prefixed Mac Roman
  // string or from UTF-8 text.
  static OSStatus SetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                        const unsigned char* text, bool isPassword);
  static OSStatus SetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                        const std::string& text, bool isPassword);
};
