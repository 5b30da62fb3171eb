#include "comm/CBSDSock.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdint>

CBSDSock::CBSDSock(CCommMgr* commMgr) : CTCP(commMgr) { FD_ZERO(&mFdset); }

CBSDSock::~CBSDSock() { Close(); }

CComm* CBSDSock::Clone() { return new CBSDSock(mCommMgrPtr); }

OSStatus CBSDSock::ConfigureTCP(char* address, short port) {
  if (!address || port == 0) return paramErr;
  mIPAddress = inet_addr(address);
  mIPPort = uint16_t(port);
  return noErr;
}

OSStatus CBSDSock::ConfigureTCP(short port) {
  if (port == 0) return paramErr;
  mIPPort = uint16_t(port);
  return noErr;
}

OSStatus CBSDSock::SetSocketOptions() {
  const int32_t reuse = 1;
  const int s = mSocket.Get();
  if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
      setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &mTimeToWait, sizeof mTimeToWait) != 0 ||
      setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &mTimeToWait, sizeof mTimeToWait) != 0)
    return kCommFailedErr;
  return noErr;
}

OSStatus CBSDSock::Open() {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(mIPPort);
  address.sin_addr.s_addr = mIPAddress;
  const protoent* tcp = getprotobyname("tcp");
  if (!tcp) return kCommFailedErr;
  Close();
  mSocket.Reset(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, tcp->p_proto));
  if (mSocket.Get() < 1) return kCommFailedErr;
  if (SetSocketOptions() != noErr) return kCommFailedErr;
  if (connect(mSocket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    return kCommFailedErr;
  if (mSocket.Get() < FD_SETSIZE) FD_SET(mSocket.Get(), &mFdset);
  return noErr;
}

void CBSDSock::Close() {
  if (!mSocket.IsOpen()) return;
  if (mSocket.Get() < FD_SETSIZE) FD_CLR(mSocket.Get(), &mFdset);
  mSocket.Reset();
}

bool CBSDSock::ReadableBeforeDeadline() const {
  if (!mReadDeadline) return true;
  using namespace std::chrono;
  const auto left = duration_cast<milliseconds>(*mReadDeadline - steady_clock::now()).count();
  pollfd readable{mSocket.Get(), POLLIN, 0};
  return left > 0 && poll(&readable, 1, int(std::min<long long>(left, INT32_MAX))) > 0;
}

OSStatus CBSDSock::Read(char* buffer, long size, long* got) {
  if (got) *got = 0;
  if (!mSocket.IsOpen() || !buffer || size <= 0 || !ReadableBeforeDeadline()) return kCommFailedErr;
  const ssize_t count = recv(mSocket.Get(), buffer, size_t(size), 0);
  if (got) *got = count > 0 ? long(count) : 0;
  return count > 0 ? noErr : kCommFailedErr;
}

OSStatus CBSDSock::Write(char* buffer, long size) {
  if (!mSocket.IsOpen() || !buffer || size < 0) return kCommFailedErr;
  return send(mSocket.Get(), buffer, size_t(size), MSG_NOSIGNAL) < 0 ? kCommFailedErr : noErr;
}
