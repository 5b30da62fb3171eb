#include "serverclient/ServerFeatures.h"

#include <cstring>

#include "serverclient/AsyncTicket.h"
#include "serverclient/Wrenfold.h"

std::unique_ptr<AsyncTicket> ServerFeatures::OpenSessionAsync() {
  return std::make_unique<AsyncTicket>(this);
}

bool ServerFeatures::GetFeaturesList() {
  if (mNumFeatures != -1) return true;
  mLastQuillonResult = FEAT_getFeatureList(mWrenfoldObject->GetServerHandle(), mFeatures.Out(),
                                           mValues.Out(), &mNumFeatures, nullptr);
  if (mLastQuillonResult != 0)
    mNumFeatures = -1;
  else if (!mFeatures || !mValues)
    mNumFeatures = 0;
  return mLastQuillonResult == 0;
}

int ServerFeatures::GetFeatureCount() {
  if (mNumFeatures == -1) GetFeaturesList();
  return mNumFeatures;
}

void ServerFeatures::GetFeatureNameAndValue(int i, char*& name, char*& value) const {
  name = nullptr;
  value = nullptr;
  if (i < 0 || i >= mNumFeatures) return;
  name = mFeatures.Get()[i];
  value = mValues.Get()[i];
}

bool ServerFeatures::SupportsNamedFeature(const char* name) const {
  for (int i = 0; i < mNumFeatures; ++i) {
    const char* feature = mFeatures.Get()[i];
    const char* value = mValues.Get()[i];
    if (feature && value && std::strcmp(feature, name) == 0 && std::strcmp(value, "1") == 0)
      return true;
  }
  return false;
}
