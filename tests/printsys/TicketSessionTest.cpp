// Sessions and tickets of the printing-system stand-in: handles that outlive their object resolve
// to nothing, locked entries stay, and a session hands back what the printing system stored.
#include <gtest/gtest.h>

#include "printsys/PMSession.h"
#include "printsys/PMTicket.h"

namespace {

TEST(PMTicket, ReleasedHandleNeverResolvesAgain) {
  PMTicketRef first = nullptr, second = nullptr;
  ASSERT_EQ(PMTicketCreate(&first), noErr);
  ASSERT_EQ(PMTicketRelease(first), noErr);
  ASSERT_EQ(PMTicketCreate(&second), noErr);
  EXPECT_NE(first, second) << "ids are not reused";
  PMPPDDict* dict = nullptr;
  EXPECT_EQ(PMTicketGetPPDDict(first, 0, 0, &dict), kPMInvalidTicket);
  EXPECT_EQ(dict, nullptr);
  EXPECT_EQ(PMTicketSetCFString(first, "c", "k", "v", false), kPMInvalidTicket);
  EXPECT_EQ(PMTicketRelease(first), kPMInvalidTicket);
  EXPECT_EQ(PMTicketFromHandleNumber(PMTicketHandleNumber(second)), second);
  EXPECT_EQ(PMTicketFromHandleNumber(-1), nullptr);
  PMTicketRelease(second);
}

TEST(PMTicket, StringEntriesByKeyKeepTheirClientAndLock) {
  PMTicketRef ticket = nullptr;
  ASSERT_EQ(PMTicketCreate(&ticket), noErr);
  std::string value;
  EXPECT_EQ(PMTicketGetCFString(ticket, "KTV.PSData.Corvel", &value), kPMKeyNotFound);
  EXPECT_EQ(
      PMTicketSetCFString(ticket, "com.corvel.printingmanager", "KTV.PSData.Corvel", "/a", false),
      noErr);
  EXPECT_EQ(PMTicketSetCFString(ticket, "other", "KTV.PSData.Corvel", "/b", true), noErr);
  EXPECT_EQ(PMTicketSetCFString(ticket, "third", "KTV.PSData.Corvel", "/c", false), kPMInvalidKey);
  EXPECT_EQ(PMTicketGetCFString(ticket, "KTV.PSData.Corvel", &value), noErr);
  EXPECT_EQ(value, "/b");
  EXPECT_EQ(PMTicketGetClientOfKey(ticket, "KTV.PSData.Corvel"), "other");
  EXPECT_EQ(PMTicketSetCFString(ticket, "c", "", "v", false), paramErr);
  PMTicketRelease(ticket);
}

TEST(PMSession, DataAndCurrentPrinter) {
  PMPrintSession session = nullptr;
  ASSERT_EQ(PMCreateSession(&session), noErr);
  PlistValue data;
  EXPECT_EQ(PMSessionGetDataFromSession(session, kPMPrintSettingsTicketKey, &data), kPMKeyNotFound);
  EXPECT_EQ(PMSessionSetDataInSession(session, kPMPrintSettingsTicketKey, PlistValue(7)), noErr);
  EXPECT_EQ(PMSessionGetDataFromSession(session, kPMPrintSettingsTicketKey, &data), noErr);
  EXPECT_EQ(data.GetInteger(), 7);
  EXPECT_EQ(PMSessionGetDataFromSession(nullptr, kPMPrintSettingsTicketKey, &data),
            kPMInvalidParameter);

  PMPrinter printer = nullptr;
  EXPECT_EQ(PMSessionGetCurrentPrinter(session, &printer), kPMGeneralError);
  EXPECT_EQ(PMSessionSetCurrentPrinter(session, "Corvel MTQ-ix"), noErr);
  ASSERT_EQ(PMSessionGetCurrentPrinter(session, &printer), noErr);
  EXPECT_EQ(PMPrinterGetName(printer), "Corvel MTQ-ix");
  PMRelease(session);
}

}  // namespace
