#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "comm/CCorvelCon.h"
#include "platform/FourCC.h"
#include "TestSupport/CapturedLog.h"

namespace {

constexpr long kSCAC = FourCC("SCAC");

// An endpoint that keeps what is written and hands out scripted receives, one chunk per Read.
class ScriptedComm : public CComm {
 public:
  CComm* Clone() override { return new ScriptedComm; }
  OSStatus Open() override { return noErr; }
  void Close() override {}
  OSStatus Read(char* buffer, long size, long* got) override {
    *got = 0;
    if (chunks.empty()) return kCommFailedErr;  // the peer closed
    std::string& chunk = chunks.front();
    *got = std::min<long>(size, long(chunk.size()));
    chunk.copy(buffer, size_t(*got));
    chunk.erase(0, size_t(*got));
    if (chunk.empty()) chunks.pop_front();
    return noErr;
  }
  OSStatus Write(char* buffer, long size) override {
    written.append(buffer, size_t(size));
    return noErr;
  }
  std::string written;
  std::deque<std::string> chunks;
};

std::string Header(const char* id, uint32_t length) {
  return std::string(id, 4) + char(length >> 24) + char(length >> 16) + char(length >> 8) +
         char(length);
}

TEST(FramingTest, MessagesGoOutByteForByte) {
  ScriptedComm comm;
  CCorvelCon con(&comm);
  EXPECT_EQ(con.WriteMsg(kSCAC), noErr);
  EXPECT_EQ(comm.written, Header("SCAC", 0));  // an empty message is the header alone
  comm.written.clear();
  con.WriteFld("100", 3);
  EXPECT_EQ(con.GetOutIdx(), 13);
  EXPECT_EQ(con.WriteMsg(kSCAC), noErr);
  EXPECT_EQ(comm.written, Header("SCAC", 5) + std::string("\0\3"
                                                          "100",
                                                          5));
  comm.written.clear();
  con.WriteFld((unsigned short)0x1234);
  con.WriteFld((unsigned long)0x01020304);
  con.WriteMsg(kSCAC);
  EXPECT_EQ(comm.written, Header("SCAC", 10) + std::string("\0\2\x12\x34\0\4\1\2\3\4", 10));
}

TEST(FramingTest, FieldsThatDoNotFitAreDropped) {
  ScriptedComm comm;
  CCorvelCon con(&comm);
  const std::string largest(8182, 'x');
  for (short length : {short(8183), short(-1)}) {
    con.WriteFld(largest.c_str(), length);
    EXPECT_EQ(con.GetOutIdx(), 8) << length;
  }
  con.WriteFld(largest.c_str(), 8182);
  EXPECT_EQ(con.GetOutIdx(), 8192);
  con.WriteFld("1", 1);  // full
  con.WriteMsg(kSCAC);
  EXPECT_EQ(comm.written.size(), 8192u);
  EXPECT_EQ(con.GetOutIdx(), 8);  // the next message starts empty
  CCorvelCon unbound;
  EXPECT_EQ(unbound.WriteMsg(kSCAC), paramErr);
}

TEST(FramingTest, ReadMsgWaitsForTheWholeMessageHoweverItArrives) {
  const std::string message = Header("SCAC", 7) + std::string("\0\5hello", 7);
  const struct {
    const char* name;
    std::deque<std::string> chunks;
    OSStatus status;
    long id;
  } kCases[] = {
      {"one piece", {message}, noErr, kSCAC},
      {"header in two", {message.substr(0, 3), message.substr(3)}, noErr, kSCAC},
      {"byte by byte", {}, noErr, kSCAC},
      {"nothing", {}, noErr, 0},
      {"cut in the body", {message.substr(0, 11)}, kCommFailedErr, kSCAC},
      {"cut in the header", {message.substr(0, 5)}, kCommFailedErr, 0},
      {"payload beyond the buffer", {Header("SCAC", 8185)}, readErr, 0},
      {"payload length all ones", {Header("SCAC", 0xffffffff)}, readErr, 0},
  };
  for (const auto& c : kCases) {
    ScriptedComm comm;
    comm.chunks = c.chunks;
    if (std::string(c.name) == "byte by byte")
      for (char byte : message) comm.chunks.emplace_back(1, byte);
    CCorvelCon con(&comm);
    long id = -1;
    EXPECT_EQ(con.ReadMsg(&id), c.status) << c.name;
    EXPECT_EQ(id, c.id) << c.name;
    if (c.status != noErr || c.id == 0) continue;
    char field[8] = {};
    con.ReadFld(field, 8);
    EXPECT_STREQ(field, "hello") << c.name;
  }
}

TEST(FramingTest, ReadFldTruncatesLogsAndSkipsBadLengthsAreRefused) {
  CapturedLog log;
  ScriptedComm comm;
  const std::string fields = std::string("\0\5abcde\0\2xy", 11) + "\xff\xf0zz" + "\x7f\xff";
  comm.chunks = {Header("SCAC", uint32_t(fields.size())) + fields};
  CCorvelCon con(&comm);
  long id = 0;
  ASSERT_EQ(con.ReadMsg(&id), noErr);
  char two[3] = {};
  con.ReadFld(two, 2);
  EXPECT_STREQ(two, "ab");
  EXPECT_NE(log.text.find("CCorvelCon::ReadFld, field length mismatch."), std::string::npos);
  EXPECT_EQ(con.GetInIdx(), 8 + 7);  // the whole field is consumed
  unsigned short xy = 0;
  con.ReadFld(&xy);
  EXPECT_EQ(xy, ('x' << 8) | 'y');
  const long negative = con.GetInIdx();
  char out[4] = {};
  con.ReadFld(out, 4);  // length -16: refused, the position stays
  EXPECT_EQ(con.GetInIdx(), negative);
  EXPECT_EQ(con.ReadFld(), nullptr);
  EXPECT_EQ(con.GetInIdx(), negative);
}

TEST(FramingTest, AFieldRunningPastTheInputBufferIsLeftUnread) {
  ScriptedComm comm;
  std::string body(8182, 'x');
  body.replace(8178, 2, "\x7f\xff");  // the last two bytes claim a 32767-byte field
  comm.chunks = {Header("SCAC", 8184) + std::string("\x1f\xf2", 2) + body};
  CCorvelCon con(&comm);
  long id = 0;
  ASSERT_EQ(con.ReadMsg(&id), noErr);
  EXPECT_NE(con.ReadFld(), nullptr);  // the 8178-byte field
  EXPECT_EQ(con.ReadFldLen(), 32767);
  EXPECT_EQ(con.ReadFld(), nullptr);
  long got = -1;
  char rest[8] = {};
  EXPECT_EQ(con.ReadRawMsg(rest, sizeof rest, &got), noErr);
  EXPECT_EQ(got, 4);
}

}  // namespace
