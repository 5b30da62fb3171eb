#include "support/CDLList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport/CapturedLog.h"

namespace {

// A node that records its destruction, so ownership can be checked.
struct TestNode : CNode {
  TestNode(int id, std::vector<int>* destroyed = nullptr) : id(id), destroyed(destroyed) {}
  ~TestNode() override {
    if (destroyed) destroyed->push_back(id);
  }
  int id;
  std::vector<int>* destroyed;
};

int Id(const CNode* node) { return node ? static_cast<const TestNode*>(node)->id : -1; }

// Ids from head to tail, checked against the backward walk and the count.
std::vector<int> Ids(const CDLList& list) {
  std::vector<int> forward, backward;
  for (CNode* n = list.GetHead(); n; n = list.GetNext(n)) forward.push_back(Id(n));
  for (CNode* n = list.GetTail(); n; n = list.GetPrev(n)) backward.insert(backward.begin(), Id(n));
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(static_cast<int>(forward.size()), list.GetCount());
  return forward;
}

TEST(CDLListTest, AppendAddAndInsertAt) {
  CDLList list;
  list.Append(new TestNode(2));
  list.Append(new TestNode(4));
  EXPECT_EQ(Id(list.GetCurNode()), 2);  // Append keeps the current node

  list.Add(new TestNode(3));  // after the current node
  EXPECT_EQ(Id(list.GetCurNode()), 3);
  list.SetCurNode(list.GetTail());
  list.Add(new TestNode(5));  // current is the tail: appends
  EXPECT_EQ(Id(list.GetTail()), 5);

  list.InsertAt(new TestNode(1), 1);
  list.InsertAt(new TestNode(6), 99);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Id(list.GetNode(3)), 3);
  EXPECT_EQ(list.GetNode(0), nullptr);
  EXPECT_EQ(list.GetNodeIdx(list.GetTail()), 6);
  TestNode stranger(9);
  EXPECT_EQ(list.GetNodeIdx(&stranger), 0);
}

TEST(CDLListTest, RemoveHeadTailAndCurrent) {
  std::vector<int> destroyed;
  CDLList list;
  TestNode* nodes[4];
  for (int i = 0; i < 4; ++i) list.Append(nodes[i] = new TestNode(i + 1, &destroyed));

  list.Remove(nodes[0]);  // the head, also current: current moves to the successor
  EXPECT_EQ(Id(list.GetHead()), 2);
  EXPECT_EQ(Id(list.GetCurNode()), 2);
  list.SetCurNode(nodes[2]);
  list.Remove(nodes[2]);  // current in the middle moves to its predecessor
  EXPECT_EQ(Id(list.GetCurNode()), 2);
  list.Remove(nodes[3]);  // the tail
  EXPECT_EQ(Id(list.GetTail()), 2);
  list.Remove(nodes[3]);  // no longer in the list: ignored
  EXPECT_EQ(Ids(list), (std::vector<int>{2}));

  list.Remove(nodes[1]);
  EXPECT_EQ(list.GetHead(), nullptr);
  EXPECT_EQ(list.GetTail(), nullptr);
  EXPECT_EQ(list.GetCurNode(), nullptr);
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_TRUE(destroyed.empty());
  for (TestNode* node : nodes) delete node;
}

TEST(CDLListTest, DeleteClearAndDestructionDestroyNodes) {
  std::vector<int> destroyed;
  {
    CDLList list;
    TestNode* middle = new TestNode(2, &destroyed);
    list.Append(new TestNode(1, &destroyed));
    list.Append(middle);
    list.Append(new TestNode(3, &destroyed));
    list.Delete(&middle);
    EXPECT_EQ(middle, nullptr);
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 3}));
    list.Clear();
    EXPECT_EQ(destroyed, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(list.GetHead(), nullptr);

    list.Append(new TestNode(4, &destroyed));
    TestNode outside(5);
    TestNode* outsidePtr = &outside;
    list.Delete(&outsidePtr);  // not in this list: left alone
    EXPECT_EQ(outsidePtr, &outside);
  }
  EXPECT_EQ(destroyed, (std::vector<int>{2, 1, 3, 4}));
}

TEST(CDLListTest, DumpWritesTheListAndEachNode) {
  CapturedLog log;
  CDLList list;
  list.Append(new TestNode(1));
  list.Dump(nullptr);
  const std::vector<std::string>& lines = log.lines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find(",mNodeCnt(1)"), std::string::npos);
  EXPECT_EQ(lines[1], "Node list:");
  EXPECT_NE(lines[2].find(",mPrev(0x0),mNext(0x0)"), std::string::npos);
}

}  // namespace
