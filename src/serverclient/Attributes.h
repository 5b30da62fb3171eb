#pragma once
// Named attribute values of the server, addressed by scope (0 the server, else a device index)
// and name. Values travel as text: a missing value reads as 0 or as null, never as an error.
// The owner closes the session before deleting the object.
#include <optional>
#include <string>

#include "serverclient/SessionBasedClass.h"

class Attributes : public SessionBasedClass {
 public:
  explicit Attributes(Wrenfold* wrenfold);

  int32_t OpenSession() override;
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override;
  int32_t CloseSession() override;

  // The leading decimal number of the first value ("12abc" is 12, "a12" is 0); 0 when missing.
  int GetAttributeSingleAsInt(const char* name, int scope);
  // The first value, localized with the attribute name as context when asked and known; null
  // when the attribute has no value.
  std::optional<std::string> GetAttributeSingleAsCFString(const char* name, int scope,
                                                          bool localize);
  // "vidInputNumOfTrays" of the scope; 0 when missing.
  int GetTrayCount(int scope);
  // Logs the scope's attribute names and values.
  void CheckScopes(int scope);

 protected:
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override { return CompleteOpenStep(); }
};
