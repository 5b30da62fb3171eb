#pragma once
// DNS-SD on loopback for integration tests: an avahi-daemon limited to the loopback interface
// (never the machine's outer one) on a private system D-Bus, and services published through it
// with avahi-publish. A daemon of another test run waits until that one has gone (up to a
// minute). Where the daemon cannot start (no multicast on loopback, say), Running() is false and
// Problem() says why. Installed() tells a machine without avahi
// (a test may skip there) from one where the daemon is installed but failed (a test fails there).
// Everything is stopped by process id when the object goes, the publishers first.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport/PrivateBus.h"
#include "TestSupport/TemporaryFiles.h"

namespace corveltest {

class PrivateAvahi {
 public:
  PrivateAvahi() : mRoot(mFolder.path()) {
    mBus.emplace(mRoot);
    if (!mBus->Running()) {
      mProblem = "the private D-Bus did not start";
      return;
    }
    std::ofstream(mRoot / "avahi-lo.conf")
        << "[server]\nuse-ipv4=yes\nuse-ipv6=no\nallow-interfaces=lo\nenable-dbus=yes\n"
           "ratelimit-interval-usec=1000000\nratelimit-burst=1000\n\n"
           "[wide-area]\nenable-wide-area=no\n\n"
           "[publish]\npublish-hinfo=no\npublish-workstation=no\npublish-addresses=yes\n"
           "publish-domain=no\n";
    // avahi-daemon keeps one pid file per machine: while the daemon of another test run lives
    // (seconds), this one refuses to start, so it waits its turn.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (int attempt = 0; !(mRunning = StartDaemon(attempt)); ++attempt) {
      if (Log().find(kAlreadyRunning) == std::string::npos ||
          std::chrono::steady_clock::now() >= giveUp)
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    if (!mRunning) mProblem = "avahi-daemon did not start on loopback: " + Log();
  }
  ~PrivateAvahi() {
    for (pid_t pid : mPublishers) StopProgram(pid);
    StopProgram(mDaemonPid);
  }
  PrivateAvahi(const PrivateAvahi&) = delete;
  PrivateAvahi& operator=(const PrivateAvahi&) = delete;

  bool Running() const { return mRunning; }
  const std::string& Problem() const { return mProblem; }
  static bool Installed() {
    return PrivateBus::SystemProgramPath("avahi-daemon") != "avahi-daemon" &&
           PrivateBus::SystemProgramPath("dbus-daemon") != "dbus-daemon";
  }
  const std::string& BusAddress() const { return mBus->Address(); }

  // Publishes the service `name` of `type` on `port`, on this host or on `host` (a name nothing
  // answers for makes a service that never resolves); true once the daemon established it.
  bool Publish(const std::string& name, const std::string& type, int port,
               const std::string& host = "") {
    const std::string log = "publish-" + std::to_string(mPublishers.size()) + ".log";
    std::vector<std::string> argv = {"avahi-publish", "-s", name, type, std::to_string(port)};
    if (!host.empty()) argv.insert(argv.begin() + 2, {"-H", host});
    mPublishers.push_back(mBus->Spawn(argv, log));
    return WaitUntil(
        [&] { return FileContents(mRoot / log).find("Established") != std::string::npos; });
  }

 private:
  static constexpr const char* kAlreadyRunning = "Daemon already running";

  // Starts the daemon; true once it is up, false as soon as it has refused to start.
  bool StartDaemon(int attempt) {
    mLog = "avahi-" + std::to_string(attempt) + ".log";
    mDaemonPid = mBus->Spawn({"avahi-daemon", "-f", (mRoot / "avahi-lo.conf").string(),
                              "--no-rlimits", "--no-drop-root", "--no-chroot"},
                             mLog);
    if (mDaemonPid <= 0) return false;
    const auto said = [&](const char* text) { return Log().find(text) != std::string::npos; };
    WaitUntil([&] { return said("startup complete") || said(kAlreadyRunning); });
    if (said("startup complete")) return true;
    StopProgram(mDaemonPid);
    mDaemonPid = 0;
    return false;
  }
  std::string Log() const { return FileContents(mRoot / mLog); }

  TemporaryFolder mFolder;
  std::filesystem::path mRoot;
  std::optional<PrivateBus> mBus;
  pid_t mDaemonPid = 0;
  std::vector<pid_t> mPublishers;
  std::string mLog = "avahi.log";
  bool mRunning = false;
  std::string mProblem;
};

}  // namespace corveltest
