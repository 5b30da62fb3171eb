#include "printsys/PlugInHost.h"

#include <dlfcn.h>

#include "platform/Bundle.h"

namespace fs = std::filesystem;

namespace {

// The factory that makes dialog extensions: its UUID and its function's name, from Info.plist.
struct FactoryEntry {
  CFUUIDRef id;
  std::string functionName;
};

std::optional<FactoryEntry> DialogExtensionFactory(CFBundleRef bundle, std::string* error) {
  const PlistValue* types = CFBundleGetValueForInfoDictionaryKey(bundle, "CFPlugInTypes");
  const PlistValue* factories = CFBundleGetValueForInfoDictionaryKey(bundle, "CFPlugInFactories");
  const PlistValue* forType =
      types ? types->Find(kPMPrinterModuleDialogExtensionTypeIDStr) : nullptr;
  const PlistValue::Array* ids = forType ? forType->GetArray() : nullptr;
  if (!ids || ids->empty() || !ids->front().GetString()) {
    *error = "the bundle names no factory for dialog extensions (CFPlugInTypes)";
    return std::nullopt;
  }
  const std::string& idText = *ids->front().GetString();
  const std::optional<CFUUIDRef> id = CFUUIDCreateFromString(idText);
  const PlistValue* function = factories ? factories->Find(idText) : nullptr;
  if (!id || !function || !function->GetString()) {
    *error = "the bundle's factory " + idText + " has no function (CFPlugInFactories)";
    return std::nullopt;
  }
  return FactoryEntry{*id, *function->GetString()};
}

}  // namespace

std::unique_ptr<DialogExtension> DialogExtension::Load(const fs::path& bundleFolder,
                                                       std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  CFBundleRef bundle = CFBundleCreate(bundleFolder);
  // The plug-in finds its own bundle (resources, strings) by identifier, as loaded from here.
  if (bundle) RegisterBundleFolder(bundleFolder);
  if (!bundle) {
    *error = bundleFolder.string() + " is not a plug-in bundle (no readable Contents/Info.plist)";
    return nullptr;
  }
  const std::optional<FactoryEntry> factory = DialogExtensionFactory(bundle, error);
  if (!factory) return nullptr;
  const std::optional<fs::path> code = CFBundleCopyExecutableURL(bundle);
  if (!code) {
    *error = "the bundle names no shared object (CFBundleExecutable)";
    return nullptr;
  }
  std::unique_ptr<DialogExtension> extension(new DialogExtension);
  // Functions bind on first call: a headless run calls a small part of the bundle. The bundle is
  // linked with no undefined symbols, so a lazy binding finds what the link found.
  extension->mLibrary = dlopen(code->c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
  if (!extension->mLibrary) {
    *error = std::string("cannot load ") + code->string() + ": " + dlerror();
    return nullptr;
  }
  auto function = reinterpret_cast<CFPlugInFactoryFunction>(
      dlsym(extension->mLibrary, factory->functionName.c_str()));
  if (!function) {
    *error = code->string() + " has no factory function " + factory->functionName;
    return nullptr;
  }
  const CFUUIDRef type = *CFUUIDCreateFromString(kPMPrinterModuleDialogExtensionTypeIDStr);
  extension->mFactoryID = factory->id;
  extension->mUnknown = static_cast<IUnknownVTbl**>(function(nullptr, type));
  if (!extension->mUnknown) {
    *error = "the factory " + factory->functionName + " made no object";
    return nullptr;
  }
  void* intf = nullptr;
  const REFIID iid = CFUUIDGetUUIDBytes(*CFUUIDCreateFromString(kPMDialogExtensionIntfIDStr));
  if ((*extension->mUnknown)->QueryInterface(extension->mUnknown, iid, &intf) != S_OK || !intf) {
    *error = "the plug-in has no dialog-extension interface";
    return nullptr;
  }
  extension->mInterface = static_cast<PlugInIntf*>(intf);
  if (!extension->mInterface->vtable) {
    *error = "the plug-in's dialog-extension object has no function table";
    extension->mInterface = nullptr;
    return nullptr;
  }
  return extension;
}

DialogExtension::~DialogExtension() {
  if (mInterface) {
    if (!mTerminated) Terminate(noErr);
    auto header = reinterpret_cast<PMPlugInHeaderInterface*>(mInterface);
    if (mInterface->vtable) Table().plugInHeader.Release(&header);
  }
  if (mUnknown) (*mUnknown)->Release(mUnknown);
  if (mLibrary) dlclose(mLibrary);
}

OSStatus DialogExtension::Prologue(PDEPrologueAnswer* answer) {
  PDEPrologueAnswer ignored;
  if (!answer) answer = &ignored;
  const OSStatus status = Table().Prologue(&mContext, &answer->creator, &answer->userOptionKind,
                                           &answer->title, &answer->maxH, &answer->maxV);
  mTerminated = status != noErr && !mContext;
  return status;
}

OSStatus DialogExtension::Initialize(ControlRef parentUserPane, PMPrintSession session,
                                     PMPDEFlags* flags) {
  PMPDEFlags ignored = 0;
  return Table().Initialize(mContext, flags ? flags : &ignored, this, parentUserPane, session);
}

OSStatus DialogExtension::Sync(PMPrintSession session, uint8_t reinitialize) {
  return Table().Sync(mContext, session, reinitialize);
}

OSStatus DialogExtension::GetSummaryText(PMStringArray* titles, PMStringArray* values) {
  return Table().GetSummaryText(mContext, titles, values);
}

OSStatus DialogExtension::Open() { return Table().Open(mContext); }

OSStatus DialogExtension::Close() { return Table().Close(mContext); }

OSStatus DialogExtension::Terminate(OSStatus status) {
  const OSStatus result = Table().Terminate(mContext, status);
  mContext = nullptr;
  mTerminated = true;
  return result;
}

OSStatus DialogExtension::GetAPIVersion(PMPlugInAPIVersion* version) const {
  return Table().plugInHeader.GetAPIVersion(reinterpret_cast<PMPlugInHeaderInterface*>(mInterface),
                                            version);
}
