#pragma once
// The server's job queue: how many jobs are not completed yet.
#include "serverclient/SessionBasedClass.h"

class JobManagement : public SessionBasedClass {
 public:
  explicit JobManagement(Wrenfold* wrenfold) : SessionBasedClass(wrenfold) {}
  ~JobManagement() override;

  // Blocks until the open completes; 0 when open.
  int32_t OpenSession() override;
  std::unique_ptr<AsyncTicket> OpenSessionAsync() override;
  int32_t CloseSession() override;
  // The number of jobs; 0 when the server does not say.
  int GetJobCount();

 protected:
  // Any completed step leaves the session open.
  PhaseInfoBlock AsyncCompletion(AsyncTicket*) override;
};
