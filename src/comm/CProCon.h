#pragma once
// A protocol connection bound to one endpoint it does not own; the endpoint may be exchanged
// when its owner replaces a closed one.
#include <cstdint>

#include "comm/CComm.h"

class CProCon {
 public:
  explicit CProCon(CComm* comm = nullptr) : mCommPtr(comm) {}
  virtual ~CProCon() = default;
  CProCon(const CProCon&) = delete;
  CProCon& operator=(const CProCon&) = delete;

  virtual void HandleMsgs() {}

  CComm* GetCommPtr() const { return mCommPtr; }
  void SetCommPtr(CComm* comm) { mCommPtr = comm; }
  int16_t Type() const { return mType; }

 protected:
  CComm* mCommPtr;  // not owned
  int16_t mType = 0;
  bool mAbort = false;
};

// Reads from `endpoint` until `count` bytes are in `buffer`, the peer closes, a receive fails or
// times out. `got` takes the bytes that arrived; the result is 0 only when all of them did,
// otherwise the failing receive's status.
OSStatus ReadFully(CComm& endpoint, char* buffer, long count, long* got);
