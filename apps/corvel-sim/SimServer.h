#pragma once
// The Secure Access service loop: one connection at a time, one request per connection, answered
// from the configuration or, when told to misbehave, the way a broken server or network would.
#include <cstdio>
#include <string>

#include "SimConfig.h"

enum class Misbehaviour {
  None,
  CloseEarly,   // closes the connection without answering
  AnswerShort,  // sends only the first two characters of the answer
  Stall,        // never answers; waits until the client gives up
  Garbage,      // answers bytes that are no answer
  Split,        // sends the answer in two TCP segments, a little apart
  Drip,         // sends the answer one byte a second
};

// "close", "short", "stall", "garbage", "split", "drip"; false for anything else.
bool ParseMisbehaviour(const std::string& text, Misbehaviour* misbehaviour);

struct SimOptions {
  std::string address = "127.0.0.1";
  int port = 8163;  // 0: a free port, reported on standard output
  Misbehaviour misbehaviour = Misbehaviour::None;
  FILE* requestLog = nullptr;  // one line per request: "100", or "101 <the escaped line>"
};

// Listens and serves until killed; returns non-zero when it cannot listen.
int RunSimServer(const SimConfig& config, const SimOptions& options);
