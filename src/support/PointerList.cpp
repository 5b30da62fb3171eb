#include "support/PointerList.h"

PNode::~PNode() { mPrev = mNext = nullptr; }

PointerList::PointerList() { Initialize(); }

PointerList::PointerList(const PointerList& other) {
  Initialize();
  AppendAll(other);
}

PointerList& PointerList::operator=(const PointerList& other) {
  if (this != &other) {
    MakeEmpty();
    AppendAll(other);
  }
  return *this;
}

PointerList::~PointerList() { MakeEmpty(); }

void PointerList::Initialize() {
  mHead->mNext = mTail;
  mTail->mPrev = mHead;
  mSize = 0;
}

void PointerList::AppendAll(const PointerList& other) {
  for (ConstPointerListItr itr = other.Begin(); itr != other.End(); ++itr) PushBack(*itr);
}

PointerListItr PointerList::InsertBefore(PointerListItr position, void* element) {
  PNode* successor = position.Node();
  if (!successor)
    successor = mTail;
  else if (successor == mHead)
    successor = mHead->mNext;
  auto* node = new PNode(element);
  node->mNext = successor;
  node->mPrev = successor->mPrev;
  successor->mPrev->mNext = node;
  successor->mPrev = node;
  ++mSize;
  return PointerListItr(node);
}

PointerListItr PointerList::Erase(PointerListItr position) {
  PNode* node = position.Node();
  if (!node) return Begin();
  if (node == mHead || node == mTail) return End();
  PNode* following = node->mNext;
  node->mPrev->mNext = following;
  following->mPrev = node->mPrev;
  delete node;
  --mSize;
  return PointerListItr(following);
}

PointerListItr PointerList::Erase(PointerListItr first, PointerListItr last) {
  while (first != last && first != End() && first.Node()) first = Erase(first);
  return last;
}

void PointerList::PopFront() {
  if (!Empty()) Erase(Begin());
}

void PointerList::PopBack() {
  if (!Empty()) Erase(PointerListItr(mTail->mPrev));
}

void PointerList::MakeEmpty() {
  while (!Empty()) PopFront();
}
