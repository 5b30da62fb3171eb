#include "ppdx/parser/KTVPPD.h"

#include <vector>

#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroup.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXControl.h"
#include "support/PointerList.h"

KTVPPD::KTVPPD(const std::filesystem::path& url, const _PARSE_OPTIONS_& options,
               const PrinterFileNames* printerFileNames)
    : PPDX(std::make_unique<PPDFile>(url)), mParseOptions(options) {
  if (printerFileNames) mValidPrinterName = ValidateAgainstPCFilename(*printerFileNames, *mFile);
  if (IsValidPrinterName()) Build();
}

KTVPPD::KTVPPD(const FSSpec& spec, const _PARSE_OPTIONS_& options,
               const PrinterFileNames* printerFileNames)
    : PPDX(std::make_unique<PPDFile>(spec)), mParseOptions(options) {
  if (printerFileNames) mValidPrinterName = ValidateAgainstPCFilename(*printerFileNames, *mFile);
  if (IsValidPrinterName()) Build();
}

KTVPPD::KTVPPD(const _PARSE_OPTIONS_& options) : mParseOptions(options) { Build(); }

void KTVPPD::Build() {
  CreateContainers();
  if (mFile) Parse();
  if (mProperties->Empty()) AddWarning(PPDErr_NoPropertyPages);
  if (mGroups->Empty()) AddWarning(PPDErr_NoGroups);
  if (mControls->Empty()) AddWarning(PPDErr_NoControls);
}

void KTVPPD::CreateContainers() {
  mProperties = std::make_unique<PPDXProperties>();
  mGroups = std::make_unique<PPDXGroups>();
  mControls = std::make_unique<PPDXControls>();
  PointerList none;
  mShortcuts = std::make_unique<PPDXShortcuts>(none);
  mConstraintStrings = std::make_unique<CStringSoup>();
  gConstraintStrings = mConstraintStrings.get();
  mKeywordControlMap = std::make_unique<KeywordTo_PPDControl>();
  mConstraintForest = std::make_unique<ConstraintForest>();
  mRequiresForest = std::make_unique<ConstraintForest>();
}

KTVPPD::~KTVPPD() {
  DeleteConstraintMaps();
  mRequiresForest.reset();
  mKeywordControlMap.reset();
  DestroyElements();
}

namespace {

// Every element a container's walk yields, collected before any of them is destroyed.
template <typename Container, typename Element>
std::vector<Element*> Collect(Container* container, Element* (Container::*first)(),
                              Element* (Container::*next)()) {
  std::vector<Element*> elements;
  if (container == nullptr) return elements;
  for (Element* e = (container->*first)(); e != nullptr; e = (container->*next)())
    elements.push_back(e);
  return elements;
}

}  // namespace

void KTVPPD::DestroyElements() {
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  for (PPDXProperty* page :
       Collect(mProperties.get(), &PPDXProperties::First, &PPDXProperties::Next))
    delete page;
  for (PPDXGroup* group : Collect(mGroups.get(), &PPDXGroups::First, &PPDXGroups::Next))
    delete group;
  std::vector<PPDXControl*> controls;
  if (mControls) {
    CNTL_TYPE kind;
    for (PPDXControl* c = mControls->First(kind); c != nullptr; c = mControls->Next(kind))
      controls.push_back(c);
  }
  for (PPDXControl* control : controls) delete control;
}
