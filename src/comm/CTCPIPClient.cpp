#include "comm/CTCPIPClient.h"

#include <cstring>

#include "platform/FourCC.h"

CTCPIPClient::CTCPIPClient(const char* address, short port)
    : mPortNumber(port),
      mCommMgr(std::make_unique<CCommMgr>()),
      mCorvelCon(std::make_unique<CCorvelCon>()) {
  SetIPAddress(address);
  MakeEndpoint();
}

CTCPIPClient::~CTCPIPClient() {
  mCommMgr->Destroy(mClientConnection);
  mCommMgr.reset();
}

void CTCPIPClient::MakeEndpoint() {
  mClientConnection = static_cast<CBSDSock*>(mCommMgr->Create(CCommMgr::kTCPBSDSocket));
  if (mClientConnection) mClientConnection->SetTimeToWait(kTimeToWaitSeconds);
  mCorvelCon->SetCommPtr(mClientConnection);
}

void CTCPIPClient::SetIPAddress(const char* address) {
  std::memset(mIPAddress, 0, sizeof mIPAddress);
  if (address) std::strncpy(mIPAddress, address, sizeof mIPAddress - 1);
}

bool CTCPIPClient::OpenConnection() {
  if (mConnected) CloseConnection();
  if (mClientConnection && mClientConnection->ConfigureTCP(mIPAddress, mPortNumber) == noErr &&
      mClientConnection->Open() == noErr) {
    mConnected = true;
    return true;
  }
  CloseConnection();
  return false;
}

void CTCPIPClient::CloseConnection() {
  mCommMgr->Destroy(mClientConnection);
  mConnected = false;
  MakeEndpoint();
}

OSStatus CTCPIPClient::Write(const char* data, long length, bool send) {
  if (!mConnected || !mClientConnection) return kCommFailedErr;
  if (length >= 0 && length <= INT16_MAX) mCorvelCon->WriteFld(data, short(length));
  return send ? mCorvelCon->WriteMsg(FourCC("SCAC")) : noErr;
}

OSStatus CTCPIPClient::Read(char* buffer, long size, long* got) {
  if (got) *got = 0;
  if (!mConnected || !mClientConnection) return kCommFailedErr;
  mClientConnection->SetReadDeadline(std::chrono::steady_clock::now() +
                                     std::chrono::seconds(kTimeToWaitSeconds));
  return ReadFully(*mClientConnection, buffer, size, got);
}
