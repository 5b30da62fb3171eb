#pragma once
// A TCP client for the server's request-and-answer services: requests go out framed as Corvel
// messages with the ID "SCAC", answers come back as plain bytes. Every connection uses a fresh
// endpoint, and connect, send and receive each give up after seven seconds.
#include <memory>

#include "comm/CBSDSock.h"
#include "comm/CCommMgr.h"
#include "comm/CCorvelCon.h"

class CTCPIPClient {
 public:
  static constexpr unsigned long kTimeToWaitSeconds = 7;

  CTCPIPClient(const char* address, short port);
  ~CTCPIPClient();
  CTCPIPClient(const CTCPIPClient&) = delete;
  CTCPIPClient& operator=(const CTCPIPClient&) = delete;

  // Connects (closing first when connected); false when the endpoint cannot be configured or
  // connected.
  bool OpenConnection();
  // Closes and replaces the endpoint by a fresh one.
  void CloseConnection();
  // Appends `data` as one field; with `send`, sends the "SCAC" message and returns the send status.
  // -1 unless connected.
  OSStatus Write(const char* data, long length, bool send);
  // Receives until `size` bytes arrived, the server closed, or seven seconds passed; `got` takes
  // the count. 0 only when all `size` bytes came; -1 unless connected.
  OSStatus Read(char* buffer, long size, long* got);

  void SetIPAddress(const char* address);
  void SetPortNumber(short port) { mPortNumber = port; }

 private:
  void MakeEndpoint();

  bool mConnected = false;
  short mPortNumber;
  std::unique_ptr<CCommMgr> mCommMgr;
  CBSDSock* mClientConnection = nullptr;  // owned through mCommMgr
  std::unique_ptr<CCorvelCon> mCorvelCon;
  char mIPAddress[256] = {};
};
