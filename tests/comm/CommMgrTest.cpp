#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <thread>

#include "TestSupport/Loopback.h"
#include "comm/CBSDSock.h"
#include "comm/CCommMgr.h"

namespace {

TEST(CommMgrTest, AnEleventhEndpointIsTheLastAndNoneAfterDestroyAll) {
  CCommMgr manager;
  EXPECT_EQ(manager.Create(2), nullptr);
  for (int i = 1; i <= 11; ++i) EXPECT_NE(manager.Create(CCommMgr::kTCPBSDSocket), nullptr) << i;
  EXPECT_EQ(manager.Create(CCommMgr::kTCPBSDSocket), nullptr);
  manager.DestroyAll(false);
  EXPECT_EQ(manager.Count(), 0);
  EXPECT_EQ(manager.Create(CCommMgr::kTCPBSDSocket), nullptr);
}

TEST(CommMgrTest, BadConfigurationIsRefusedAndKeepsTheOldAddress) {
  CCommMgr manager;
  auto* endpoint = static_cast<CBSDSock*>(manager.Create(CCommMgr::kTCPBSDSocket));
  char address[] = "127.0.0.1";
  ASSERT_EQ(endpoint->ConfigureTCP(address, 8163), noErr);
  EXPECT_EQ(endpoint->ConfigureTCP(nullptr, 1), paramErr);
  EXPECT_EQ(endpoint->ConfigureTCP(address, 0), paramErr);
  EXPECT_EQ(endpoint->ConfigureTCP(short(0)), paramErr);
  EXPECT_EQ(endpoint->GetIPAddress(), inet_addr("127.0.0.1"));
  EXPECT_EQ(endpoint->GetIPPort(), 8163);
}

TEST(CommMgrTest, ReadAfterThePeerClosedFailsWithNothingReceived) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = corveltest::LoopbackAddress(0);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 1), 0);
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  std::thread server([listener] { close(accept(listener, nullptr, nullptr)); });
  CCommMgr manager;
  auto* endpoint = static_cast<CBSDSock*>(manager.Create(CCommMgr::kTCPBSDSocket));
  char loopback[] = "127.0.0.1";
  endpoint->ConfigureTCP(loopback, short(ntohs(address.sin_port)));
  ASSERT_EQ(endpoint->Open(), noErr);
  server.join();
  char buffer[4];
  long got = -1;
  EXPECT_EQ(endpoint->Read(buffer, sizeof buffer, &got), kCommFailedErr);
  EXPECT_EQ(got, 0);
  endpoint->Close();
  endpoint->Close();  // twice is harmless
  EXPECT_EQ(endpoint->Read(buffer, sizeof buffer, &got), kCommFailedErr);
  close(listener);
}

}  // namespace
