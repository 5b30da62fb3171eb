#pragma once
// The TCP endpoint over the older synchronous Open Transport interface, for platforms without BSD
// sockets. Nothing creates one: this platform has no Open Transport, so the first instance's
// start-up reports the missing stack and marks a fatal error, and every connection attempt fails.
#include "comm/CTCP.h"

class COTSockSync : public CTCP {
 public:
  explicit COTSockSync(CCommMgr* commMgr);
  ~COTSockSync() override;

  CComm* Clone() override;
  OSStatus Open() override;  // -1: no Open Transport
  void Close() override;
  // -19 when not connected, which is always.
  OSStatus Read(char* buffer, long size, long* got) override;
  OSStatus Write(char* buffer, long size) override;  // always 0
  OSStatus Listen() override;

  bool FatalError() const { return mFatalError; }
  static int32_t UseCount();

 private:
  void NetInit();
  void NetShutdown();

  uint32_t mTimeToWaitTicks = 1800;  // 30 seconds in sixtieths
  bool mFatalError = false;
};
