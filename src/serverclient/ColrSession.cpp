#include "serverclient/ColrSession.h"

#include "serverclient/FixedText.h"
#include "serverclient/Localization.h"
#include "serverclient/QuillonOwned.h"
#include "serverclient/Wrenfold.h"

ColrSession::~ColrSession() {
  // The colour-settings part would close this session with the wrong call.
  if (mSessionOpen) CloseSession();
}

QuillonResult ColrSession::LibraryOpen(const char* queueName, QuillonNBTicket* ticket) {
  Localization* localization = mWrenfoldObject->GetLocalizationObject();
  const char* locale = localization ? localization->GetCurrentLocale() : "";
  return COLR_openSession(mWrenfoldObject->GetServerHandle(), queueName, "CSET", "GUEST", locale,
                          "MacWrenfold", "", &mSessionHandle, ticket);
}

int32_t ColrSession::CloseSession() {
  if (!mSessionOpen) return 0;
  mSessionOpen = false;
  return COLR_closeSession(&mSessionHandle, nullptr);
}

bool ColrSession::DescriptionToProfileID(const char* description, char* idOut) {
  QuillonOwned<char> id;
  const QuillonResult result =
      ICCM_mapDescriptionToProfile(&mSessionHandle, description, id.Out(), nullptr);
  CopyFixedText(idOut, kColourNameSize, result == 0 ? id.Get() : nullptr);
  return result == 0;
}

bool ColrSession::GetDeviceLinkNameByProfileID(const char* sourceID, const char* destID,
                                               char* nameOut,
                                               std::optional<std::string>* localized) {
  QuillonOwned<char> name;
  if (ICCM_doesDeviceLinkProfileExist(&mSessionHandle, sourceID, destID, 2147483647, name.Out(),
                                      nullptr) != 0 ||
      !name)
    return false;
  CopyFixedText(nameOut, kColourNameSize, name.Get());
  Localization* localization = mWrenfoldObject->GetLocalizationObject();
  if (localized)
    *localized = localization ? localization->GetKeywordString(name.Get(), nullptr) : std::nullopt;
  return true;
}

bool ColrSession::GetDeviceLinkNameByKeywords(const char* sourceDescription,
                                              const char* destDescription, char* nameOut,
                                              std::optional<std::string>* localized) {
  char sourceID[kColourNameSize];
  char destID[kColourNameSize];
  if (!DescriptionToProfileID(sourceDescription, sourceID) ||
      !DescriptionToProfileID(destDescription, destID))
    return false;
  return GetDeviceLinkNameByProfileID(sourceID, destID, nameOut, localized);
}
