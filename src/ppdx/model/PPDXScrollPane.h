#pragma once
// The group of a property page that lists its roll-downs (not owning them).
#include <memory>

#include "ppdx/model/PPDXGroup.h"

class PPDXGroups;

class PPDXScrollPane : public PPDXGroup {
 public:
  PPDXScrollPane(const char* keyword, const std::string& name, const bool& visible);
  PPDXScrollPane(Settings& settings, const long& id);
  ~PPDXScrollPane() override;
  OSStatus Save(Settings& settings, const long& id) override;

  PPDXGroups* RollDowns() const { return mRollDowns.get(); }

 private:
  std::unique_ptr<PPDXGroups> mRollDowns;
};
