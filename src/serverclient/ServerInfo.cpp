#include "serverclient/ServerInfo.h"

#include "serverclient/AsyncTicket.h"
#include "serverclient/JobManagement.h"
#include "serverclient/Wrenfold.h"

ServerInfo::ServerInfo(Wrenfold* wrenfold) : SessionBasedClass(wrenfold) {
  mSessionOpen = true;
  GetNumberOfDevices();
}

ServerInfo::~ServerInfo() = default;

int32_t ServerInfo::OpenSession() {
  mSessionOpen = true;
  return 0;
}

std::unique_ptr<AsyncTicket> ServerInfo::OpenSessionAsync() {
  return std::make_unique<AsyncTicket>(this);
}

int ServerInfo::GetNumberOfDevices() {
  if (mDeviceCount != -1) return mDeviceCount;
  if (DEV_getNumDevices(mWrenfoldObject->GetServerHandle(), &mDeviceCount, nullptr) != 0) {
    mDeviceCount = -1;
    return -1;
  }
  if (mDeviceCount > 0) mDevices.reserve(mDeviceCount);
  for (int i = 0; i < mDeviceCount; ++i)
    mDevices.push_back(std::make_unique<ServerDevice>(mWrenfoldObject, i));
  return mDeviceCount;
}

ServerDevice* ServerInfo::FetchDeviceInfo(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= mDevices.size()) return nullptr;
  ServerDevice* device = mDevices[index].get();
  if (!device->IsLoaded()) device->GetAllDeviceInfo();
  return device;
}

void ServerInfo::CheckDeviceScopes() {
  ServerDevice device(mWrenfoldObject, 0);
  device.GetAllDeviceInfo();
}

int ServerInfo::GetNumberOfJobs() {
  if (!mJobManagement) {
    mJobManagement = std::make_unique<JobManagement>(mWrenfoldObject);
    mJobManagement->OpenSession();
  }
  return mJobManagement->GetJobCount();
}

std::unique_ptr<AsyncTicket> ServerInfo::GetPrettyNamesAsync() {
  auto ticket = std::make_unique<AsyncTicket>(this);
  if (mSessionOpen)
    mLastQuillonResult =
        DEV_getPrettyDeviceNameList(mWrenfoldObject->GetServerHandle(), mPrettyNamesList.Out(),
                                    &mPrettyNamesCount, ticket->GetTicket());
  return ticket;
}

bool ServerInfo::GetPrettyNames() {
  auto ticket = GetPrettyNamesAsync();
  if (!ticket) return false;
  ticket->BlockUntilDone();
  return ticket->GetLastResult() == 0;
}

const char* ServerInfo::GetPrettyNameIndex(int i) const {
  if (mPrettyNamesCount < 1 || i < 0 || i >= mPrettyNamesCount || !mPrettyNamesList) return nullptr;
  return mPrettyNamesList.Get()[i];
}

PhaseInfoBlock ServerInfo::AsyncCompletion(AsyncTicket*) {
  if (mCurrentAsyncOp == kSessionOpenStep) mSessionOpen = true;
  if (mCurrentAsyncOp == kSessionOpenStep || mCurrentAsyncOp == kPrettyNamesStep)
    mCurrentAsyncOp = kNoPendingStep;
  return {};
}
