// Saving a parsed model into a Settings container and rebuilding it from one.
#include <vector>

#include "ppdx/parser/KTVPPD.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"
#include "ppdx/settings/SettingsValues.h"
#include "ppdx/text/TextConverter.h"
#include "ppdx/controls/ControlRestore.h"
#include "ppdx/controls/PPDXControl.h"
#include "support/PointerList.h"

namespace {

constexpr uint32_t kFileTag = 1000;
constexpr long kMarkerId = 1001;
constexpr long kFileSpecId = 1002;
constexpr int32_t kMarkerValue = 1024;
constexpr uint32_t kVersionsTag = 2000;
constexpr long kKTFileVersionId = 2001;
constexpr long kKTVersionId = 2002;

// Empty text for a missing item.
std::string TextOrEmpty(const CString& text) {
  return text.Empty() ? std::string() : std::string(text);
}

// Elements of one saved container: its count under (tag, countId), elements from tag + 1.
template <class Element, class Make>
std::vector<Element*> RestoreAll(Settings& settings, uint32_t tag, long countId, Make make) {
  std::vector<Element*> elements;
  const long count = ReadElementCount(settings, tag, countId);
  for (long id = tag + 1; id <= long(tag) + count; ++id)
    if (Element* element = make(settings, id)) elements.push_back(element);
  return elements;
}

}  // namespace

std::array<std::pair<long, CString*>, 6> PPDX::StandardTexts() {
  return {{{1003, &mFormatVersion},
           {1004, &mFileVersion},
           {1005, &mPCFileName},
           {1006, &mLanguageVersion},
           {1007, &mLanguageEncoding},
           {1008, &mModelName}}};
}

OSStatus PPDX::Save(Settings& settings) {
  OSStatus status = SaveInt32(settings, kFileTag, kMarkerId, kMarkerValue);
  FSSpec spec;
  if (status == noErr && GetFileSpec(spec) && !spec.Empty()) {
    const auto record = spec.ToRecord();
    status = settings.Add(kFileTag, kFileSpecId, record.data(), long(record.size()));
  }
  for (const auto& [id, text] : StandardTexts())
    if (status == noErr && !text->Empty()) status = SaveText(settings, kFileTag, id, *text);
  return status;
}

void PPDX::RestoreBase(Settings& settings, const std::filesystem::path& url,
                       const PrinterFileNames* names) {
  long size = 0;
  if (settings.Get(kFileTag, kMarkerId, nullptr, size, false) != noErr || size != 4) return;
  if (auto record = GetSettingsBytes(settings, kFileTag, kFileSpecId);
      record && record->size() == kFSSpecRecordSize)
    mFile = std::make_unique<PPDFile>(FSSpec::FromRecord(record->data()));
  if (!mFile || !mFile->valid() || !mFile->exists()) mFile = std::make_unique<PPDFile>(url);
  if (names) mValidPrinterName = ValidateAgainstPCFilename(*names, *mFile);
  for (const auto& [id, text] : StandardTexts()) *text = ReadText(settings, kFileTag, id);
  if (!mLanguageVersion.Empty() && !mLanguageEncoding.Empty())
    mTextConverter = std::make_unique<TextConverter>(this);
  mRestoredFromSettings = true;
}

OSStatus KTVPPD::Save(Settings& settings) {
  OSStatus status = PPDX::Save(settings);
  if (status == noErr) status = SaveText(settings, kVersionsTag, kKTFileVersionId, KTFileVersion());
  if (status == noErr) status = SaveText(settings, kVersionsTag, kKTVersionId, KTVersion());
  if (status != noErr || !mProperties) return status;
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  if (status == noErr) status = mProperties->Save(settings);
  if (status == noErr) status = mGroups->Save(settings);
  if (status == noErr) status = mControls->Save(settings);
  if (status == noErr) status = mShortcuts->Save(settings);
  return status;
}

OSStatus KTVPPD::Restore(Settings& settings) {
  if (!mControls) return noErr;
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  return mControls->Restore(settings);
}

KTVPPD::KTVPPD(Settings& settings, const std::filesystem::path& url,
               const PrinterFileNames* printerFileNames)
    : mParseOptions(PO_PARSE_ALL) {
  RestoreBase(settings, url, printerFileNames);
  if (!mRestoredFromSettings) return;
  mKTFileVersion = TextOrEmpty(ReadText(settings, kVersionsTag, kKTFileVersionId));
  mKTVersion = TextOrEmpty(ReadText(settings, kVersionsTag, kKTVersionId));
  CreateContainers();
  RebuildElements(settings);
  mValidPPDFile = true;
}

namespace {

template <class Element>
Element* ByKeyword(const std::vector<Element*>& elements, const char* keyword) {
  if (keyword == nullptr) return nullptr;
  for (Element* element : elements)
    if (*element == keyword) return element;
  return nullptr;
}

}  // namespace

void KTVPPD::RebuildElements(Settings& settings) {
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  const auto pages =
      RestoreAll<PPDXProperty>(settings, kPropertiesTag, kPropertiesCountId,
                               [](Settings& s, long id) { return new PPDXProperty(s, id); });
  const auto groups = RestoreAll<PPDXGroup>(settings, kGroupsTag, kGroupsCountId, RestoreGroup);
  const auto controls =
      RestoreAll<PPDXControl>(settings, kControlsTag, kControlsCountId, RestoreControl);

  // Parents first, so that the containers count each element's orphan state as saved.
  for (PPDXGroup* group : groups) {
    const char* parent = group->SavedParentKeyword();
    if (auto* pane = dynamic_cast<PPDXScrollPane*>(group)) {
      if (PPDXProperty* page = ByKeyword(pages, parent)) {
        pane->SetParent(page);
        page->SetScrollDown(pane);
      }
    } else if (auto* pane = dynamic_cast<PPDXScrollPane*>(ByKeyword(groups, parent))) {
      group->SetParent(pane);
      if (dynamic_cast<PPDXRollDown*>(group)) pane->RollDowns()->Add(group);
    }
  }
  for (PPDXControl* control : controls) {
    if (auto* roll =
            dynamic_cast<PPDXRollDown*>(ByKeyword(groups, control->SavedParentKeyword()))) {
      control->SetParent(roll);
      roll->Controls()->Add(control);
    }
  }

  for (PPDXProperty* page : pages) mProperties->Add(page);
  for (PPDXGroup* group : groups) mGroups->Add(group);
  for (PPDXControl* control : controls) {
    mControls->Add(control);
    if (control->Type() != ctSpecialOption) mKeywordControlMap->insert(control->Keyword(), control);
  }
  mKeywordControlMap->EndInsertion();

  PointerList shortcuts;
  const long count = ReadElementCount(settings, kShortcutsTag, kShortcutsCountId);
  for (long id = kShortcutsCountId + 1; id <= kShortcutsCountId + count; ++id) {
    const CString keyword = ReadText(settings, kShortcutsTag, id);
    if (PPDXControl* control = ByKeyword(controls, keyword)) shortcuts.PushBack(control);
  }
  mShortcuts = std::make_unique<PPDXShortcuts>(shortcuts);
}
