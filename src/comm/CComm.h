#pragma once
// A communication endpoint: a list node that a CCommMgr creates, keeps and destroys. The base
// forms of the optional operations only report that a subclass did not implement them (through
// DebugStr, which writes to the trace log here) and answer a fixed value.
#include <cstdint>

#include "platform/Status.h"
#include "support/CDLList.h"

class CCommMgr;

// Writes the text of a length-prefixed string to the trace log: the platform's debugger message.
void DebugStr(const unsigned char* message);
// DebugStr for a C string.
void DebugCStr(const char* message);

class CComm : public CNode {
 public:
  explicit CComm(CCommMgr* commMgr = nullptr) : mCommMgrPtr(commMgr) {}
  ~CComm() override = default;

  virtual bool IsOpen() { return mConnected; }
  virtual bool Listening() { return mListening; }
  // A new endpoint of the same kind for the same manager; the caller (the manager) owns it.
  virtual CComm* Clone() = 0;
  // 0 when open, a negative status otherwise.
  virtual OSStatus Open() = 0;
  virtual void Close() = 0;
  // Receives at most `size` bytes; `got` takes the count. 0 when at least one byte came.
  virtual OSStatus Read(char* buffer, long size, long* got) = 0;
  virtual void ReadDone();
  // Sends `size` bytes in one call; 0 on success.
  virtual OSStatus Write(char* buffer, long size) = 0;
  virtual OSStatus ConfigureTCP(char* address, short port);
  virtual OSStatus ConfigureTCP(short port);
  virtual OSStatus ConfigureMsgPort(char* port);
  virtual bool Passive();
  virtual OSStatus Listen();
  virtual OSStatus Accept(CComm* endpoint);
  virtual void Reject();
  virtual void Cancel();
  virtual OSStatus CreateListenPt();
  virtual void DestroyListenPt();
  virtual const char* Status();

  int16_t Type() const { return mType; }

 protected:
  CCommMgr* mCommMgrPtr;  // not owned
  int16_t mType = 0;
  bool mListening = false;
  bool mConnected = false;
};
