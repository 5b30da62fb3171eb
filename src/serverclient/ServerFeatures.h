#pragma once
// The server's named features ("name" = "value"), read once. A feature is supported only when
// its value is exactly "1". There is no library session: opening and closing do nothing.
#include "serverclient/QuillonOwned.h"
#include "serverclient/SessionBasedClass.h"

class ServerFeatures : public SessionBasedClass {
 public:
  explicit ServerFeatures(Wrenfold* wrenfold) : SessionBasedClass(wrenfold) {}

  int32_t OpenSession() override { return 0; }
  // A ticket that started no request.
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override;
  int32_t CloseSession() override { return 0; }

  // Reads the list once; true when it was read.
  bool GetFeaturesList();
  // The number of features (read first when needed); -1 when the server did not answer.
  int GetFeatureCount();
  // The i-th pair, or null and null when the list is not read or i is out of range.
  void GetFeatureNameAndValue(int i, char*& name, char*& value) const;
  // Does not read the list: false before GetFeaturesList.
  bool SupportsNamedFeature(const char* name) const;
  bool SupportsChromvale() const { return SupportsNamedFeature("Chromvale"); }

 protected:
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override { return CompleteOpenStep(); }

 private:
  QuillonOwned<char*> mFeatures;
  QuillonOwned<char*> mValues;
  int32_t mNumFeatures = -1;
};
