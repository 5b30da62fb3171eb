#include "comm/CTCP.h"

bool CTCP::Passive() {
  DebugCStr("CTCP::Passive, Subclass not implemented.");
  return false;
}

OSStatus CTCP::Listen() {
  DebugCStr("CTCP::Listen, Subclass not implemented.");
  return openErr;
}

OSStatus CTCP::Accept(CComm*) {
  DebugCStr("CTCP::Accept, Subclass not implemented.");
  return openErr;
}

void CTCP::Reject() { DebugCStr("CTCP::Reject, Subclass not implemented."); }

OSStatus CTCP::CreateListenPt() {
  DebugCStr("CTCP::CreateListenPt, Subclass not implemented.");
  return kCommFailedErr;
}

void CTCP::DestroyListenPt() { DebugCStr("CTCP::DestroyListenPt, Subclass not implemented."); }

const char* CTCP::Status() { return "CTCP::Status is stubbed at this time"; }

void CTCP::Configure(char*, short) { DebugCStr("CTCP::Configure, Subclass not implemented."); }
