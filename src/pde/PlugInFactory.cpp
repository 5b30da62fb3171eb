// The plug-in's entry: the factory the printing system calls by name, the factory's object with
// the base interface, and the dialog-extension objects it hands out, each with its own table.
#include <cstdlib>
#include <new>

#include "options/CModelInfo.h"
#include "pde/CorvelPDE.h"
#include "platform/PlugInModel.h"
#include "platform/PlugInRegistry.h"

namespace {

struct IUnknownInstance {
  IUnknownVTbl* vtable;
  IUnknownVTbl vtableStorage;
  CFUUIDRef factoryID;
  uint32_t refCount;
};

struct CorvelOptionsPlugInInterface {
  PlugInIntfVTable* vtable;
  uint32_t refCount;
};

OSStatus Retain(PMPlugInHeaderInterface* obj) {
  if (obj) ++reinterpret_cast<CorvelOptionsPlugInInterface*>(obj)->refCount;
  return noErr;
}

OSStatus Release(PMPlugInHeaderInterface** objRef) {
  if (!objRef || !*objRef) return noErr;
  auto* object = reinterpret_cast<CorvelOptionsPlugInInterface*>(*objRef);
  *objRef = nullptr;
  if (object->refCount > 0 && --object->refCount == 0) {
    delete object->vtable;
    delete object;
  }
  return noErr;
}

OSStatus GetAPIVersion(PMPlugInHeaderInterface*, PMPlugInAPIVersion* version) {
  if (version) *version = {1, 0, 1, 0};
  return noErr;
}

constexpr PlugInIntfVTable kPlugInTable = {
    {Retain, Release, GetAPIVersion},
    Prologue,
    Initialize,
    Sync,
    GetSummaryText,
    Open,
    Close,
    Terminate,
};

// A new dialog-extension object with its own copy of the table and a count of 1.
OSStatus CreatePlugInInterface(CorvelOptionsPlugInInterface** out) {
  *out = new (std::nothrow) CorvelOptionsPlugInInterface{nullptr, 1};
  if (*out) (*out)->vtable = new (std::nothrow) PlugInIntfVTable(kPlugInTable);
  return noErr;
}

ULONG IUnknownAddRef(void* thisPointer) {
  if (!thisPointer) return 0;
  return ++static_cast<IUnknownInstance*>(thisPointer)->refCount;
}

ULONG IUnknownRelease(void* thisPointer) {
  auto* instance = static_cast<IUnknownInstance*>(thisPointer);
  if (!instance || instance->refCount == 0) return 0;
  if (--instance->refCount > 0) return instance->refCount;
  CFPlugInRemoveInstanceForFactory(instance->factoryID);
  delete instance;
  return 0;
}

HRESULT QueryInterface(void* thisPointer, REFIID iid, LPVOID* ppv) {
  if (!ppv) return E_NOINTERFACE;
  const CFUUIDRef requested = CFUUIDCreateFromUUIDBytes(iid);
  if (requested == kIUnknownUUID) {
    IUnknownAddRef(thisPointer);
    *ppv = thisPointer;
    return S_OK;
  }
  if (requested == CFUUIDCreateFromString(kPMDialogExtensionIntfIDStr)) {
    CorvelOptionsPlugInInterface* object = nullptr;
    CreatePlugInInterface(&object);
    *ppv = object;
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

// The factory of dialog extensions as the bundle's Info.plist names it.
std::optional<CFUUIDRef> DialogExtensionFactoryID() {
  CFBundleRef bundle = CFBundleGetBundleWithIdentifier(kCorvelBundleID);
  const PlistValue* types = CFBundleGetValueForInfoDictionaryKey(bundle, "CFPlugInTypes");
  const PlistValue* ids = types ? types->Find(kPMPrinterModuleDialogExtensionTypeIDStr) : nullptr;
  const PlistValue::Array* array = ids ? ids->GetArray() : nullptr;
  if (!array || array->empty() || !array->front().GetString()) return std::nullopt;
  return CFUUIDCreateFromString(*array->front().GetString());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void* CorvelOptionsPluginFactory(
    void*, CFUUIDRef typeID) {
  const std::optional<CFUUIDRef> factoryID = DialogExtensionFactoryID();
  if (!factoryID || typeID != CFUUIDCreateFromString(kPMPrinterModuleDialogExtensionTypeIDStr))
    return nullptr;
  auto* instance = new (std::nothrow) IUnknownInstance{};
  if (!instance) return nullptr;
  instance->vtable = &instance->vtableStorage;
  instance->vtableStorage = {nullptr, QueryInterface, IUnknownAddRef, IUnknownRelease};
  instance->factoryID = *factoryID;
  instance->refCount = 1;
  CFPlugInAddInstanceForFactory(*factoryID);
  return instance;
}
