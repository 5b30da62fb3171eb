#pragma once
// A private system D-Bus for integration tests, in a folder the test owns: the services that
// need a system bus (ippeveprinter, avahi-daemon) are started beside it with its address in their
// environment, and the machine's own bus and /run are left alone. Programs started through it
// are stopped, by process id, by whoever started them; the bus goes with the object.
#include <fcntl.h>
#include <spawn.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport/Programs.h"

namespace corveltest {

class PrivateBus {
 public:
  explicit PrivateBus(const std::filesystem::path& root) : mRoot(root) {
    const auto socketPath = mRoot / "bus.sock";
    std::ofstream(mRoot / "bus.conf")
        << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig><type>system</type><listen>unix:path="
        << socketPath.string()
        << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
           "<allow user=\"*\"/><allow own=\"*\"/><allow send_destination=\"*\"/>"
           "<allow receive_sender=\"*\"/><allow send_type=\"method_call\"/>"
           "<allow receive_type=\"method_return\"/><allow receive_type=\"signal\"/>"
           "<allow receive_type=\"error\"/></policy></busconfig>\n";
    mAddress = "unix:path=" + socketPath.string();
    mBusPid = Spawn({"dbus-daemon", "--config-file=" + (mRoot / "bus.conf").string(), "--nofork",
                     "--nopidfile"},
                    "bus.log");
    mRunning = mBusPid > 0 && WaitUntil([&] { return std::filesystem::exists(socketPath); });
  }
  ~PrivateBus() { StopProgram(mBusPid); }
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  bool Running() const { return mRunning; }
  // The bus address, as DBUS_SYSTEM_BUS_ADDRESS takes it.
  const std::string& Address() const { return mAddress; }

  // Starts a system program with the bus in its environment and its output in the log file
  // `log` under the root; its process id, or 0 when it could not start.
  pid_t Spawn(const std::vector<std::string>& argv, const std::string& log) const {
    std::vector<std::string> environment = {"DBUS_SYSTEM_BUS_ADDRESS=" + mAddress,
                                            "PATH=/usr/sbin:/usr/bin:/sbin:/bin"};
    std::vector<char*> envp = ArgumentVector(environment);
    std::vector<char*> args = ArgumentVector(argv);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string logPath = (mRoot / log).string();
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const std::string program = SystemProgramPath(argv[0]);
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), envp.data()) != 0)
      pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  static std::string SystemProgramPath(const std::string& name) {
    for (const char* folder : {"/usr/sbin", "/usr/bin", "/sbin", "/bin"}) {
      const std::filesystem::path path = std::filesystem::path(folder) / name;
      if (std::filesystem::exists(path)) return path.string();
    }
    return name;
  }

 private:
  std::filesystem::path mRoot;
  std::string mAddress;
  pid_t mBusPid = 0;
  bool mRunning = false;
};

}  // namespace corveltest
