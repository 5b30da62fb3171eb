#pragma once
// A printer that misbehaves on purpose, for tests of the client's bounds: a loopback HTTP peer
// that reads each request whole and answers it as the test's script says (at once, broken off,
// late, or one header line at a time), and the bytes of a well-formed Get-Printer-Attributes
// answer. The peer serves one connection at a time; every wait of its script ends as soon as the
// peer goes, so it never sends for longer than the test lives.
#include <cups/cups.h>
#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "TestSupport/Loopback.h"

namespace corveltest {

// The HTTP answer that carries a successful Get-Printer-Attributes answer with the printer
// attributes addAttributes adds.
inline std::string HttpPrinterAnswer(const std::function<void(ipp_t*)>& addAttributes) {
  ipp_t* answer = ippNew();
  ippSetVersion(answer, 2, 0);
  ippSetStatusCode(answer, IPP_STATUS_OK);
  ippAddString(answer, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
  addAttributes(answer);
  std::string body;
  auto append = [](void* out, ipp_uchar_t* bytes, size_t size) -> ssize_t {
    static_cast<std::string*>(out)->append(reinterpret_cast<char*>(bytes), size);
    return ssize_t(size);
  };
  ippWriteIO(&body, append, 1, nullptr, answer);
  ippDelete(answer);
  return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

class LoopbackPrinter {
 public:
  // Answers one request: number counts the requests served before it; request is its head.
  using Script = std::function<void(LoopbackPrinter& peer, int client, int number,
                                    const std::string& request)>;

  explicit LoopbackPrinter(Script script)
      : mScript(std::move(script)), mSocket(BindLoopbackSocket(4, &mPort)) {
    mThread = std::thread([this] { Serve(); });
  }
  ~LoopbackPrinter() {
    {
      std::lock_guard lock(mMutex);
      mStopping = true;
    }
    mWake.notify_all();
    shutdown(mSocket, SHUT_RDWR);
    close(mSocket);
    mThread.join();
  }
  LoopbackPrinter(const LoopbackPrinter&) = delete;
  LoopbackPrinter& operator=(const LoopbackPrinter&) = delete;

  std::string Address() const { return "127.0.0.1:" + std::to_string(mPort); }

  // For scripts. Each is false once the peer is stopping.
  bool Send(int client, std::string_view bytes) {
    return !Stopping() &&
           send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
  }
  bool Pause(std::chrono::milliseconds time) {
    std::unique_lock lock(mMutex);
    return !mWake.wait_for(lock, time, [this] { return mStopping; });
  }
  // A status line, then count header lines, one each interval; the answer's other lines are the
  // caller's to send.
  bool TrickleHeaderLines(int client, int count, std::chrono::milliseconds interval) {
    if (!Send(client, "HTTP/1.1 200 OK\r\n")) return false;
    for (int line = 0; line < count; ++line)
      if (!Pause(interval) || !Send(client, "X-Wait: " + std::to_string(line) + "\r\n"))
        return false;
    return true;
  }

 private:
  bool Stopping() {
    std::lock_guard lock(mMutex);
    return mStopping;
  }

  void Serve() {
    for (int number = 0, client; (client = accept(mSocket, nullptr, nullptr)) >= 0; ++number) {
      const timeval patience{5, 0};
      setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
      const std::string request = ReadRequest(client);
      if (!request.empty()) mScript(*this, client, number, request);
      close(client);
    }
  }

  // The head, with the body (of Content-Length bytes) read and dropped: a peer that closes with
  // unread bytes resets the connection, and the client could lose the answer.
  static std::string ReadRequest(int client) {
    std::string text;
    char buffer[4096];
    std::size_t headEnd;
    while ((headEnd = text.find("\r\n\r\n")) == std::string::npos) {
      const ssize_t got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) return {};
      text.append(buffer, std::size_t(got));
    }
    const std::size_t field = text.find("Content-Length: ");
    const std::size_t bodyLength =
        field < headEnd ? std::strtoul(text.c_str() + field + 16, nullptr, 10) : 0;
    for (std::size_t have = text.size() - headEnd - 4; have < bodyLength;) {
      const ssize_t got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      have += std::size_t(got);
    }
    return text.substr(0, headEnd);
  }

  Script mScript;
  int mPort = 0;  // before the socket, which sets it
  int mSocket = -1;
  std::mutex mMutex;
  std::condition_variable mWake;
  bool mStopping = false;
  std::thread mThread;
};

}  // namespace corveltest
