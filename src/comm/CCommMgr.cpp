#include "comm/CCommMgr.h"

#include "comm/CBSDSock.h"

CCommMgr::~CCommMgr() { DestroyAll(false); }

bool CCommMgr::OkayToAllocate() const {
  return mComLst.GetCount() <= mMasterMaxSessions && mAllowNewSessions;
}

CComm* CCommMgr::Create(int16_t type) {
  if (!OkayToAllocate() || type != kTCPBSDSocket) return nullptr;
  auto* endpoint = new CBSDSock(this);
  mComLst.Append(endpoint);
  return endpoint;
}

CComm* CCommMgr::Clone(CComm* endpoint) {
  if (!endpoint || !OkayToAllocate()) return nullptr;
  CComm* copy = endpoint->Clone();
  mComLst.Append(copy);
  return copy;
}

void CCommMgr::Destroy(CComm* endpoint) {
  if (!endpoint) return;
  endpoint->Close();
  mComLst.Remove(endpoint);
  delete endpoint;
}

void CCommMgr::DestroyAll(bool passiveOnly) {
  mAllowNewSessions = false;
  for (CNode* node = mComLst.GetHead(); node;) {
    CNode* next = mComLst.GetNext(node);
    auto* endpoint = static_cast<CComm*>(node);
    if (!passiveOnly || endpoint->Passive()) Destroy(endpoint);
    node = next;
  }
}
