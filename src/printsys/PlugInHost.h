#pragma once
// The host side of dialog extensions, as the printing system works it: read which factory of a
// bundle makes dialog extensions (CFPlugInTypes) and the name of its function (CFPlugInFactories)
// from the bundle's Info.plist, load the bundle's shared object, call the factory, ask the object
// for the dialog-extension interface and drive the pane's life cycle. The shared object stays
// mapped once loaded (handlers it installed may outlive the pane).
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/PlugInModel.h"
#include "printsys/PDEInterface.h"

// What Prologue hands back.
struct PDEPrologueAnswer {
  OSType creator = 0;
  std::optional<std::string> userOptionKind;
  std::optional<std::string> title;
  uint32_t maxH = 0;
  uint32_t maxV = 0;
};

class DialogExtension {
 public:
  // The dialog extension of the bundle at `bundleFolder`; null, with the reason in `error`, when
  // the folder is no bundle, names no dialog-extension factory, its code does not load or lacks
  // the factory, or the factory or the interface query fails.
  static std::unique_ptr<DialogExtension> Load(const std::filesystem::path& bundleFolder,
                                               std::string* error);
  // Terminates a pane that was not terminated, then releases the interface object and the
  // factory's object.
  ~DialogExtension();
  DialogExtension(const DialogExtension&) = delete;
  DialogExtension& operator=(const DialogExtension&) = delete;

  // The life cycle; each passes the extension's context, which Prologue makes.
  OSStatus Prologue(PDEPrologueAnswer* answer);
  OSStatus Initialize(ControlRef parentUserPane, PMPrintSession session, PMPDEFlags* flags);
  OSStatus Sync(PMPrintSession session, uint8_t reinitialize);
  OSStatus GetSummaryText(PMStringArray* titles, PMStringArray* values);
  OSStatus Open();
  OSStatus Close();
  OSStatus Terminate(OSStatus status);

  OSStatus GetAPIVersion(PMPlugInAPIVersion* version) const;
  // The factory's object, for asking it for other interfaces.
  IUnknownVTbl** Unknown() const { return mUnknown; }
  const CFUUIDRef& FactoryID() const { return mFactoryID; }

 private:
  DialogExtension() = default;
  PlugInIntfVTable& Table() const { return *mInterface->vtable; }

  void* mLibrary = nullptr;  // dlopen handle, kept mapped (see above)
  CFUUIDRef mFactoryID{};
  IUnknownVTbl** mUnknown = nullptr;
  PlugInIntf* mInterface = nullptr;
  PMPDEContext mContext = nullptr;
  bool mTerminated = true;
};
