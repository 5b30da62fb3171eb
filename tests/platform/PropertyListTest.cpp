#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "platform/PlatformTestSupport.h"

namespace fs = std::filesystem;

namespace {

PlistValue SampleOfEveryKind() {
  PlistValue root;
  root.Set("flag", true);
  root.Set("negative", -42);
  root.Set("large", int64_t(1) << 40);
  root.Set("real", 2.5);
  root.Set("text", "Größe <&> \"quoted\"");
  root.Set("empty", "");
  root.Set("bytes", PlistValue::Data{0, 1, 254, 255});
  root.Set("date", PlistValue::Date{86400.0});
  PlistValue inner;
  inner.Set("list", StringArray({"a", "b"}));
  root.Set("inner", inner);
  return root;
}

}  // namespace

TEST(PropertyList, EveryKindSurvivesTheXMLForm) {
  PlistValue original = SampleOfEveryKind();
  auto parsed = PropertyListFromData(PropertyListToXML(original));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, original);
  EXPECT_EQ(*parsed->Find("inner")->Find("list")->GetArray()->at(1).GetString(), "b");
  EXPECT_EQ(parsed->Find("negative")->GetInteger(), -42);
}

// A folder in place of the file made the reader throw out of the platform layer.
TEST(PropertyList, ReadingReportsWhyAFileGaveNoList) {
  TemporaryFolder folder;
  fs::create_directory(folder.path() / "folder.plist");
  std::ofstream(folder.path() / "junk.plist") << "this is not a property list";
  const struct {
    const char* name;
    OSStatus expected;
  } cases[] = {
      {"absent.plist", fnfErr}, {"folder.plist", ioErr}, {"junk.plist", kPropertyListMalformedErr}};
  for (const auto& c : cases) {
    PlistValue value;
    EXPECT_EQ(ReadPropertyListFile(folder.path() / c.name, value), c.expected) << c.name;
  }
  EXPECT_FALSE(PropertyListFromData(""));
}

TEST(PropertyList, NulBytesAndTheBinaryFormAreRefusedNotRead) {
  using namespace std::string_literals;
  EXPECT_FALSE(PropertyListFromData("<plist version=\"1.0\"><string>a\0b</string></plist>"s));
  EXPECT_FALSE(
      PropertyListFromData("<plist version=\"1.0\"><dict><key>a\0b</key><true/></dict></plist>"s));
  // A binary list whose one dictionary key is the UTF-16 string "a", U+0000.
  const std::string binary =
      "bplist00\xD1\x01\x02\x62\x00\x61\x00\x00\x09\x08\x0B\x10\x00\x00\x00\x00\x00\x00\x01\x01"
      "\x00\x00\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x11"s;
  EXPECT_FALSE(PropertyListFromData(binary));
  auto good = PropertyListFromData(
      "<plist version=\"1.0\"><dict><key>ab</key><string>xy</string></dict></plist>");
  ASSERT_TRUE(good);
  EXPECT_EQ(*good->Find("ab")->GetString(), "xy");
}

TEST(PropertyList, DeepNestingIsRefusedNotFollowed) {
  std::string xml = "<plist version=\"1.0\">";
  for (int i = 0; i < 2000; ++i) xml += "<array>";
  for (int i = 0; i < 2000; ++i) xml += "</array>";
  xml += "</plist>";
  EXPECT_FALSE(PropertyListFromData(xml));
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile) {
  TemporaryFolder folder;
  fs::path file = folder.path() / "sub" / "settings.plist";
  WritePlist(file, SampleOfEveryKind());
  PlistValue second;
  second.Set("only", 1);
  ASSERT_EQ(WritePropertyListFile(file, second), noErr);
  PlistValue read;
  ASSERT_EQ(ReadPropertyListFile(file, read), noErr);
  EXPECT_EQ(read, second);
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
  EXPECT_EQ(WriteFileAtomically("", "x"), paramErr) << "a path without file name";
}

// A file-size limit makes the write of the new contents fail half-way, as a full disk would.
TEST(AtomicWrite, AFailedWriteLeavesTheOldFile) {
  TemporaryFolder folder;
  fs::path file = folder.path() / "settings.plist";
  WritePlist(file, SampleOfEveryKind());
  std::string before;
  ASSERT_EQ(ReadFileContents(file, before), noErr);

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(WriteFileAtomically(file, std::string(100000, 'x')) == ioErr ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have reported ioErr";

  std::string after;
  ASSERT_EQ(ReadFileContents(file, after), noErr);
  EXPECT_EQ(after, before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}
