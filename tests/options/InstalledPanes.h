#pragma once
// A controller as the frame leaves it after start-up, with its panes installed: the bundled PPD
// opened by CUPS and marked with its defaults, the bundle's media-types list and pictures. The
// pane tests and the pane benchmarks start from it.
#include <cups/ppd.h>

#include <filesystem>
#include <string>

#include "options/CCorvelOptions.h"
#include "pde/ImageTables.h"
#include "platform/PropertyList.h"

// Loads the bundled PPD (the Secure Access model's when `secureAccess`; `finisher`, when given,
// marked as the installed KTFinisher choice) into `controller` and installs its panes. noErr, or
// the first failure (fnfErr when the PPD cannot be read).
inline OSStatus InstallBundledPanes(CCorvelOptions& controller, const std::filesystem::path& bundle,
                                    bool secureAccess, const char* finisher = nullptr) {
  const char* ppd = secureAccess ? "/ppd/crvmtqsa.ppd" : "/ppd/crvmtqix.ppd";
  controller.mCupsPPD.reset(ppdOpenFile((std::string(CORVEL_SOURCE_DIR) + ppd).c_str()));
  if (controller.mCupsPPD == nullptr) return fnfErr;
  ppdMarkDefaults(controller.mCupsPPD.get());
  if (finisher) ppdMarkOption(controller.mCupsPPD.get(), "KTFinisher", finisher);
  PlistValue media;
  const OSStatus read =
      ReadPropertyListFile(bundle / "Contents/Resources/MediaTypes.rsrc.plist", media);
  if (read != noErr) return read;
  const PlistValue* plists = media.Find("plist");
  if (const PlistValue* types = plists ? plists->Find("MediaTypes") : nullptr)
    controller.mMediaDict = *types;
  FillImageURLs(CFBundleCreate(bundle), controller);
  return controller.InstallCorvelControlsInUI();
}
