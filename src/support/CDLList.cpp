#include "support/CDLList.h"

#include <cstdint>

#include "support/Logging.h"

namespace {
// Diagnostics print addresses as 32-bit values.
unsigned AddressBits(const void* p) {
  return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p));
}
}  // namespace

void CNode::Dump(CLog*) {
  trace_log(0, "this(0x%X),mPrev(0x%X),mNext(0x%X)", AddressBits(this), AddressBits(mPrev),
            AddressBits(mNext));
}

CDLList::~CDLList() { Clear(); }

void CDLList::LinkFirst(CNode* node) {
  node->mPrev = node->mNext = nullptr;
  mHead = mTail = mCurNode = node;
  mNodeCnt = 1;
}

void CDLList::LinkBefore(CNode* node, CNode* successor) {
  node->mNext = successor;
  node->mPrev = successor->mPrev;
  if (successor->mPrev)
    successor->mPrev->mNext = node;
  else
    mHead = node;
  successor->mPrev = node;
  ++mNodeCnt;
}

void CDLList::LinkAfter(CNode* node, CNode* predecessor) {
  if (predecessor->mNext) {
    LinkBefore(node, predecessor->mNext);
    return;
  }
  node->mPrev = predecessor;
  node->mNext = nullptr;
  predecessor->mNext = node;
  mTail = node;
  ++mNodeCnt;
}

void CDLList::Append(CNode* node) {
  if (!node) return;
  if (!mHead)
    LinkFirst(node);
  else
    LinkAfter(node, mTail);
}

void CDLList::Add(CNode* node) {
  if (!node) return;
  if (!mHead)
    LinkFirst(node);
  else
    LinkAfter(node, mCurNode ? mCurNode : mTail);
  mCurNode = node;
}

void CDLList::InsertAt(CNode* node, int32_t position) {
  if (!node) return;
  if (CNode* occupant = GetNode(position))
    LinkBefore(node, occupant);
  else
    Append(node);
}

void CDLList::Remove(CNode* node) {
  if (!node || GetNodeIdx(node) == 0) return;
  --mNodeCnt;
  if (node == mHead) {
    mHead = node->mNext;
    if (!mHead) mTail = mCurNode = nullptr;
  } else if (node == mTail) {
    mTail = node->mPrev;
  }
  if (node->mPrev) node->mPrev->mNext = node->mNext;
  if (node->mNext) node->mNext->mPrev = node->mPrev;
  if (node == mCurNode) mCurNode = node->mPrev ? node->mPrev : node->mNext;
  node->mPrev = node->mNext = nullptr;
}

void CDLList::Delete(CNode** node) {
  if (!node || !*node || GetNodeIdx(*node) == 0) return;
  Remove(*node);
  delete *node;
  *node = nullptr;
}

void CDLList::Clear() {
  for (CNode* node = mHead; node;) {
    CNode* next = node->mNext;
    delete node;
    node = next;
  }
  mHead = mTail = mCurNode = nullptr;
  mNodeCnt = 0;
}

CNode* CDLList::GetNode(int32_t position) const {
  if (position < 1) return nullptr;
  CNode* node = mHead;
  for (int32_t i = 1; node && i < position; ++i) node = node->mNext;
  return node;
}

int32_t CDLList::GetNodeIdx(const CNode* node) const {
  int32_t index = 1;
  for (const CNode* n = mHead; n; n = n->mNext, ++index)
    if (n == node) return index;
  return 0;
}

void CDLList::Dump(CLog* log) {
  trace_log(0, "mHead(0x%X),mTail(0x%X),mCurNode(0x%X),mNodeCnt(%d)", AddressBits(mHead),
            AddressBits(mTail), AddressBits(mCurNode), static_cast<int>(mNodeCnt));
  trace_log(0, "Node list:");
  for (CNode* node = mHead; node; node = node->mNext) node->Dump(log);
}
