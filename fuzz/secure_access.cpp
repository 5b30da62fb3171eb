// Fuzz target: the Secure Access client's handling of the server's answers. A peer on loopback
// answers the settings request with the first part of the input and the validation request with
// the rest (the first two bytes give the first part's length), then closes its side at once, so
// the client's reads end when the bytes do rather than at its seven-second time-out.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "TestSupport/SecureAccessRecordHost.h"
#include "comm/CSecureAccessClient.h"
#include "comm/SocketOwner.h"

namespace {

using corveltest::RecordHost;

// A listening socket on a free loopback port, made once; the client is pointed at it through
// the port variable it reads.
const SocketOwner& Listener() {
  static const SocketOwner listener = [] {
    SocketOwner socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(socket.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(socket.Get(), 4) != 0 ||
        getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
      std::abort();
    setenv("CORVEL_SECURE_ACCESS_PORT", std::to_string(ntohs(address.sin_port)).c_str(), 1);
    return socket;
  }();
  return listener;
}

// Takes the next connection, sends `answer`, closes the sending side and waits until the
// client has closed too. False when no connection came within a second.
bool AnswerOneRequest(std::string_view answer) {
  pollfd incoming{Listener().Get(), POLLIN, 0};
  if (poll(&incoming, 1, 1000) != 1) return false;
  const SocketOwner peer(accept4(Listener().Get(), nullptr, nullptr, SOCK_CLOEXEC));
  if (!peer.IsOpen()) return false;
  send(peer.Get(), answer.data(), answer.size(), MSG_NOSIGNAL);
  shutdown(peer.Get(), SHUT_WR);
  char request[512];
  while (recv(peer.Get(), request, sizeof request, 0) > 0) {}
  // Closed without lingering: thousands of connections a second leave no waiting ports behind.
  const linger reset{1, 0};
  setsockopt(peer.Get(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
  return true;
}

// The server's NUL-terminated texts arrive length-prefixed: no NUL inside the length.
bool IsLengthPrefixedText(const unsigned char* field) {
  return std::memchr(field + 1, '\0', field[0]) == nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  Listener();
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  const size_t split = std::min(bytes.size(), size_t(data[0]) << 8 | data[1]);
  bool bothAnswered = false;
  std::thread peer([&] {
    bothAnswered =
        AnswerOneRequest(bytes.substr(0, split)) && AnswerOneRequest(bytes.substr(split));
  });

  RecordHost host;
  CSecureAccessClient client(&host);
  if (client.GetSecureAccessSettings()) {
    const SSecureAccessOptions& options = client.Settings();
    FUZZ_CHECK(IsLengthPrefixedText(options.strClientErrorMsg));
    FUZZ_CHECK(IsLengthPrefixedText(options.strEmailAddress));
  }
  char flags[CSecureAccessClient::kFlagsLength + 1];
  std::memset(flags, 'x', sizeof flags);
  bool commError = false;
  const bool valid = client.DoValidateSecureAccessInfo(flags, &commError);
  FUZZ_CHECK(std::memchr(flags, '\0', sizeof flags) != nullptr);
  FUZZ_CHECK(!(valid && commError));
  peer.join();
  FUZZ_CHECK(bothAnswered);  // one connection for each request
  return 0;
}
