// The per-user printer list and the bundle's list of supported printer descriptions.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "options/store/KTVQuillonPrinterPList.h"
#include "options/store/PrinterListFile.h"
#include "platform/FileIO.h"
#include "platform/PlatformTestSupport.h"

namespace {

namespace fs = std::filesystem;

class PrinterList : public ::testing::Test {
 protected:
  fs::path File() const { return mHome.path() / "Library/Preferences/KTV.QuillonPrinter.plist"; }

  TemporaryHome mHome;
};

TEST_F(PrinterList, NamesMatchWithoutCaseAndAddingReplaces) {
  WritePlist(File(), PlistValue::Array{"A", "10.0.0.5", true, "b", "server.local", false});
  KTVQuillonPrinterPList list;
  EXPECT_EQ(list.Find("B"), "server.local");
  EXPECT_FALSE(list.getIPEnabled("B"));
  EXPECT_FALSE(list.Find("C"));
  ASSERT_TRUE(list.Add("a", "10.0.0.9", true));
  list.setIPEnabled("b", true);
  ASSERT_TRUE(list.Save());

  const KTVQuillonPrinterPList reread;
  EXPECT_EQ(reread.mPrinterList.size(), 6u);
  EXPECT_EQ(reread.Find("A"), "10.0.0.9");
  EXPECT_TRUE(reread.getIPEnabled("b"));
}

TEST_F(PrinterList, AnUnreadableListIsEmptyAndKeptUntilAnAddressIsAdded) {
  const std::string notAList[] = {
      "not a property list",
      PropertyListToXML(PlistValue::Dictionary{}),
      PropertyListToXML(PlistValue::Array{"A", "10.0.0.5"}),
      PropertyListToXML(PlistValue::Array{"A", 5, true}),
  };
  for (const std::string& contents : notAList) {
    fs::create_directories(File().parent_path());
    ASSERT_EQ(WriteFileAtomically(File(), contents), noErr);
    KTVQuillonPrinterPList list;
    EXPECT_FALSE(list.Find("A")) << contents;
    EXPECT_FALSE(list.Save()) << contents;
    std::string kept;
    ReadFileContents(File(), kept);
    EXPECT_EQ(kept, contents);
    list.Add("A", "10.0.0.1", true);
    EXPECT_TRUE(list.Save());
    EXPECT_EQ(KTVQuillonPrinterPList().Find("a"), "10.0.0.1");
  }
}

// Dialogs of one user, each for its own queue, all read the list before any saves its address:
// every address is kept, and so is what the file held before.
TEST_F(PrinterList, DialogsSavingAtOnceKeepEveryAddress) {
  constexpr int kDialogs = 10;
  WritePlist(File(), PlistValue::Array{"Earlier", "10.0.0.1", true});
  int allRead[2], save[2];
  ASSERT_EQ(pipe(allRead), 0);
  ASSERT_EQ(pipe(save), 0);
  std::vector<pid_t> dialogs;
  for (int i = 0; i < kDialogs; ++i) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      KTVQuillonPrinterPList list;
      char byte = 0;
      const bool released = write(allRead[1], &byte, 1) == 1 && read(save[0], &byte, 1) == 1;
      list.Add("Queue" + std::to_string(i), "10.0.1." + std::to_string(i), true);
      _exit(released && list.Save() ? 0 : 1);
    }
    dialogs.push_back(pid);
  }
  char byte = 0;
  for (int i = 0; i < kDialogs; ++i) ASSERT_EQ(read(allRead[0], &byte, 1), 1);
  ASSERT_EQ(write(save[1], std::string(kDialogs, 's').data(), kDialogs), kDialogs);
  for (pid_t pid : dialogs) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const KTVQuillonPrinterPList saved;
  EXPECT_EQ(saved.Find("Earlier"), "10.0.0.1");
  for (int i = 0; i < kDialogs; ++i)
    EXPECT_EQ(saved.Find("Queue" + std::to_string(i)), "10.0.1." + std::to_string(i)) << i;
}

TEST(SupportedPrinters, TheBundleListNamesThePPDFiles) {
  const PrinterListFile bundled(CORVEL_SOURCE_DIR "/bundle/Contents");
  EXPECT_TRUE(bundled.IsValid());
  EXPECT_EQ(bundled.mPrinterList, (std::vector<std::string>{"CRVMTQIX.PPD", "CRVMTQSA.PPD"}));

  TemporaryFolder contents;
  WritePlist(contents.path() / "PrinterList.plist", PlistValue::Dictionary{{"OTHER", 1}});
  EXPECT_FALSE(PrinterListFile(contents.path()).IsValid());
  EXPECT_FALSE(PrinterListFile(contents.path() / "missing").IsValid());
}

}  // namespace
