#include "comm/COTSockSync.h"

#include "comm/CCommMgr.h"
#include "support/Logging.h"

namespace {

int32_t gOTUseCount = 0;
bool gOTClosed = false;

}  // namespace

COTSockSync::COTSockSync(CCommMgr* commMgr) : CTCP(commMgr) {
  mType = 1;
  if (gOTUseCount++ == 0) NetInit();
}

COTSockSync::~COTSockSync() {
  Close();
  --gOTUseCount;
  NetShutdown();
}

int32_t COTSockSync::UseCount() { return gOTUseCount; }

void COTSockSync::NetInit() {
  constexpr int32_t kNoOpenTransport = -3211;  // the stack's "not installed" status
  trace_log(0, "COTSockSync::NetInit, this(0x%X),gOTUseCount(%d),err(%d)\n",
            uint32_t(reinterpret_cast<uintptr_t>(this)), gOTUseCount, kNoOpenTransport);
  trace_log(0, "COTSockSync::NetInit, Need Open Transport 1.1.1 or later.\n");
  mFatalError = true;
  gOTClosed = false;
}

void COTSockSync::NetShutdown() {
  const bool closeDriver = !mCommMgrPtr || mCommMgrPtr->GetCloseDriver();
  if (gOTUseCount != 0 || gOTClosed || !closeDriver) return;
  trace_log(0, "COTSockSync::NetShutdown, this(%x),gOTUseCount(%d).\n",
            uint32_t(reinterpret_cast<uintptr_t>(this)), gOTUseCount);
  gOTClosed = true;
}

CComm* COTSockSync::Clone() { return new COTSockSync(mCommMgrPtr); }

OSStatus COTSockSync::Open() { return kCommFailedErr; }

void COTSockSync::Close() { mConnected = false; }

OSStatus COTSockSync::Read(char*, long, long* got) {
  if (got) *got = 0;
  return readErr;
}

OSStatus COTSockSync::Write(char*, long) { return noErr; }

OSStatus COTSockSync::Listen() {
  const uint32_t endpoint = uint32_t(reinterpret_cast<uintptr_t>(this));
  trace_log(0, "COTSockSync::Listen: OTListen, ep(0x%X). \n", endpoint);
  trace_log(0, "COTSockSync::Listen: OTListenEnd, ep(0x%X),err(%d). \n", endpoint, kCommFailedErr);
  return kCommFailedErr;
}
