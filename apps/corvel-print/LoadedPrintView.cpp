// The on-screen view lives in a module of its own, loaded the first time a dialog is to be shown:
// a headless run never maps GTK and the hundred libraries it brings, which would double the time
// a scripted print takes.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "InstallLayout.h"
#include "PrintView.h"
#include "PrintViewModule.h"

namespace {

struct ViewModule {
  CorvelPrintViewAvailableFn available = nullptr;
  CorvelRunPrintViewFn run = nullptr;
  CorvelShowPrintFailureFn showFailure = nullptr;
};

// Loads the module once; empty when it is not there (a build without GTK) or does not load.
const ViewModule& LoadedModule() {
  static const ViewModule module = [] {
    ViewModule loaded;
    const std::filesystem::path file =
        InstalledOrBuilt(kCorvelPrintViewModule, CORVEL_BUILD_VIEW_MODULE);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return loaded;
    // Kept for the life of the process: GTK's types cannot be unloaded.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) {
      std::fprintf(stderr, "corvel-print: the on-screen view did not load: %s\n", dlerror());
      return loaded;
    }
    loaded.available = reinterpret_cast<CorvelPrintViewAvailableFn>(
        dlsym(handle, kCorvelPrintViewAvailableSymbol));
    loaded.run = reinterpret_cast<CorvelRunPrintViewFn>(dlsym(handle, kCorvelRunPrintViewSymbol));
    loaded.showFailure =
        reinterpret_cast<CorvelShowPrintFailureFn>(dlsym(handle, kCorvelShowPrintFailureSymbol));
    if (!loaded.available || !loaded.run || !loaded.showFailure) {
      std::fprintf(stderr, "corvel-print: %s is not the on-screen view\n", file.c_str());
      loaded = {};
    }
    return loaded;
  }();
  return module;
}

}  // namespace

bool PrintViewAvailable() {
  const ViewModule& module = LoadedModule();
  return module.available && module.available() != 0;
}

PrintViewResult RunPrintView(PrintDialogHost& host) {
  const ViewModule& module = LoadedModule();
  if (!module.run) return PrintViewResult::NotPrinted;
  switch (module.run(&host)) {
    case kCorvelPrintViewPrinted:
      return PrintViewResult::Printed;
    case kCorvelPrintViewCancelled:
      return PrintViewResult::Cancelled;
    default:
      return PrintViewResult::NotPrinted;
  }
}

void ShowPrintFailure(const std::string& message) {
  const ViewModule& module = LoadedModule();
  if (module.showFailure && PrintViewAvailable()) module.showFailure(message.c_str());
}
