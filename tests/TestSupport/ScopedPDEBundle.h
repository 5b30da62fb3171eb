#pragma once
// The extension's bundle set up as the source of the dialogs' strings and interface files, and
// forgotten again when the object goes, so that no case sees the bundle of the one before.
#include <filesystem>

#include "platform/Bundle.h"
#include "ui/PDEBundle.h"

class ScopedPDEBundle {
 public:
  explicit ScopedPDEBundle(const std::filesystem::path& folder) : bundle(CFBundleCreate(folder)) {
    PDEBundle::InitBundle(bundle);
  }
  ~ScopedPDEBundle() {
    PDEBundle::mBundle = nullptr;
    PDEBundle::mInit = false;
  }
  ScopedPDEBundle(const ScopedPDEBundle&) = delete;
  ScopedPDEBundle& operator=(const ScopedPDEBundle&) = delete;

  const CFBundleRef bundle;  // null when the folder holds no bundle
};
