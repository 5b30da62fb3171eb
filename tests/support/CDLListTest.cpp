#include "support/CDLList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Logging.h"

namespace {

// A node that reports its destruction, so ownership can be checked.
class TestNode : public CNode {
public:
    TestNode(int id, std::vector<int>* destroyed = nullptr) : id(id), destroyed(destroyed) {}
    ~TestNode() override {
        if (destroyed)
            destroyed->push_back(id);
    }
    int id;
    std::vector<int>* destroyed;
};

int Id(const CNode* node) { return node ? static_cast<const TestNode*>(node)->id : -1; }

// Ids from head to tail, checked against the walk from tail to head and the count.
std::vector<int> Ids(const CDLList& list) {
    std::vector<int> forward, backward;
    for (CNode* n = list.GetHead(); n; n = list.GetNext(n))
        forward.push_back(Id(n));
    for (CNode* n = list.GetTail(); n; n = list.GetPrev(n))
        backward.insert(backward.begin(), Id(n));
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(static_cast<int>(forward.size()), list.GetCount());
    return forward;
}

TEST(CDLListTest, AppendKeepsTheCurrentNode) {
    CDLList list;
    EXPECT_TRUE(list.IsEmpty());
    auto* first = new TestNode(1);
    list.Append(first);
    EXPECT_EQ(list.GetCurNode(), first);
    list.Append(new TestNode(2));
    list.Append(new TestNode(3));
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.GetCurNode(), first);
}

TEST(CDLListTest, AddLinksAfterTheCurrentNode) {
    CDLList list;
    list.Add(new TestNode(1));
    list.Add(new TestNode(2));  // current is the tail: appends
    EXPECT_EQ(Id(list.GetCurNode()), 2);
    EXPECT_EQ(Id(list.GetTail()), 2);

    list.SetCurNode(list.GetHead());
    list.Add(new TestNode(3));
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(Id(list.GetCurNode()), 3);
}

TEST(CDLListTest, InsertAtCountsFromOne) {
    CDLList list;
    list.InsertAt(new TestNode(2), 1);  // empty list
    list.InsertAt(new TestNode(1), 1);
    EXPECT_EQ(Id(list.GetHead()), 1);
    list.InsertAt(new TestNode(4), 99);
    list.InsertAt(new TestNode(3), 3);
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Id(list.GetTail()), 4);

    EXPECT_EQ(Id(list.GetNode(3)), 3);
    EXPECT_EQ(list.GetNode(0), nullptr);
    EXPECT_EQ(list.GetNode(5), nullptr);
    EXPECT_EQ(list.GetNodeIdx(list.GetTail()), 4);
    TestNode stranger(9);
    EXPECT_EQ(list.GetNodeIdx(&stranger), 0);
}

TEST(CDLListTest, RemoveHeadTailAndCurrent) {
    std::vector<int> destroyed;
    CDLList list;
    TestNode* nodes[4];
    for (int i = 0; i < 4; ++i)
        list.Append(nodes[i] = new TestNode(i + 1, &destroyed));

    list.Remove(nodes[0]);  // head
    EXPECT_EQ(Id(list.GetHead()), 2);
    EXPECT_EQ(Id(list.GetCurNode()), 2);  // the removed current node had no predecessor
    EXPECT_EQ(list.GetNext(nodes[0]), nullptr);

    list.Remove(nodes[3]);  // tail
    EXPECT_EQ(Id(list.GetTail()), 3);
    EXPECT_EQ(Ids(list), (std::vector<int>{2, 3}));

    list.SetCurNode(nodes[2]);
    list.Remove(nodes[2]);  // current moves to its predecessor
    EXPECT_EQ(Id(list.GetCurNode()), 2);
    EXPECT_EQ(Id(list.GetTail()), 2);

    list.Remove(nodes[3]);  // not in the list any more: ignored
    EXPECT_EQ(list.GetCount(), 1);

    list.Remove(nodes[1]);  // the only node
    EXPECT_EQ(list.GetHead(), nullptr);
    EXPECT_EQ(list.GetTail(), nullptr);
    EXPECT_EQ(list.GetCurNode(), nullptr);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(destroyed.empty());  // Remove never destroys
    for (TestNode* node : nodes)
        delete node;
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
        EXPECT_EQ(destroyed, (std::vector<int>{2}));
        EXPECT_EQ(Ids(list), (std::vector<int>{1, 3}));

        list.Clear();
        EXPECT_EQ(destroyed, (std::vector<int>{2, 1, 3}));
        EXPECT_TRUE(list.IsEmpty());
        EXPECT_EQ(list.GetHead(), nullptr);

        list.Append(new TestNode(4, &destroyed));
        TestNode outside(5);
        TestNode* outsidePtr = &outside;
        list.Delete(&outsidePtr);  // not ours: left alone
        EXPECT_EQ(outsidePtr, &outside);
    }
    EXPECT_EQ(destroyed, (std::vector<int>{2, 1, 3, 4}));
}

TEST(CDLListTest, DumpWritesTheListAndEachNode) {
    std::vector<std::string> lines;
    LogSink previous = SetLogSink([&](const char* text) { lines.emplace_back(text); });
    CDLList list;
    list.Append(new TestNode(1));
    list.Append(new TestNode(2));
    list.Dump(nullptr);
    SetLogSink(previous);

    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("mHead(0x", 0), 0u);
    EXPECT_NE(lines[0].find("mNodeCnt(2)"), std::string::npos);
    EXPECT_EQ(lines[1], "Node list:");
    EXPECT_NE(lines[2].find(",mPrev(0x0),"), std::string::npos);
    EXPECT_NE(lines[3].find(",mNext(0x0)"), std::string::npos);
}

}  // namespace
