#include "serverclient/JobManagement.h"

JobManagement::~JobManagement() {
  if (mSessionOpen) CloseSession();
}

int32_t JobManagement::OpenSession() { return BlockOnTicket(OpenSessionAsync(), 0); }

std::unique_ptr<AsyncTicket> JobManagement::OpenSessionAsync() {
  return StartOpenStep(JOBM_openSession);
}

int32_t JobManagement::CloseSession() { return JOBM_closeSession(&mSessionHandle, nullptr); }

int JobManagement::GetJobCount() {
  int32_t count = 0;
  JOBM_getNumJobs(&mSessionHandle, &count, nullptr);
  return count;
}

PhaseInfoBlock JobManagement::AsyncCompletion(AsyncTicket*) {
  mSessionOpen = true;
  mCurrentAsyncOp = kNoPendingStep;
  return {};
}
