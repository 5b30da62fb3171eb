#pragma once
// The server's devices, their display names and its job count. It has no library session of its
// own: it is open from the start, and learns the number of devices when it is made (a failed
// count is asked again on the next call). Each device keeps its own attribute session.
#include <memory>
#include <vector>

#include "serverclient/QuillonOwned.h"
#include "serverclient/ServerDevice.h"
#include "serverclient/SessionBasedClass.h"

class JobManagement;

class ServerInfo : public SessionBasedClass {
 public:
  explicit ServerInfo(Wrenfold* wrenfold);
  ~ServerInfo() override;

  int32_t OpenSession() override;
  // A ticket that started no request.
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override;
  int32_t CloseSession() override { return 0; }

  // The number of devices, -1 when the server does not answer; the devices are made with it.
  int GetNumberOfDevices();
  // Device `index` (below GetNumberOfDevices()) with its trays and colorants read and its levels
  // refreshed; null for any other index.
  ServerDevice* FetchDeviceInfo(int index);
  void CheckDeviceScopes();
  int GetNumberOfJobs();

  std::unique_ptr<AsyncTicket> GetPrettyNamesAsync();
  // True when the display names were read.
  bool GetPrettyNames();
  int CountPrettyNames() const { return mPrettyNamesCount; }
  // The i-th display name; null before a fetch or out of range.
  const char* GetPrettyNameIndex(int i) const;

 protected:
  static constexpr int32_t kPrettyNamesStep = 3;
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override;

 private:
  int32_t mDeviceCount = -1;
  std::vector<std::unique_ptr<ServerDevice>> mDevices;
  std::unique_ptr<JobManagement> mJobManagement;
  QuillonOwned<char*> mPrettyNamesList;
  int32_t mPrettyNamesCount = -1;
};
