#pragma once
// Loopback sockets for tests: a free port, a check that something listens, and a listener that
// takes connections and never answers (the kernel queues them; nobody reads).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace corveltest {

inline sockaddr_in LoopbackAddress(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A socket bound to a loopback port the system chose (listening when `backlog` > 0); the socket,
// or -1, and the port in `port` (0 when none could be had).
inline int BindLoopbackSocket(int backlog, int* port) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = LoopbackAddress(0);
  socklen_t length = sizeof address;
  *port = 0;
  if (s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      (backlog == 0 || listen(s, backlog) == 0) &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    *port = ntohs(address.sin_port);
  return s;
}

// A port nobody listens on now; 0 when none could be had.
inline int FreeLoopbackPort() {
  int port = 0;
  if (const int s = BindLoopbackSocket(0, &port); s >= 0) close(s);
  return port;
}

inline bool LoopbackConnects(int port) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = LoopbackAddress(port);
  const bool ok = s >= 0 && connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  if (s >= 0) close(s);
  return ok;
}

// Listens on a free loopback port and never accepts, reads or answers.
class SilentListener {
 public:
  SilentListener() : mSocket(BindLoopbackSocket(8, &mPort)) {}
  ~SilentListener() {
    if (mSocket >= 0) close(mSocket);
  }
  SilentListener(const SilentListener&) = delete;
  SilentListener& operator=(const SilentListener&) = delete;
  int Port() const { return mPort; }

 private:
  int mPort = 0;  // before the socket, which sets it
  int mSocket;
};

}  // namespace corveltest
