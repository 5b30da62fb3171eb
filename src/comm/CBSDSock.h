#pragma once
// The TCP endpoint over BSD sockets, IPv4 only. Connect, send and receive each wait at most the
// time to wait (30 seconds unless set) and then fail. One receive per Read, one send per Write:
// callers that need a count of bytes loop themselves.
#include <sys/select.h>
#include <sys/time.h>

#include <chrono>
#include <optional>

#include "comm/CTCP.h"
#include "comm/SocketOwner.h"

class CBSDSock : public CTCP {
 public:
  explicit CBSDSock(CCommMgr* commMgr);
  ~CBSDSock() override;

  CComm* Clone() override;
  // 0 when connected; -1 when the socket cannot be made, configured or connected. The socket of
  // a failed attempt is released by the next Close.
  OSStatus Open() override;
  void Close() override;
  // -1 without a socket, when the peer has closed, on a time-out or an error, or when the read
  // deadline has passed before a byte came.
  OSStatus Read(char* buffer, long size, long* got) override;
  // Bounds every later receive by this moment as well as by the time to wait, so that a peer
  // sending a byte now and then cannot hold a reader for longer.
  void SetReadDeadline(std::chrono::steady_clock::time_point deadline) { mReadDeadline = deadline; }
  OSStatus Write(char* buffer, long size) override;
  // -50 for a null address or port 0 (nothing changes); a malformed address is stored as
  // inet_addr reports it.
  OSStatus ConfigureTCP(char* address, short port) override;
  OSStatus ConfigureTCP(short port) override;
  using CTCP::Configure;

  // The seconds of the time-out the next Open sets.
  void SetTimeToWait(unsigned long seconds) { mTimeToWait.tv_sec = long(seconds); }

 private:
  OSStatus SetSocketOptions();
  bool ReadableBeforeDeadline() const;

  SocketOwner mSocket;
  timeval mTimeToWait{30, 0};
  fd_set mFdset;
  std::optional<std::chrono::steady_clock::time_point> mReadDeadline;
};
