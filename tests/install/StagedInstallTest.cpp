// The install as a user gets it: this build installed with DESTDIR into a staging folder, under a
// prefix that is not the configured one, and run from there. Every program and library must find
// the project's libraries in the staging folder, never in the build tree, and the installed
// corvel-print, filter, corvel-sim and ppdx-dump must do their work against a private cupsd; the
// agent's autostart entry must start the installed agent.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/ScopedEnvironment.h"
#include "TestSupport/SecureAccessServer.h"

namespace {

namespace fs = std::filesystem;
using corveltest::ProgramRun;
using corveltest::RunCapturing;

// Not the configured prefix: what is installed must follow the prefix of the install itself.
const fs::path kPrefix = "/opt/corvel-staged";

const char* const kDocument =
    "%!PS-Adobe-3.0\n%%Title: sample\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
    "/Helvetica findfont 20 scalefont setfont 72 720 moveto (Corvel) show showpage\n%%EOF\n";

bool IsElfFile(const fs::path& file) {
  char magic[4] = {};
  std::ifstream(file, std::ios::binary).read(magic, sizeof magic);
  return std::string(magic, sizeof magic) ==
         "\x7f"
         "ELF";
}

class StagedInstall : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sStage = new TemporaryFolder;
    // The daemon's user runs the installed filter from the staging folder.
    fs::permissions(sStage->path(), fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
    sInstall = RunCapturing({"env", "DESTDIR=" + sStage->path().string(), CORVEL_CMAKE_PROGRAM,
                             "--install", CORVEL_BINARY_DIR, "--prefix", kPrefix.string()});
    sCupsd =
        new corveltest::PrivateCupsd(Staged(CORVEL_CUPS_SERVERBIN) / "filter/corvel-jobcomments");
    sQueuesReady =
        sInstall.exitStatus == 0 && sCupsd->Running() &&
        sCupsd->AddQueue("Corvel", Installed("share/ppd/corvel/crvmtqix.ppd"), "Corvel MTQ-ix") &&
        sCupsd->AddQueue("CorvelSA", Installed("share/ppd/corvel/crvmtqsa.ppd"),
                         "Corvel MTQ-ix SA");
  }
  static void TearDownTestSuite() {
    delete sCupsd;
    delete sStage;
  }
  void SetUp() override {
    ASSERT_EQ(sInstall.exitStatus, 0) << sInstall.output << sInstall.messages;
    ASSERT_TRUE(sQueuesReady) << "see " << sCupsd->Root() / "log/error_log";
    std::ofstream(Document()) << kDocument;
  }

  // A path of the machine, in the staging folder.
  static fs::path Staged(const fs::path& path) { return sStage->path() / path.relative_path(); }
  // A path under the install's prefix, in the staging folder.
  static fs::path Installed(const fs::path& relative) { return Staged(kPrefix / relative); }

  fs::path Document() const { return mDocuments.path() / "sample.ps"; }

  ProgramRun Print(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), Installed("bin/corvel-print").string());
    arguments.push_back(Document().string());
    return RunCapturing(arguments);
  }

  static inline TemporaryFolder* sStage = nullptr;
  static inline ProgramRun sInstall;
  static inline corveltest::PrivateCupsd* sCupsd = nullptr;
  static inline bool sQueuesReady = false;
  ScopedEnvironment mNoLibraryPath{"LD_LIBRARY_PATH", std::nullopt};
  TemporaryHome mHome;
  TemporaryFolder mDocuments;
};

TEST_F(StagedInstall, EveryProgramAndLibraryFindsTheProjectsLibrariesInTheStagingFolder) {
  std::vector<fs::path> expected = {
      "bin/corvel-print",
      "bin/corvel-agent",
      "bin/corvel-sim",
      "bin/ppdx-dump",
      "lib/corvel/corvel-jobcomments",
      "lib/corvel/Corvel.plugin/Contents/Linux/CorvelOptions.so",
  };
  for (const char* layer : {"support", "platform", "printsys", "ppdx", "ui", "q10", "serverclient"})
    expected.push_back(std::string("lib/corvel/libcorvel_") + layer + ".so");
  if (CORVEL_VIEW_MODULE_BUILT) expected.push_back("lib/corvel/corvel-print-view.so");
  for (const fs::path& file : expected) EXPECT_TRUE(IsElfFile(Installed(file))) << file;

  const fs::path libraries = Installed("lib/corvel");
  const std::regex resolved(R"(^\s*(\S+) => (.*) \(0x)");
  int checked = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sStage->path())) {
    if (entry.is_symlink() || !entry.is_regular_file() || !IsElfFile(entry.path())) continue;
    ++checked;
    const ProgramRun ldd = RunCapturing({"ldd", entry.path().string()});
    SCOPED_TRACE(entry.path().string() + ":\n" + ldd.output);
    EXPECT_EQ(ldd.exitStatus, 0) << ldd.messages;
    EXPECT_EQ(ldd.output.find("not found"), std::string::npos);
    std::istringstream lines(ldd.output);
    for (std::string line; std::getline(lines, line);) {
      std::smatch match;
      if (!std::regex_search(line, match, resolved)) continue;
      const std::string library = match[1], path = match[2];
      EXPECT_EQ(path.find(CORVEL_BINARY_DIR), std::string::npos) << library;
      if (library.starts_with("libcorvel_")) {
        EXPECT_EQ(fs::weakly_canonical(path).parent_path(), libraries) << library;
      }
    }
  }
  EXPECT_GE(checked, static_cast<int>(expected.size()));
}

// The installed program's dialog (the installed bundle's panes) fills the comments; the installed
// filter passes them on.
TEST_F(StagedInstall, AJobOfTheInstalledProgramPassesTheInstalledFilter) {
  const ProgramRun run = Print({"-P", "Corvel", "--type", "info/10=Ann"});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(run.output, match, std::regex("job (\\d+) sent to Corvel")))
      << run.output;
  ASSERT_TRUE(corveltest::PrivateCupsd::WaitForJob("Corvel", std::stoi(match[1])))
      << "see " << sCupsd->Root() / "log/error_log";
  EXPECT_NE(sCupsd->QueueOutput("Corvel").find("%%CORVEL: DocOwner Ann\n"), std::string::npos)
      << "see " << sCupsd->Root() / "log/error_log";
}

TEST_F(StagedInstall, TheInstalledSecureAccessPeerAnswersTheInstalledDialog) {
  corveltest::SecureAccessServer server(
      "secure-access on\nrequire-user-id on\nrequire-password on\nuser jdoe pw -\n", "", 0,
      Installed("bin/corvel-sim").string());
  ScopedEnvironment port("CORVEL_SECURE_ACCESS_PORT", std::to_string(server.Port()));
  const ProgramRun run = Print({"-P", "CorvelSA", "--type", "info/10=jdoe", "--answer",
                                "Two Way Communcations=ok:paed/0=127.0.0.1", "--answer",
                                "SecureAccessWindow=saOK:SecA/11=pw", "--dry-run"});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  EXPECT_EQ(server.Requests(), "100\n101 jdoe\\tpw\\t\\r\n");
}

// The desktop session starts the installed agent: the entry names it under the install's prefix.
TEST_F(StagedInstall, TheAutostartEntryStartsTheInstalledAgent) {
  const std::string entry =
      corveltest::FileContents(Staged("/etc/xdg/autostart/corvel-agent.desktop"));
  EXPECT_NE(entry.find("\nExec=" + (kPrefix / "bin/corvel-agent").string() + "\n"),
            std::string::npos)
      << entry;
  const ProgramRun run = RunCapturing({Installed("bin/corvel-agent").string(), "--help"});
  EXPECT_EQ(run.exitStatus, 0) << run.messages;
  EXPECT_NE(run.output.find("usage: corvel-agent"), std::string::npos) << run.output;
}

TEST_F(StagedInstall, TheInstalledPPDToolDescribesAnInstalledPrinterDescription) {
  const ProgramRun run = RunCapturing(
      {Installed("bin/ppdx-dump").string(), Installed("share/ppd/corvel/crvmtqix.ppd").string()});
  ASSERT_EQ(run.exitStatus, 0) << run.messages;
  EXPECT_NE(run.output.find("\"valid\": true"), std::string::npos) << run.output.substr(0, 400);
}

}  // namespace
