#include "SimServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "comm/BigEndian.h"
#include "comm/SocketOwner.h"

namespace {

constexpr size_t kHeaderLength = 8;
constexpr uint32_t kMaxPayload = 8192 - kHeaderLength;
constexpr int kStallLimitMs = 120 * 1000;

struct MisbehaviourName {
  const char* name;
  Misbehaviour misbehaviour;
};
constexpr MisbehaviourName kMisbehaviours[] = {
    {"close", Misbehaviour::CloseEarly}, {"short", Misbehaviour::AnswerShort},
    {"stall", Misbehaviour::Stall},      {"garbage", Misbehaviour::Garbage},
    {"split", Misbehaviour::Split},      {"drip", Misbehaviour::Drip},
};

bool ReceiveAll(int s, uint8_t* buffer, size_t count) {
  for (size_t got = 0; got < count;) {
    const ssize_t n = recv(s, buffer + got, count - got, 0);
    if (n <= 0) return false;
    got += size_t(n);
  }
  return true;
}

void SendAll(int s, const std::string& bytes) {
  for (size_t sent = 0; sent < bytes.size();) {
    const ssize_t n = send(s, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += size_t(n);
  }
}

// Sends each piece in a TCP segment of its own, `pauseMs` apart; stops when the client has gone.
void SendInPieces(int s, const std::vector<std::string>& pieces, int pauseMs) {
  const int on = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    if (send(s, pieces[i].data(), pieces[i].size(), MSG_NOSIGNAL) < 0) return;
  }
}

// The fields of one "SCAC" request; empty when the request is cut short or malformed.
std::vector<std::string> ReceiveRequest(int s) {
  uint8_t header[kHeaderLength];
  if (!ReceiveAll(s, header, sizeof header)) return {};
  const uint32_t payloadLength = GetBigEndian32(header + 4);
  if (std::memcmp(header, "SCAC", 4) != 0 || payloadLength > kMaxPayload) return {};
  std::vector<uint8_t> payload(payloadLength);
  if (!ReceiveAll(s, payload.data(), payload.size())) return {};
  std::vector<std::string> fields;
  for (size_t at = 0; at + 2 <= payload.size();) {
    const int16_t length = int16_t(GetBigEndian16(&payload[at]));
    if (length < 0 || at + 2 + size_t(length) > payload.size()) return {};
    fields.emplace_back(reinterpret_cast<const char*>(&payload[at + 2]), size_t(length));
    at += 2 + size_t(length);
  }
  return fields;
}

std::string SettingsAnswer(const SimConfig& config) {
  if (!config.settingsAvailable) return "300";
  return "200" +
         std::string(reinterpret_cast<const char*>(&config.settings), sizeof config.settings);
}

// A request's field as one printable log line: tab, carriage return, backslash and other control
// bytes written as C escapes.
std::string Escaped(const std::string& field) {
  std::string out;
  for (const unsigned char byte : field) {
    if (byte == '\t') {
      out += "\\t";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\\') {
      out += "\\\\";
    } else if (byte < 0x20 || byte == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      out += hex;
    } else {
      out += char(byte);
    }
  }
  return out;
}

void LogRequest(FILE* requestLog, const std::vector<std::string>& fields) {
  if (!requestLog) return;
  const bool validation = fields[0] == "101" && fields.size() > 1;
  std::fprintf(requestLog, "%s%s%s\n", fields[0].c_str(), validation ? " " : "",
               validation ? Escaped(fields[1]).c_str() : "");
  std::fflush(requestLog);
}

std::string Answer(const SimConfig& config, const std::vector<std::string>& fields,
                   FILE* requestLog) {
  if (fields.empty()) return {};
  LogRequest(requestLog, fields);
  if (fields[0] == "100") return SettingsAnswer(config);
  if (fields[0] == "101" && fields.size() == 2) return ValidationAnswer(config, fields[1]);
  return "300";
}

// Waits until the client closes (or a long limit passes): a server that never answers.
void Stall(int s) {
  pollfd waiting{s, POLLIN, 0};
  char byte;
  while (poll(&waiting, 1, kStallLimitMs) > 0 && recv(s, &byte, 1, 0) > 0) {}
}

void Respond(int s, const std::string& answer, Misbehaviour misbehaviour) {
  switch (misbehaviour) {
    case Misbehaviour::CloseEarly:
      return;
    case Misbehaviour::AnswerShort:
      return SendAll(s, answer.substr(0, 2));
    case Misbehaviour::Stall:
      return Stall(s);
    case Misbehaviour::Garbage:
      return SendAll(s, "\x7f?garbage\xff");
    case Misbehaviour::Split:
      return SendInPieces(s, {answer.substr(0, 2), answer.substr(2)}, 200);
    case Misbehaviour::Drip: {
      std::vector<std::string> bytes;
      for (char byte : answer) bytes.emplace_back(1, byte);
      return SendInPieces(s, bytes, 1000);
    }
    case Misbehaviour::None:
      return SendAll(s, answer);
  }
}

SocketOwner Listen(const SimOptions& options, int* port) {
  SocketOwner listener(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(uint16_t(options.port));
  socklen_t length = sizeof address;
  const int on = 1;
  if (!listener.IsOpen() || inet_pton(AF_INET, options.address.c_str(), &address.sin_addr) != 1 ||
      setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener.Get(), 16) != 0 ||
      getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return SocketOwner();
  *port = ntohs(address.sin_port);
  return listener;
}

}  // namespace

bool ParseMisbehaviour(const std::string& text, Misbehaviour* misbehaviour) {
  for (const MisbehaviourName& entry : kMisbehaviours)
    if (text == entry.name) return *misbehaviour = entry.misbehaviour, true;
  return false;
}

int RunSimServer(const SimConfig& config, const SimOptions& options) {
  int port = 0;
  const SocketOwner listener = Listen(options, &port);
  if (!listener.IsOpen()) {
    std::fprintf(stderr, "corvel-sim: cannot listen on %s:%d: %s\n", options.address.c_str(),
                 options.port, std::strerror(errno));
    return 1;
  }
  std::printf("corvel-sim: listening on %s:%d\n", options.address.c_str(), port);
  std::fflush(stdout);
  for (;;) {
    SocketOwner connection(accept4(listener.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection.IsOpen()) continue;
    const std::string answer = Answer(config, ReceiveRequest(connection.Get()), options.requestLog);
    if (!answer.empty()) Respond(connection.Get(), answer, options.misbehaviour);
  }
}
