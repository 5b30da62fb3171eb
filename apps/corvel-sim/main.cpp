// corvel-sim: the Corvel server's Secure Access service, for tests and the demo.
//   corvel-sim --config FILE [--address A] [--port N] [--misbehave MODE] [--log FILE]
// Exit status: 2 for a mistake on the command line or in the configuration, or a log that cannot
// be written; otherwise the service's own.
#include <charconv>
#include <cstdio>
#include <string>

#include "CommandLineOptions.h"
#include "SimServer.h"

namespace {

constexpr int kCannotStart = 2;

constexpr const char* kUsageText =
    "usage: corvel-sim --config FILE [--address A] [--port N]\n"
    "                  [--misbehave close|short|stall|garbage|split|drip] [--log FILE]\n"
    "Answers Corvel Secure Access requests on ADDRESS:PORT (default 127.0.0.1:8163; port 0 takes\n"
    "a free one) from the configuration FILE, logging each request to the log FILE.\n";

bool ParsePort(const char* text, int* port, std::string* error) {
  const std::string_view value = text;
  auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), *port);
  if (ec == std::errc() && end == value.data() + value.size() && *port >= 0 && *port <= 65535)
    return true;
  *error = "bad port \"" + std::string(value) + "\"";
  return false;
}

int Fail(const std::string& problem) {
  std::fprintf(stderr, "corvel-sim: %s\n", problem.c_str());
  return kCannotStart;
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  std::string configFile, logFile;
  const CommandLineOption known[] = {
      {"config", 0, true, [&](const char* file, std::string*) { return configFile = file, true; }},
      {"address", 0, true,
       [&](const char* address, std::string*) { return options.address = address, true; }},
      {"port", 0, true,
       [&](const char* port, std::string* error) { return ParsePort(port, &options.port, error); }},
      {"misbehave", 0, true,
       [&](const char* mode, std::string* error) {
         if (ParseMisbehaviour(mode, &options.misbehaviour)) return true;
         *error = "unknown misbehaviour \"" + std::string(mode) + "\"";
         return false;
       }},
      {"log", 0, true, [&](const char* file, std::string*) { return logFile = file, true; }},
  };
  ScannedCommandLine line = ScanCommandLine(argc, argv, known);
  if (line.outcome == ScannedCommandLine::Outcome::Scanned && !line.operands.empty())
    line.mistake = "unexpected argument " + line.operands.front();
  else if (line.outcome == ScannedCommandLine::Outcome::Scanned && configFile.empty())
    line.mistake = "no --config";
  if (const std::optional<int> end =
          EndAtHelpOrMistake("corvel-sim", kUsageText, line.outcome, line.mistake, kCannotStart))
    return *end;
  SimConfig config;
  std::string error;
  if (!ReadSimConfig(configFile, &config, &error)) return Fail(error);
  if (!logFile.empty() && !(options.requestLog = std::fopen(logFile.c_str(), "a")))
    return Fail("cannot write " + logFile);
  return RunSimServer(config, options);
}
