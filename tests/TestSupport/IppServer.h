#pragma once
// An IPP printer for integration tests: ippeveprinter on a free loopback port, answering with
// the attributes and the strings file the test gives, beside a private system D-Bus (which
// ippeveprinter needs) in a temporary folder. Both are stopped by process id when the object
// goes, the printer first.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "TestSupport/Loopback.h"
#include "TestSupport/PrivateBus.h"
#include "TestSupport/TemporaryFiles.h"

namespace corveltest {

// The sample printer: a Corvel server with Finisher6 installed, three trays and a few standard
// attributes (ippeveprinter's own defaults are replaced by the file).
inline constexpr const char* kSamplePrinterAttributes = R"(ATTR text KTFinisher "Finisher6"
ATTR integer vidInputNumOfTrays 3
ATTR text printer-make-and-model "Corvel MTQ-ix"
ATTR keyword media-default iso_a4_210x297mm
ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in
)";

class IppServer {
 public:
  // attributes: ipptool "ATTR" lines (they replace ippeveprinter's own defaults); strings: the
  // English strings file ("key" = "value"; lines) served as printer-strings-uri.
  IppServer(const std::string& attributes, const std::string& strings) : mRoot(mFolder.path()) {
    std::filesystem::create_directories(mRoot / "ssl");
    std::filesystem::create_directories(mRoot / "spool");
    std::ofstream(mRoot / "attrs.conf") << attributes;
    std::ofstream(mRoot / "en.strings") << strings;
    mBus.emplace(mRoot);
    if (!mBus->Running()) return;
    mPort = FreeLoopbackPort();
    if (mPort == 0) return;
    mPrinterPid = mBus->Spawn(
        {"ippeveprinter", "-r", "off", "-n", "localhost", "-p", std::to_string(mPort), "-K",
         (mRoot / "ssl").string(), "-d", (mRoot / "spool").string(), "-S",
         (mRoot / "en.strings").string(), "-a", (mRoot / "attrs.conf").string(), "Corvel Test"},
        "printer.log");
    mRunning = WaitUntil([&] { return LoopbackConnects(mPort); });
  }
  ~IppServer() { StopProgram(mPrinterPid); }
  IppServer(const IppServer&) = delete;
  IppServer& operator=(const IppServer&) = delete;

  bool Running() const { return mRunning; }
  int Port() const { return mPort; }
  // "127.0.0.1:port", the way a user writes a server address.
  std::string Address() const { return "127.0.0.1:" + std::to_string(mPort); }

 private:
  TemporaryFolder mFolder;
  std::filesystem::path mRoot;
  std::optional<PrivateBus> mBus;
  pid_t mPrinterPid = 0;
  int mPort = 0;
  bool mRunning = false;
};

}  // namespace corveltest
