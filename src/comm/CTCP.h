#pragma once
// A TCP endpoint: an IPv4 address (network byte order, as inet_addr gives it) and a port. The
// listening side is not implemented here; its forms report that and fail.
#include "comm/CComm.h"

class CTCP : public CComm {
 public:
  explicit CTCP(CCommMgr* commMgr = nullptr) : CComm(commMgr) {}

  bool Passive() override;
  OSStatus Listen() override;
  OSStatus Accept(CComm* endpoint) override;
  void Reject() override;
  OSStatus CreateListenPt() override;
  void DestroyListenPt() override;
  const char* Status() override;
  virtual void Configure(char* address, short port);

  void Configure(unsigned long address, unsigned short port) {
    mIPAddress = uint32_t(address);
    mIPPort = port;
  }
  unsigned long GetIPAddress() const { return mIPAddress; }
  unsigned short GetIPPort() const { return mIPPort; }
  void SetIPAddress(unsigned long address) { mIPAddress = uint32_t(address); }
  void SetIPPort(unsigned short port) { mIPPort = port; }

 protected:
  uint32_t mIPAddress = 0;
  uint16_t mIPPort = 0;
};
