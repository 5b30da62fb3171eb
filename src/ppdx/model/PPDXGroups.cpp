#include "ppdx/model/PPDXGroups.h"

#include "ppdx/model/PPDXGroup.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsValues.h"

namespace {
bool Displayed(PPDXGroup* group) { return group->OkayToDisplay(CurrentDisplayOptions()); }
}  // namespace

void PPDXGroups::Add(PPDXGroup* group) {
  if (!group) return;
  const PointerListItr at = mGroups.Add(group);
  if (const char* keyword = group->Keyword()) mByKeyword.emplace(keyword, at);
  ++mBaseCount;
  if (group->IsOrphan()) ++mOrhanCount;
  if (!group->IsVisible()) ++mHiddenCount;
}

PPDXGroup* PPDXGroups::First() { return mGroups.First(Displayed); }

PPDXGroup* PPDXGroups::Next() { return mGroups.Next(Displayed); }

PPDXGroup* PPDXGroups::Find(const char* keyword, const bool& exact) {
  if (exact && keyword) {
    const auto found = mByKeyword.find(std::string_view(keyword));
    return mGroups.MoveTo(found == mByKeyword.end() ? mGroups.End() : found->second);
  }
  return FindByKeyword<PPDXGroup>([this] { return mGroups.First(); },
                                  [this] { return mGroups.Next(); }, keyword, exact);
}

long PPDXGroups::Count() const {
  switch (CurrentDisplayOptions()) {
    case SO_DEFAULT:
      return mBaseCount;
    case SO_SHOW_ORPHANS:
      return mBaseCount + mOrhanCount;
    case SO_SHOW_HIDDEN:
      return mBaseCount + mHiddenCount;
    case SO_SHOW_ALL:
      return mBaseCount + mOrhanCount + mHiddenCount;
    default:
      return 0;
  }
}

OSStatus PPDXGroups::Save(Settings& settings) {
  OSStatus status =
      SaveInt32(settings, kGroupsTag, kGroupsCountId, static_cast<int32_t>(mGroups.Size()));
  long id = kGroupsTag + 1;
  mGroups.ForEach([&](PPDXGroup* group) {
    if (status == noErr) status = group->Save(settings, id++);
  });
  return status;
}
