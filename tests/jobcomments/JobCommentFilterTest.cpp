// The filter as the printing system runs it: alone over comment files it cannot use, and in a
// private cupsd where a Corvel queue's PostScript jobs pass through pstops and then through it.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>

#include <cups/cups.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/TemporaryFiles.h"

namespace {

namespace fs = std::filesystem;

const std::string kJob =
    "%!PS-Adobe-3.0\n%%Title: sample\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
    "/Helvetica findfont 12 scalefont setfont 72 72 moveto (Corvel) show\nshowpage\n%%EOF\n";
const std::string kOwnerLine = "%%CORVEL: DocOwner Ann\n";
const std::string kTimeLine = "%%KTVPrintTime: 1234567890\n";
// The two lines as the print dialog writes them: section 30, then section 81.
const std::string kCommentFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
    "<integer>30</integer><data>JSVDT1JWRUw6IERvY093bmVyIEFubgo=</data>\n"
    "<integer>81</integer><data>JSVLVFZQcmludFRpbWU6IDEyMzQ1Njc4OTAK</data>\n</array>\n</plist>\n";

using corveltest::FileContents;
using corveltest::ProgramRun;

// Another local user, who owns nothing of the test's.
constexpr uid_t kOtherUser = 65534;

// Runs the filter over `job` with the given option text, as the printing system calls it for a
// job of the test's own user.
ProgramRun RunFilter(const std::string& options, const std::string& job) {
  TemporaryFolder folder;
  const fs::path in = folder.path() / "job";
  std::ofstream(in, std::ios::binary) << job;
  return corveltest::RunCapturing({CORVEL_JOBCOMMENTS_FILTER, "7", getpwuid(getuid())->pw_name,
                                   "sample", "1", options, in.string()});
}

TEST(JobCommentFilter, PassesTheJobUnchangedWhenTheCommentsCannotBeUsed) {
  const std::string plistStart = "<?xml version=\"1.0\"?><plist version=\"1.0\">";
  const std::string nul = "<integer>30</integer><data>JSUAQQo=</data>";             // "%%\0A\n"
  const std::string twoLines = "<integer>30</integer><data>JSVBCiUlQgo=</data>";    // "%%A\n%%B\n"
  const std::string postScript = "<integer>30</integer><data>KFgpIHNob3cK</data>";  // "(X) show\n"
  // "%%CORVEL: DocOwner A\f(X) show\n": a form feed ends a PostScript comment.
  const std::string formFeed =
      "<integer>30</integer><data>JSVDT1JWRUw6IERvY093bmVyIEEMKFgpIHNob3cK</data>";
  enum class Made { AsWritten, OwnedByAnotherUser, AsLinkToIt };
  const struct {
    const char* name;
    std::string file;  // empty: no file at all
    Made made = Made::AsWritten;
  } cases[] = {
      {"missing file", ""},
      {"not a property list", "%%CORVEL: DocOwner Ann\n"},
      {"dictionary root", plistStart + "<dict/></plist>"},
      {"odd count", plistStart + "<array><integer>30</integer></array></plist>"},
      {"string for data",
       plistStart + "<array><integer>30</integer><string>%%A</string></array></plist>"},
      {"unknown section",
       plistStart + "<array><integer>12</integer><data>JSVBCg==</data></array></plist>"},
      {"NUL in a line", plistStart + "<array>" + nul + "</array></plist>"},
      {"line break inside a line", plistStart + "<array>" + twoLines + "</array></plist>"},
      {"PostScript line", plistStart + "<array>" + postScript + "</array></plist>"},
      {"form feed in a line", plistStart + "<array>" + formFeed + "</array></plist>"},
      {"larger than 64 KiB", plistStart + "<array>" + std::string(70000, ' ') + "</array></plist>"},
      {"another user's file", kCommentFile, Made::OwnedByAnotherUser},
      {"link to the user's file", kCommentFile, Made::AsLinkToIt},
  };
  TemporaryFolder folder;
  for (const auto& c : cases) {
    const fs::path file = folder.path() / c.name;
    const fs::path written = c.made == Made::AsLinkToIt ? fs::path(file) += ".target" : file;
    if (!c.file.empty()) std::ofstream(written, std::ios::binary) << c.file;
    if (c.made == Made::OwnedByAnotherUser) {
      ASSERT_EQ(chown(file.c_str(), kOtherUser, -1), 0);
    }
    if (c.made == Made::AsLinkToIt) fs::create_symlink(written, file);
    const ProgramRun run = RunFilter("KTV.PSData.Corvel=\"" + file.string() + "\"", kJob);
    EXPECT_EQ(run.exitStatus, 0) << c.name;
    EXPECT_EQ(run.output, kJob) << c.name;
    EXPECT_NE(run.messages.find("WARNING: "), std::string::npos) << c.name << ": " << run.messages;
  }
  const ProgramRun withoutOption = RunFilter("KTStapler=2Left", kJob);
  EXPECT_EQ(withoutOption.output, kJob);
  EXPECT_NE(withoutOption.messages.find("INFO: "), std::string::npos) << withoutOption.messages;
}

// A private cupsd with a queue of the bundled PPD printing into a file.
class CorvelQueue : public ::testing::Test {
 protected:
  // One cupsd for the suite: libcups keeps talking to the first server it reached.
  static void SetUpTestSuite() {
    sCupsd = new corveltest::PrivateCupsd;
    sQueueReady =
        sCupsd->Running() && sCupsd->AddQueue("Corvel", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd");
  }
  static void TearDownTestSuite() { delete sCupsd; }
  void SetUp() override { ASSERT_TRUE(sQueueReady) << "see " << sCupsd->Root() / "log/error_log"; }

  // Prints the sample job with the comment file named and a staple option; what the queue's
  // file received for it once the job completed (empty when it did not within half a minute).
  std::string Printed(const fs::path& commentFile) {
    const fs::path document = sCupsd->Root() / "sample.ps";
    std::ofstream(document, std::ios::binary) << kJob;
    cups_option_t* options = nullptr;
    int count = cupsAddOption("KTV.PSData.Corvel", commentFile.c_str(), 0, &options);
    count = cupsAddOption("KTStapler", "2Left", count, &options);
    const int job = cupsPrintFile("Corvel", document.c_str(), "sample", count, options);
    cupsFreeOptions(count, options);
    if (job == 0 || !sCupsd->WaitForJob("Corvel", job)) return "";
    const std::string all = sCupsd->QueueOutput("Corvel");
    return all.substr(std::min(all.rfind("%!PS-Adobe"), all.size()));
  }
  fs::path Root() const { return sCupsd->Root(); }

  static inline corveltest::PrivateCupsd* sCupsd = nullptr;
  static inline bool sQueueReady = false;
};

// Filters run as the daemon's user: the files sit where that user can read them. Besides a usable
// file, a missing one and one of another local user, which a job names to print with that user's
// owner, passwords and account: those jobs print without comments.
TEST_F(CorvelQueue, OnlyAUsableCommentFileGivesCommentLinesInTheHeaderNextToThePPDCode) {
  const fs::path usable = Root() / "Zanth.temp1", othersFile = Root() / "Zanth.temp3";
  std::ofstream(usable, std::ios::binary) << kCommentFile;
  std::ofstream(othersFile, std::ios::binary) << kCommentFile;
  ASSERT_EQ(chown(othersFile.c_str(), kOtherUser, -1), 0);
  for (const fs::path& file : {usable, Root() / "Zanth.temp2", othersFile}) {
    const std::string printed = Printed(file);
    ASSERT_FALSE(printed.empty()) << "see " << Root() / "log/error_log";
    EXPECT_NE(printed.find("%%BeginFeature: *KTStapler 2Left"), std::string::npos) << file;
    if (file != usable) {
      EXPECT_EQ(printed.find("%%CORVEL:"), std::string::npos) << file;
      continue;
    }
    const size_t comments = printed.find(kOwnerLine + kTimeLine);
    ASSERT_NE(comments, std::string::npos) << printed.substr(0, 400);
    EXPECT_GT(comments, printed.find('\n'));
    EXPECT_LT(comments, printed.find("%%EndComments"));
  }
}

}  // namespace
