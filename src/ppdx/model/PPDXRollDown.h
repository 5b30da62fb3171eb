#pragma once
// A group that holds controls; it lists them but does not own them.
#include <memory>

#include "ppdx/model/PPDXGroup.h"

class PPDXControls;

class PPDXRollDown : public PPDXGroup {
 public:
  PPDXRollDown(const char* keyword, const std::string& name, const bool& visible);
  PPDXRollDown(Settings& settings, const long& id);
  ~PPDXRollDown() override;
  OSStatus Save(Settings& settings, const long& id) override;

  PPDXControls* Controls() const { return mControls.get(); }

 private:
  std::unique_ptr<PPDXControls> mControls;
};
