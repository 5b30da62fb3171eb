// corvel-sim: the Corvel server's Secure Access service, for tests and the demo.
//   corvel-sim --config FILE [--address A] [--port N] [--misbehave MODE] [--log FILE]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "SimServer.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "corvel-sim: %s\nusage: corvel-sim --config FILE [--address A] [--port N] "
               "[--misbehave close|short|stall|garbage|split|drip] [--log FILE]\n",
               problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  std::string configFile, logFile;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) return Usage(("no value for " + option).c_str());
    const std::string value = argv[++i];
    if (option == "--config") {
      configFile = value;
    } else if (option == "--address") {
      options.address = value;
    } else if (option == "--port") {
      char* end = nullptr;
      options.port = int(std::strtol(value.c_str(), &end, 10));
      if (*end || options.port < 0 || options.port > 65535) return Usage("bad port");
    } else if (option == "--misbehave") {
      if (!ParseMisbehaviour(value, &options.misbehaviour)) return Usage("unknown misbehaviour");
    } else if (option == "--log") {
      logFile = value;
    } else {
      return Usage(("unknown option " + option).c_str());
    }
  }
  if (configFile.empty()) return Usage("no --config");
  SimConfig config;
  std::string error;
  if (!ReadSimConfig(configFile, &config, &error)) return Usage(error.c_str());
  if (!logFile.empty() && !(options.requestLog = std::fopen(logFile.c_str(), "a")))
    return Usage(("cannot write " + logFile).c_str());
  return RunSimServer(config, options);
}
