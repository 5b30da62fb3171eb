#pragma once
// Intrusive, owning doubly linked list: elements derive from CNode.
#include <cstdint>

class CLog;

class CNode {
 public:
  CNode() = default;
  // A copy is a new element: it belongs to no list.
  CNode(const CNode&) {}
  CNode& operator=(const CNode&) { return *this; }
  virtual ~CNode() = default;
  virtual void Dump(CLog* log);

 protected:
  friend class CDLList;
  CNode* mPrev = nullptr;
  CNode* mNext = nullptr;
};

class CDLList {
 public:
  CDLList() = default;
  CDLList(const CDLList&) = delete;
  CDLList& operator=(const CDLList&) = delete;
  virtual ~CDLList();  // destroys the nodes still in the list

  CNode* GetHead() const { return mHead; }
  CNode* GetTail() const { return mTail; }
  CNode* GetCurNode() const { return mCurNode; }
  int16_t GetCount() const { return mNodeCnt; }
  bool IsEmpty() const { return mNodeCnt == 0; }
  void SetCurNode(CNode* node) { mCurNode = node; }
  CNode* GetPrev(const CNode* node) const { return node ? node->mPrev : nullptr; }
  CNode* GetNext(const CNode* node) const { return node ? node->mNext : nullptr; }

  // Each of these takes a node that is in no list; a null node is ignored.
  void Append(CNode* node);                      // after the tail
  void Add(CNode* node);                         // after the current node; becomes current
  void InsertAt(CNode* node, int32_t position);  // 1-based; past the end appends

  // Unlinks a node of this list without destroying it; other nodes are ignored.
  void Remove(CNode* node);
  // Removes and destroys a node of this list and nulls the caller's pointer.
  void Delete(CNode** node);
  template <class Node>
  void Delete(Node** node) {
    CNode* base = node ? *node : nullptr;
    Delete(&base);
    if (node && !base) *node = nullptr;
  }
  void Clear();

  CNode* GetNode(int32_t position) const;       // 1-based; null when there is none
  int32_t GetNodeIdx(const CNode* node) const;  // 1-based; 0 when not in the list
  void Dump(CLog* log);

 private:
  void LinkFirst(CNode* node);
  void LinkBefore(CNode* node, CNode* successor);
  void LinkAfter(CNode* node, CNode* predecessor);

  CNode* mHead = nullptr;
  CNode* mTail = nullptr;
  CNode* mCurNode = nullptr;
  int16_t mNodeCnt = 0;
};
