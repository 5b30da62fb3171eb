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

TEST_F(PointerListTest, InsertionKeepsOrder) {
  PointerList list;
  EXPECT_EQ(list.Front(), nullptr);
  EXPECT_EQ(list.Back(), nullptr);
  list.PushBack(&b);
  list.PushFront(&a);
  list.PushBack(&d);
  EXPECT_EQ(*list.InsertBefore(--list.End(), &c), &c);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list.Front(), &a);
  EXPECT_EQ(list.Back(), &d);
  EXPECT_EQ(*PointerListItr(), nullptr);
}

TEST_F(PointerListTest, EraseReturnsTheFollowingPosition) {
  PointerList one;
  one.PushBack(&a);
  EXPECT_TRUE(one.Erase(one.Begin()) == one.End());
  EXPECT_TRUE(one.Empty());
  EXPECT_TRUE(one.Erase(PointerListItr()) == one.Begin());

  PointerList list;
  for (int* p : {&a, &b, &c, &d}) list.PushBack(p);
  EXPECT_EQ(*list.Erase(++list.Begin()), &c);
  EXPECT_TRUE(list.Erase(list.End()) == list.End());  // the sentinel stays
  PointerListItr last = --list.End();
  EXPECT_TRUE(list.Erase(list.Begin(), last) == last);
  EXPECT_EQ(Values(list), (std::vector<int>{4}));

  list.PushFront(&a);
  list.PopBack();
  EXPECT_EQ(Values(list), (std::vector<int>{1}));
  list.PopFront();
  list.PopFront();
  EXPECT_TRUE(list.Empty());
}

TEST_F(PointerListTest, CopiesAreShallowAndIndependent) {
  PointerList list;
  list.PushBack(&a);
  list.PushBack(&b);
  PointerList copy(list);
  copy.PushBack(&c);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2}));
  EXPECT_EQ(copy.Front(), &a);  // the same elements, not copies of them

  PointerList assigned;
  assigned.PushBack(&d);
  assigned = copy;
  const PointerList& same = assigned;
  assigned = same;
  EXPECT_EQ(Values(assigned), (std::vector<int>{1, 2, 3}));
}

}  // namespace
