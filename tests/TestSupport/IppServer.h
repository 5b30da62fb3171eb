#pragma once
// An IPP printer for integration tests: ippeveprinter on a free loopback port, answering with
// the attributes and the strings file the test gives, beside a private system D-Bus (which
// ippeveprinter needs) in a temporary folder. Both are stopped by process id when the object
// goes, the printer first.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport/Loopback.h"
#include "TestSupport/Programs.h"
#include "TestSupport/TemporaryFiles.h"

namespace corveltest {

class IppServer {
 public:
  // attributes: ipptool "ATTR" lines (they replace ippeveprinter's own defaults); strings: the
  // English strings file ("key" = "value"; lines) served as printer-strings-uri.
  IppServer(const std::string& attributes, const std::string& strings) : mRoot(mFolder.path()) {
    std::filesystem::create_directories(mRoot / "ssl");
    std::filesystem::create_directories(mRoot / "spool");
    std::ofstream(mRoot / "attrs.conf") << attributes;
    std::ofstream(mRoot / "en.strings") << strings;
    if (!StartBus()) return;
    mPort = FreeLoopbackPort();
    if (mPort == 0) return;
    mPrinterPid = Spawn(
        {"ippeveprinter", "-r", "off", "-n", "localhost", "-p", std::to_string(mPort), "-K",
         (mRoot / "ssl").string(), "-d", (mRoot / "spool").string(), "-S",
         (mRoot / "en.strings").string(), "-a", (mRoot / "attrs.conf").string(), "Corvel Test"},
        "printer.log");
    mRunning = WaitFor([&] { return LoopbackConnects(mPort); });
  }
  ~IppServer() {
    Stop(mPrinterPid);
    Stop(mBusPid);
  }
  IppServer(const IppServer&) = delete;
  IppServer& operator=(const IppServer&) = delete;

  bool Running() const { return mRunning; }
  int Port() const { return mPort; }
  // "127.0.0.1:port", the way a user writes a server address.
  std::string Address() const { return "127.0.0.1:" + std::to_string(mPort); }

 private:
  bool StartBus() {
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
    mBusAddress = "DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + socketPath.string();
    mBusPid = Spawn({"dbus-daemon", "--config-file=" + (mRoot / "bus.conf").string(), "--nofork",
                     "--nopidfile"},
                    "bus.log");
    return WaitFor([&] { return std::filesystem::exists(socketPath); });
  }

  // Starts a program with the private bus in its environment and its output in a log file.
  pid_t Spawn(const std::vector<std::string>& argv, const std::string& log) {
    std::vector<std::string> environment = {mBusAddress, "PATH=/usr/sbin:/usr/bin:/sbin:/bin"};
    std::vector<char*> envp = ArgumentVector(environment);
    std::vector<char*> args = ArgumentVector(argv);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string logPath = (mRoot / log).string();
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const std::string program = ProgramPath(argv[0]);
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), envp.data()) != 0)
      pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  static std::string ProgramPath(const std::string& name) {
    for (const char* folder : {"/usr/sbin", "/usr/bin", "/sbin", "/bin"}) {
      const std::filesystem::path path = std::filesystem::path(folder) / name;
      if (std::filesystem::exists(path)) return path.string();
    }
    return name;
  }

  template <class Ready>
  static bool WaitFor(Ready ready) {
    for (int i = 0; i < 500; ++i) {
      if (ready()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  static void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
  }

  TemporaryFolder mFolder;
  std::filesystem::path mRoot;
  std::string mBusAddress;
  pid_t mBusPid = 0;
  pid_t mPrinterPid = 0;
  int mPort = 0;
  bool mRunning = false;
};

}  // namespace corveltest
