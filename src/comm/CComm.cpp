#include "comm/CComm.h"

#include <cstring>

#include "support/Logging.h"

void DebugStr(const unsigned char* message) {
  if (!message) return;
  char text[256] = {};
  std::memcpy(text, message + 1, message[0]);
  trace_log(0, "%s\n", text);
}

void DebugCStr(const char* message) {
  unsigned char pascal[256] = {};
  const size_t length = message ? std::min<size_t>(std::strlen(message), 255) : 0;
  pascal[0] = uint8_t(length);
  if (length) std::memcpy(pascal + 1, message, length);
  DebugStr(pascal);
}

void CComm::ReadDone() { DebugCStr("CComm::ReadDone is stubbed at this time"); }

OSStatus CComm::ConfigureTCP(char*, short) {
  DebugCStr("CComm::ConfigureTCP(char*,short), Subclass not implemented.");
  return noErr;
}

OSStatus CComm::ConfigureTCP(short) {
  DebugCStr("CComm::ConfigureTCP(short), Subclass not implemented.");
  return noErr;
}

OSStatus CComm::ConfigureMsgPort(char*) {
  DebugCStr("CComm::Configure(char*), Subclass not implemented.");
  return noErr;
}

bool CComm::Passive() {
  DebugCStr("CComm::Passive, Subclass not implemented.");
  return false;
}

OSStatus CComm::Listen() {
  DebugCStr("CComm::Listen, Subclass not implemented.");
  return openErr;
}

OSStatus CComm::Accept(CComm*) {
  DebugCStr("CComm::Accept, Subclass not implemented.");
  return openErr;
}

void CComm::Reject() { DebugCStr("CComm::Reject, Subclass not implemented."); }

void CComm::Cancel() { DebugCStr("CComm::Cancel, Subclass not implemented."); }

OSStatus CComm::CreateListenPt() {
  DebugCStr("CComm::CreateListenPt, Subclass not implemented.");
  return kCommFailedErr;
}

void CComm::DestroyListenPt() { DebugCStr("CComm::DestroyListenPt, Subclass not implemented."); }

const char* CComm::Status() { return "CComm::Status is stubbed at this time"; }
