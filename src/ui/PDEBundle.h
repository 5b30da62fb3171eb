#pragma once
// The plug-in's own bundle, remembered once at start-up, and the localized strings in it.
#include <optional>
#include <string>

#include "platform/Bundle.h"
#include "platform/TextEncoding.h"

class PDEBundle {
 public:
  static CFBundleRef mBundle;
  static bool mInit;

  static void InitBundle(CFBundleRef bundle);

  // The string of `key` in the default string table of `bundle` (of mBundle when null); the key
  // itself when the table has no translation; nullopt when no bundle is known.
  static std::optional<std::string> GetLocalizedCFString(const std::string& key,
                                                         CFBundleRef bundle = nullptr);
  // The same in the string table `table`.
  static std::optional<std::string> GetLocalizedCFStringFromFile(const std::string& key,
                                                                 const std::string& table,
                                                                 CFBundleRef bundle = nullptr);
  // The localized string as a C string in the application's text encoding, at most `size` bytes
  // with its terminator. Beeps when it cannot be converted. Returns its length (0 when nothing was
  // found or converted).
  static unsigned long GetLocalizedString(const std::string& key, char* out, unsigned long size,
                                          CFBundleRef bundle = nullptr);
  // Copies the text, converted to `encoding`, with its terminator into `out` (at most `size`
  // bytes). False, with a beep and an empty `out`, when it cannot be converted or does not fit.
  static bool ConvertCFString(const std::string& text, char* out, unsigned long size,
                              TextEncoding encoding);
};
