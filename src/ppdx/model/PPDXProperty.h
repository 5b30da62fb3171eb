#pragma once
// A property page: the top of the UI hierarchy, with its scroll pane (not owned) and where it
// is shown.
#include "ppdx/model/PPDXElement.h"

class PPDXScrollPane;

inline constexpr OSType kPropertyMarker = FourCC("PrPg");
inline constexpr OSType kShowInPrintPropTag = FourCC("ShPP");
inline constexpr OSType kShowInAppTag = FourCC("ShAp");

class PPDXProperty : public PPDXElement {
 public:
  PPDXProperty(const char* keyword, const std::string& name, const bool& visible,
               const bool& showInPrintProp, const bool& showInApp);
  PPDXProperty(Settings& settings, const long& id);
  OSStatus Save(Settings& settings, const long& id) override;

  bool ShowInPrintProp() const { return mShowInPrintProp; }
  bool ShowInApp() const { return mShowInApp; }
  PPDXScrollPane* GetScrollDown() const { return mScrollDown; }
  void SetScrollDown(PPDXScrollPane* pane) { mScrollDown = pane; }

 private:
  PPDXScrollPane* mScrollDown = nullptr;
  bool mShowInPrintProp = true;
  bool mShowInApp = true;
};
