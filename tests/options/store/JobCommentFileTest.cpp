// The job-comment lines, the file that carries them and the ticket entry that names it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "TestSupport/ToolkitTestSupport.h"
#include "options/store/JobCommentFile.h"
#include "options/OptionsTestSupport.h"
#include "platform/DateTime.h"
#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "platform/Random.h"

namespace {

namespace fs = std::filesystem;

std::string LineText(const PlistValue& line) {
  const PlistValue::Data* bytes = line.GetData();
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<not data>";
}

class JobComments : public ControllerTest {
 protected:
  ~JobComments() override {
    for (const fs::path& file : mCreated) fs::remove(file);
  }

  // Commits the Info pane; the file the ticket names, which the test removes at the end.
  fs::path Commit() {
    mController->GetCorvelOptionsFromUI(Info_CorvelOptions, nullptr);
    std::string path;
    EXPECT_EQ(PMTicketGetCFString(mTicket, kJobCommentTicketKey, &path), noErr);
    mCreated.push_back(path);
    return path;
  }

  std::vector<fs::path> mCreated;
};

TEST_F(JobComments, FiveUserLinesAndThePrintTimeLast) {
  SetPStringBytes("abcdefghijklmnopqrstuvwx", Data().owner);  // 24 characters
  SetPStringBytes("a1", Data().password);
  SetPStringBytes("it's a,b\nc\f", Data().comment);
  SetPStringBytes("42\n%%KTVPrintTime: 1", Data().acctNumber);  // each field stays one line
  PlistValue::Array lines = JobCommentLines(Data());
  ASSERT_EQ(lines.size(), 10u);
  for (size_t i = 0; i < lines.size(); i += 2) EXPECT_EQ(lines[i], PlistValue(30)) << i;
  EXPECT_EQ(LineText(lines[1]), "%%CORVEL: DocOwner abcdefghijklmnopqrstuvwx\n");
  EXPECT_EQ(LineText(lines[3]), "%%CORVEL: Password 7F72\n");
  EXPECT_EQ(LineText(lines[5]), "%%CORVEL: DocComment it<27>s a<2C>b<0A>c\n");
  EXPECT_EQ(LineText(lines[7]), "%%CORVEL: AccountNumber 42%%KTVPrintTime: 1\n");
  EXPECT_EQ(LineText(lines[9]), "%%CORVEL: SecurePassword \n");

  ScopedEnvironment zone("TZ", "UTC");
  tzset();
  Data().printTime = kSecondsFrom1904To1970 + 86400;
  lines = JobCommentLines(Data());
  tzset();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[10], PlistValue(81));
  EXPECT_EQ(LineText(lines[11]), "%%KTVPrintTime: 86400\n");
}

TEST_F(JobComments, ACommentOfEscapedCharactersIsWrittenWhole) {
  SetPStringBytes(std::string(254, ','), Data().comment);
  std::string expected = "%%CORVEL: DocComment ";
  for (int i = 0; i < 254; ++i) expected += "<2C>";
  EXPECT_EQ(LineText(JobCommentLines(Data())[5]), expected + "\n");
}

TEST_F(JobComments, PrintTimeIsLocalTimeLessTheZoneOffset) {
  const struct {
    const char* zone;
    int64_t offset;
  } zones[] = {{"UTC", 0}, {"Etc/GMT-2", 7200}, {"Etc/GMT+5", -18000}};
  for (const auto& z : zones) {
    ScopedEnvironment zone("TZ", z.zone);
    tzset();
    EXPECT_EQ(int64_t(PrintTimeSince1970GMT(kSecondsFrom1904To1970 + 1000000)), 1000000 - z.offset)
        << z.zone;
  }
  tzset();
}

TEST_F(JobComments, TheTicketNamesAnExclusiveFileOfTheLines) {
  SetPStringBytes("owner", Data().owner);
  const mode_t previousMask = umask(077);
  const fs::path file = Commit();
  umask(previousMask);
  ASSERT_EQ(file.string().rfind("/tmp/Zanth.temp", 0), 0u) << file;
  EXPECT_EQ(PMTicketGetClientOfKey(mTicket, kJobCommentTicketKey), "com.corvel.printingmanager");
  PlistValue written;
  ASSERT_EQ(ReadPropertyListFile(file, written), noErr);
  EXPECT_EQ(written, PlistValue(JobCommentLines(Data())));
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u) << "the umask does not narrow the mode";
}

TEST_F(JobComments, ATakenNameIsNeitherFollowedNorReplaced) {
  TemporaryFolder folder;
  const fs::path target = folder.path() / "target";
  std::ofstream(target) << "keep";
  for (bool asLink : {true, false}) {
    SetRandomSeed(1234);
    const fs::path taken = CCorvelOptions::CreateRandomFileName(kJobCommentFileBase, nullptr);
    fs::remove(taken);
    if (asLink)
      fs::create_symlink(target, taken);
    else
      fs::copy_file(target, taken);
    mCreated.push_back(taken);
    SetRandomSeed(1234);
    const fs::path file = Commit();
    EXPECT_NE(file, taken);
    std::string contents;
    ASSERT_EQ(ReadFileContents(taken, contents), noErr);
    EXPECT_EQ(contents, "keep") << asLink;
    EXPECT_EQ(fs::is_symlink(taken), asLink);
  }
}

// A job whose comments cannot be written must not print: the ticket names no file, the commit
// answers the status, a stop alert tells the user why, and no part of a file stays behind.
TEST_F(JobComments, AFailedWriteNamesNoFileAndTellsTheUserWhy) {
  constexpr uint32_t kSeed = 4321;
  SetRandomSeed(kSeed);
  std::vector<fs::path> tried;
  for (int i = 0; i < 32; ++i)
    tried.push_back(CCorvelOptions::CreateRandomFileName(kJobCommentFileBase, nullptr));
  const auto takeEveryName = [&] {
    for (const fs::path& name : tried) {
      fs::remove(name);
      fs::create_symlink("/dev/null", name);
      mCreated.push_back(name);
    }
  };
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const auto limitFileSize = [&] {
    const rlimit tiny{16, unlimited.rlim_max};  // the soft limit alone, so that it comes back
    setrlimit(RLIMIT_FSIZE, &tiny);
  };
  const struct {
    const char* name;
    std::function<void()> arrange;
    OSStatus status;
    std::string reason;
  } cases[] = {
      {"the disk refuses the bytes", limitFileSize, ioErr, "could not be written"},
      {"every name is taken", takeEveryName, dupFNErr, "already taken"},
  };
  std::string told;
  const ModalDriver previousDriver = SetModalDriver([&](WindowRef alert) {
    told = ControlText(FindControl(alert, "alrt", 2));
    UserTypeKey(alert, kReturnCharCode);
  });
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  for (const auto& c : cases) {
    Commit();  // an earlier commit's file, which the failed one must not leave named
    told.clear();
    SetRandomSeed(kSeed);
    c.arrange();
    const OSStatus status = mController->GetCorvelOptionsFromUI(Info_CorvelOptions, nullptr);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(status, c.status) << c.name;
    std::string named;
    EXPECT_EQ(PMTicketGetCFString(mTicket, kJobCommentTicketKey, &named), kPMKeyNotFound)
        << c.name << ": " << named;
    EXPECT_NE(told.find(c.reason), std::string::npos) << c.name << ": " << told;
    EXPECT_TRUE(fs::is_symlink(tried.front()) || !fs::exists(tried.front())) << c.name;
  }
  signal(SIGXFSZ, previousHandler);
  SetModalDriver(previousDriver);
}

}  // namespace
