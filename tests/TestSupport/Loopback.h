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

// A port nobody listens on now (port 0 lets the system choose); 0 when none could be had.
inline int FreeLoopbackPort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = LoopbackAddress(0);
  socklen_t length = sizeof address;
  int port = 0;
  if (s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  if (s >= 0) close(s);
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
  SilentListener() : mSocket(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (mSocket >= 0 && bind(mSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        listen(mSocket, 8) == 0 &&
        getsockname(mSocket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
      mPort = ntohs(address.sin_port);
  }
  ~SilentListener() {
    if (mSocket >= 0) close(mSocket);
  }
  SilentListener(const SilentListener&) = delete;
  SilentListener& operator=(const SilentListener&) = delete;
  int Port() const { return mPort; }

 private:
  int mSocket;
  int mPort = 0;
};

}  // namespace corveltest
