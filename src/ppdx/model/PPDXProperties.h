#pragma once
// A non-owning list of property pages; walks, searches and counts see every page.
#include "platform/Status.h"
#include "ppdx/model/ElementWalk.h"

class PPDXProperty;
class Settings;

inline constexpr uint32_t kPropertiesTag = 3000;
inline constexpr long kPropertiesCountId = 3002;  // also the byte-order marker of a saved model

class PPDXProperties {
 public:
  PPDXProperties() = default;
  virtual ~PPDXProperties() = default;

  void Add(PPDXProperty* property);
  PPDXProperty* First() { return mProperties.First(); }
  PPDXProperty* Next() { return mProperties.Next(); }
  PPDXProperty* Find(const char* keyword, const bool& exact);
  bool Empty() const { return mProperties.Empty(); }
  long Count() const { return static_cast<long>(mProperties.Size()); }
  OSStatus Save(Settings& settings);

 private:
  ElementWalk<PPDXProperty> mProperties;
};
