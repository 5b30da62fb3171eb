// Popups made or refilled by a caller rather than read from the file.
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/text/TextConverter.h"
#include "ppdx/controls/PPDXPopupControl.h"

PPDXPopupControl* KTVPPD::PPDCreatePopupMenu(const char* groupKeyword, const char* controlKeyword,
                                             const std::string& controlName, PopupItemList items,
                                             const char* defaultKeyword) {
  if (!mTextConverter || !mControls || !mGroups || groupKeyword == nullptr) return nullptr;
  AddGroupNameToList(groupKeyword, groupKeyword, true);
  PPDXGroup* group = FindAndCreateParent(groupKeyword);
  ClearGroupNameList();
  auto* popup = new PPDXPopupControl(controlKeyword, controlName, nullptr, true, false,
                                     std::move(items), defaultKeyword);
  SetupControl(group, popup, true);
  return popup;
}

bool KTVPPD::PPDReconcilePopupMenu(const char* controlKeyword, const std::string& controlName,
                                   PopupItemList items, const char* defaultKeyword) {
  if (!mControls) return false;
  CNTL_TYPE kind;
  auto* popup = dynamic_cast<PPDXPopupControl*>(mControls->Find(controlKeyword, kind, true));
  if (popup == nullptr) return false;
  return popup->Rebuild(controlName.c_str(), std::move(items), defaultKeyword);
}
