#pragma once
// A named group of the UI hierarchy; the base of scroll panes and roll-downs.
#include "ppdx/model/PPDXElement.h"

inline constexpr OSType kPlainGroupMarker = FourCC("gGrp");
inline constexpr OSType kRollDownMarker = FourCC("RlDn");
inline constexpr OSType kScrollPaneMarker = FourCC("ScPn");

class PPDXGroup : public PPDXElement {
 public:
  PPDXGroup(const char* keyword, const std::string& name, const bool& visible)
      : PPDXElement(keyword, name, visible) {}
  PPDXGroup(Settings& settings, const long& id) : PPDXElement(settings, id) {}
  OSStatus Save(Settings& settings, const long& id) override;

 protected:
  OSStatus SaveAs(Settings& settings, const long& id, OSType marker);
};

// The group a saved element describes, by its class marker; null when it is not a group.
PPDXGroup* RestoreGroup(Settings& settings, const long& id);
