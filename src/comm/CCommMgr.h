#pragma once
// Creates, counts and destroys communication endpoints. The manager owns every endpoint it made;
// after DestroyAll it makes no more.
#include <cstdint>

#include "comm/CComm.h"
#include "support/CDLList.h"

class CCommMgr {
 public:
  // Endpoint kinds Create knows; only TCP over BSD sockets is made.
  static constexpr int16_t kTCPBSDSocket = 3;

  CCommMgr() = default;
  ~CCommMgr();  // DestroyAll(false)
  CCommMgr(const CCommMgr&) = delete;
  CCommMgr& operator=(const CCommMgr&) = delete;

  // True while the list holds at most the limit (so one more than the limit can exist) and new
  // endpoints are allowed.
  bool OkayToAllocate() const;
  // A new endpoint of `type`, kept by the manager; null for any other type or when refused.
  CComm* Create(int16_t type);
  // The endpoint's Clone, kept by the manager; null when refused.
  CComm* Clone(CComm* endpoint);
  // Closes, unlists and deletes `endpoint`; null is ignored.
  void Destroy(CComm* endpoint);
  // Refuses new endpoints from now on and destroys all (or only the passive ones).
  void DestroyAll(bool passiveOnly);

  int16_t MaxConnections() const { return mMasterMaxSessions; }
  int16_t Count() const { return mComLst.GetCount(); }
  bool GetCloseDriver() const { return mCloseDriver; }
  void SetCloseDriver(bool closeDriver) { mCloseDriver = closeDriver; }

 private:
  CDLList mComLst;
  int16_t mMasterMaxSessions = 10;
  bool mAllowNewSessions = true;
  bool mCloseDriver = true;
};
