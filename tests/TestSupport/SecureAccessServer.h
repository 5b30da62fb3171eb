#pragma once
// corvel-sim for integration tests: the Secure Access service on a free loopback port (or on a
// given one), with the configuration the test writes and a log of the requests it received.
// Stopped by process id when the object goes.
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport/Loopback.h"
#include "TestSupport/Programs.h"
#include "TestSupport/TemporaryFiles.h"

namespace corveltest {

class SecureAccessServer {
 public:
  // `misbehaviour`: empty, or corvel-sim's --misbehave mode. `port` 0 takes a free port.
  // `program`: the corvel-sim to run (the build's unless another is given).
  explicit SecureAccessServer(const std::string& config, const std::string& misbehaviour = "",
                              int port = 0, const std::string& program = CORVEL_SIM_PROGRAM)
      : mPort(port ? port : FreeLoopbackPort()) {
    std::ofstream(mFolder.path() / "sim.conf") << config;
    std::vector<std::string> argv = {program,
                                     "--config",
                                     (mFolder.path() / "sim.conf").string(),
                                     "--port",
                                     std::to_string(mPort),
                                     "--log",
                                     LogPath()};
    if (!misbehaviour.empty()) argv.insert(argv.end(), {"--misbehave", misbehaviour});
    posix_spawn_file_actions_t quiet;  // its "listening on" line goes to a file
    posix_spawn_file_actions_init(&quiet);
    const std::string out = (mFolder.path() / "out.log").string();
    posix_spawn_file_actions_addopen(&quiet, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    mPid = SpawnProgram(argv, &quiet);
    posix_spawn_file_actions_destroy(&quiet);
    if (mPid) WaitUntil([this] { return LoopbackConnects(mPort); });
  }
  ~SecureAccessServer() { StopProgram(mPid); }
  SecureAccessServer(const SecureAccessServer&) = delete;
  SecureAccessServer& operator=(const SecureAccessServer&) = delete;

  int Port() const { return mPort; }
  // The requests received so far, one a line: 100, or 101 and the validation line with its
  // control bytes escaped: 101 jdoe\tpw\t1001\r
  std::string Requests() const { return FileContents(LogPath()); }

 private:
  std::string LogPath() const { return (mFolder.path() / "requests.log").string(); }

  TemporaryFolder mFolder;
  int mPort;
  pid_t mPid = 0;
};

}  // namespace corveltest
