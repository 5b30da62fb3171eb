#pragma once
// Non-owning doubly linked list of untyped element pointers, with two sentinel nodes.
#include <cstdint>

class PNode {
 public:
  explicit PNode(void* data = nullptr) : mData(data) {}
  PNode(const PNode&) = delete;
  PNode& operator=(const PNode&) = delete;
  virtual ~PNode();  // clears the links; the element is not touched

  void* mData = nullptr;
  PNode* mPrev = nullptr;
  PNode* mNext = nullptr;
};

class PointerListItr {
 public:
  PointerListItr(PNode* node = nullptr) : mNode(node) {}
  void* operator*() const { return mNode ? mNode->mData : nullptr; }
  PointerListItr& operator++() {
    mNode = mNode ? mNode->mNext : nullptr;
    return *this;
  }
  PointerListItr& operator--() {
    mNode = mNode ? mNode->mPrev : nullptr;
    return *this;
  }
  PointerListItr operator++(int) {
    PointerListItr was = *this;
    ++*this;
    return was;
  }
  PointerListItr operator--(int) {
    PointerListItr was = *this;
    --*this;
    return was;
  }
  bool operator==(const PointerListItr& other) const { return mNode == other.mNode; }
  bool operator!=(const PointerListItr& other) const { return mNode != other.mNode; }
  PNode* Node() const { return mNode; }

 private:
  PNode* mNode;
};

class ConstPointerListItr {
 public:
  ConstPointerListItr(const PNode* node = nullptr) : mNode(node) {}
  ConstPointerListItr(const PointerListItr& itr) : mNode(itr.Node()) {}
  void* operator*() const { return mNode ? mNode->mData : nullptr; }
  ConstPointerListItr& operator++() {
    mNode = mNode ? mNode->mNext : nullptr;
    return *this;
  }
  ConstPointerListItr& operator--() {
    mNode = mNode ? mNode->mPrev : nullptr;
    return *this;
  }
  ConstPointerListItr operator++(int) {
    ConstPointerListItr was = *this;
    ++*this;
    return was;
  }
  ConstPointerListItr operator--(int) {
    ConstPointerListItr was = *this;
    --*this;
    return was;
  }
  bool operator==(const ConstPointerListItr& other) const { return mNode == other.mNode; }
  bool operator!=(const ConstPointerListItr& other) const { return mNode != other.mNode; }
  const PNode* Node() const { return mNode; }

 private:
  const PNode* mNode;
};

class PointerList {
 public:
  PointerList();
  PointerList(const PointerList& other);             // copies the element pointers
  PointerList& operator=(const PointerList& other);  // empties this list first
  virtual ~PointerList();

  PointerListItr Begin() { return PointerListItr(mHead->mNext); }
  PointerListItr End() { return PointerListItr(mTail); }
  ConstPointerListItr Begin() const { return ConstPointerListItr(mHead->mNext); }
  ConstPointerListItr End() const { return ConstPointerListItr(mTail); }
  uint32_t Size() const { return mSize; }
  bool Empty() const { return mSize == 0; }

  void* Front() const { return mHead->mNext->mData; }  // null when empty
  void* Back() const { return mTail->mPrev->mData; }   // null when empty

  // Links `element` in front of the iterator's node (an empty iterator means End()).
  PointerListItr InsertBefore(PointerListItr position, void* element);
  void PushFront(void* element) { InsertBefore(Begin(), element); }
  void PushBack(void* element) { InsertBefore(End(), element); }

  // Returns the position after the erased node; an empty iterator erases nothing and
  // answers Begin(), a sentinel erases nothing and answers End().
  PointerListItr Erase(PointerListItr position);
  PointerListItr Erase(PointerListItr first, PointerListItr last);
  void PopFront();
  void PopBack();
  void MakeEmpty();

 private:
  void Initialize();
  void AppendAll(const PointerList& other);

  uint32_t mSize = 0;
  // The sentinels live inside the list: making a list allocates nothing.
  PNode mHeadNode;
  PNode mTailNode;
  PNode* mHead = &mHeadNode;
  PNode* mTail = &mTailNode;
};
