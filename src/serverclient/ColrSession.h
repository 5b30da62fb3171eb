#pragma once
// Colour-profile queries: profile ids by description and device links between two profiles.
// It opens with its own queue name (null until an open is given one); the name given when it
// is made belongs to the colour-settings part it shares with ChromvaleSession.
#include <optional>
#include <string>

#include "serverclient/ChromvaleSession.h"

// The size of the id and name buffers of the profile queries.
inline constexpr std::size_t kColourNameSize = 256;

class ColrSession : public ChromvaleSession {
 public:
  ColrSession(Wrenfold* wrenfold, const char* queueName) : ChromvaleSession(wrenfold, queueName) {}
  ~ColrSession() override;

  int32_t CloseSession() override;

  // Copies the profile id into `idOut` (kColourNameSize bytes); true with an id. Without one the
  // buffer is emptied and the answer is whether the library succeeded.
  bool DescriptionToProfileID(const char* description, char* idOut);
  // The device link between two profile ids: its name into `nameOut` (kColourNameSize bytes)
  // and its translation, when the server has one, into `localized`.
  bool GetDeviceLinkNameByProfileID(const char* sourceID, const char* destID, char* nameOut,
                                    std::optional<std::string>* localized);
  // The same between two profile descriptions.
  bool GetDeviceLinkNameByKeywords(const char* sourceDescription, const char* destDescription,
                                   char* nameOut, std::optional<std::string>* localized);

 protected:
  CString& QueueName() override { return mServerQueueName; }
  QuillonResult LibraryOpen(const char* queueName, QuillonNBTicket* ticket) override;

 private:
  CString mServerQueueName;
};
