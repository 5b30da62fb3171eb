#include "ui/PDEBundle.h"

#include <cstring>

#include "platform/toolkit/ModalLoop.h"

CFBundleRef PDEBundle::mBundle = nullptr;
bool PDEBundle::mInit = false;

namespace {

CFBundleRef Chosen(CFBundleRef bundle) { return bundle ? bundle : PDEBundle::mBundle; }

}  // namespace

void PDEBundle::InitBundle(CFBundleRef bundle) {
  mBundle = bundle;
  mInit = true;
}

std::optional<std::string> PDEBundle::GetLocalizedCFString(const std::string& key,
                                                           CFBundleRef bundle) {
  return GetLocalizedCFStringFromFile(key, "Localizable", bundle);
}

std::optional<std::string> PDEBundle::GetLocalizedCFStringFromFile(const std::string& key,
                                                                   const std::string& table,
                                                                   CFBundleRef bundle) {
  CFBundleRef chosen = Chosen(bundle);
  if (!chosen) return std::nullopt;
  return CFCopyLocalizedStringFromTableInBundle(key, table, chosen);
}

unsigned long PDEBundle::GetLocalizedString(const std::string& key, char* out, unsigned long size,
                                            CFBundleRef bundle) {
  const std::optional<std::string> text = GetLocalizedCFString(key, bundle);
  if (!text) {
    if (out && size > 0) out[0] = '\0';
    return 0;
  }
  if (!ConvertCFString(*text, out, size, GetApplicationTextEncoding())) return 0;
  return std::strlen(out);
}

bool PDEBundle::ConvertCFString(const std::string& text, char* out, unsigned long size,
                                TextEncoding encoding) {
  if (!out || size == 0) return false;
  const std::optional<std::string> converted = FromUTF8(text, encoding);
  // The terminator must fit as well; a text that does not fit is refused whole, never cut.
  if (!converted || converted->size() + 1 > size) {
    out[0] = '\0';
    SysBeep(1);
    return false;
  }
  std::memcpy(out, converted->c_str(), converted->size() + 1);
  return true;
}
