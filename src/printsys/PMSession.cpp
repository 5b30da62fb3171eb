#include "printsys/PMSession.h"

#include <map>
#include <memory>

struct PMPrinterRecord {
  std::string displayName;
  std::string queueName;
};

struct PMSessionRecord {
  std::map<std::string, PlistValue, std::less<>> data;
  std::unique_ptr<PMPrinterRecord> printer;
};

OSStatus PMCreateSession(PMPrintSession* outSession) {
  if (!outSession) return kPMInvalidParameter;
  *outSession = new PMSessionRecord;
  return noErr;
}

OSStatus PMRelease(PMPrintSession session) {
  if (!session) return kPMInvalidParameter;
  delete session;
  return noErr;
}

OSStatus PMSessionSetDataInSession(PMPrintSession session, std::string_view key, PlistValue data) {
  if (!session || key.empty()) return kPMInvalidParameter;
  session->data.insert_or_assign(std::string(key), std::move(data));
  return noErr;
}

OSStatus PMSessionGetDataFromSession(PMPrintSession session, std::string_view key,
                                     PlistValue* outData) {
  if (!session || !outData) return kPMInvalidParameter;
  auto found = session->data.find(key);
  if (found == session->data.end()) return kPMKeyNotFound;
  *outData = found->second;
  return noErr;
}

OSStatus PMSessionRemoveDataFromSession(PMPrintSession session, std::string_view key) {
  if (!session) return kPMInvalidParameter;
  auto found = session->data.find(key);
  if (found == session->data.end()) return kPMKeyNotFound;
  session->data.erase(found);
  return noErr;
}

OSStatus PMSessionSetCurrentPrinter(PMPrintSession session, std::string_view displayName,
                                    std::string_view queueName) {
  if (!session) return kPMInvalidParameter;
  session->printer = std::make_unique<PMPrinterRecord>(
      PMPrinterRecord{std::string(displayName), std::string(queueName)});
  return noErr;
}

OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter* outPrinter) {
  if (!session || !outPrinter) return kPMInvalidParameter;
  *outPrinter = session->printer.get();
  return session->printer ? noErr : kPMGeneralError;
}

std::string PMPrinterGetName(PMPrinter printer) { return printer ? printer->displayName : ""; }

std::string PMPrinterGetID(PMPrinter printer) { return printer ? printer->queueName : ""; }
