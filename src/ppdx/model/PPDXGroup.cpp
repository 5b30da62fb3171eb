#include "ppdx/model/PPDXGroup.h"

#include "ppdx/model/PPDXControls.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/settings/SettingsValues.h"

OSStatus PPDXGroup::SaveAs(Settings& settings, const long& id, OSType marker) {
  OSStatus status = PPDXElement::Save(settings, id);
  return status == noErr ? SaveClassMarker(settings, id, marker) : status;
}

OSStatus PPDXGroup::Save(Settings& settings, const long& id) {
  return SaveAs(settings, id, kPlainGroupMarker);
}

PPDXRollDown::PPDXRollDown(const char* keyword, const std::string& name, const bool& visible)
    : PPDXGroup(keyword, name, visible), mControls(std::make_unique<PPDXControls>()) {}

PPDXRollDown::PPDXRollDown(Settings& settings, const long& id)
    : PPDXGroup(settings, id), mControls(std::make_unique<PPDXControls>()) {}

PPDXRollDown::~PPDXRollDown() = default;

OSStatus PPDXRollDown::Save(Settings& settings, const long& id) {
  return SaveAs(settings, id, kRollDownMarker);
}

PPDXScrollPane::PPDXScrollPane(const char* keyword, const std::string& name, const bool& visible)
    : PPDXGroup(keyword, name, visible), mRollDowns(std::make_unique<PPDXGroups>()) {}

PPDXScrollPane::PPDXScrollPane(Settings& settings, const long& id)
    : PPDXGroup(settings, id), mRollDowns(std::make_unique<PPDXGroups>()) {}

PPDXScrollPane::~PPDXScrollPane() = default;

OSStatus PPDXScrollPane::Save(Settings& settings, const long& id) {
  return SaveAs(settings, id, kScrollPaneMarker);
}

PPDXGroup* RestoreGroup(Settings& settings, const long& id) {
  switch (static_cast<OSType>(ReadInt32(settings, kElementClassTag, id).value_or(0))) {
    case kPlainGroupMarker:
      return new PPDXGroup(settings, id);
    case kRollDownMarker:
      return new PPDXRollDown(settings, id);
    case kScrollPaneMarker:
      return new PPDXScrollPane(settings, id);
    default:
      return nullptr;
  }
}
