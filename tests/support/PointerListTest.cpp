#include "support/PointerList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Values(const PointerList& list) {
    std::vector<int> values;
    for (ConstPointerListItr itr = list.Begin(); itr != list.End(); ++itr)
        values.push_back(*static_cast<int*>(*itr));
    EXPECT_EQ(values.size(), list.Size());
    return values;
}

class PointerListTest : public testing::Test {
protected:
    int a = 1, b = 2, c = 3, d = 4;
};

TEST_F(PointerListTest, EmptyList) {
    PointerList list;
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Front(), nullptr);
    EXPECT_EQ(list.Back(), nullptr);
    EXPECT_TRUE(list.Begin() == list.End());
    list.PopFront();
    list.PopBack();
    EXPECT_EQ(list.Size(), 0u);
    EXPECT_TRUE(list.Erase(PointerListItr()) == list.Begin());
}

TEST_F(PointerListTest, PushAndInsertKeepOrder) {
    PointerList list;
    list.PushBack(&b);
    list.PushFront(&a);
    list.PushBack(&d);
    PointerListItr third = list.Begin();
    ++third;
    ++third;
    PointerListItr inserted = list.InsertBefore(third, &c);
    EXPECT_EQ(*inserted, &c);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(list.Front(), &a);
    EXPECT_EQ(list.Back(), &d);

    PointerListItr itr = list.End();
    --itr;
    EXPECT_EQ(*itr--, &d);
    EXPECT_EQ(*itr, &c);
    EXPECT_EQ(*PointerListItr(), nullptr);
}

TEST_F(PointerListTest, EraseReturnsTheFollowingPosition) {
    PointerList one;
    one.PushBack(&a);
    EXPECT_TRUE(one.Erase(one.Begin()) == one.End());
    EXPECT_TRUE(one.Empty());

    PointerList list;
    for (int* p : {&a, &b, &c, &d})
        list.PushBack(p);
    PointerListItr second = ++list.Begin();
    PointerListItr next = list.Erase(second);
    EXPECT_EQ(*next, &c);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 4}));

    EXPECT_TRUE(list.Erase(list.End()) == list.End());  // the sentinel stays
    EXPECT_EQ(list.Size(), 3u);

    PointerListItr last = --list.End();
    EXPECT_TRUE(list.Erase(list.Begin(), last) == last);
    EXPECT_EQ(Values(list), (std::vector<int>{4}));

    list.PushFront(&a);
    list.PopBack();
    EXPECT_EQ(Values(list), (std::vector<int>{1}));
    list.PopFront();
    EXPECT_TRUE(list.Empty());
}

TEST_F(PointerListTest, CopiesAreShallowAndIndependent) {
    PointerList list;
    list.PushBack(&a);
    list.PushBack(&b);

    PointerList copy(list);
    EXPECT_EQ(Values(copy), (std::vector<int>{1, 2}));
    EXPECT_EQ(copy.Front(), &a);  // the same elements, not copies of them
    copy.PushBack(&c);
    EXPECT_EQ(list.Size(), 2u);

    PointerList assigned;
    assigned.PushBack(&d);
    assigned = copy;
    EXPECT_EQ(Values(assigned), (std::vector<int>{1, 2, 3}));
    const PointerList& same = assigned;
    assigned = same;
    EXPECT_EQ(Values(assigned), (std::vector<int>{1, 2, 3}));

    assigned.MakeEmpty();
    EXPECT_TRUE(assigned.Empty());
    EXPECT_EQ(a, 1);  // elements are never owned
}

}  // namespace
