#include "ppdx/constraints/ConstraintForest.h"

int32_t gProcessedConstraints = 0;
int32_t gProcessedRequires = 0;

ItemConstraintList& ItemConstraintList::operator+=(const ItemConstraintList& other) {
  if (&other == this) {
    const std::vector<ConstraintPair> copy(mConstraint.begin(), mConstraint.end());
    mConstraint.insert(mConstraint.end(), copy.begin(), copy.end());
  } else {
    mConstraint.insert(mConstraint.end(), other.mConstraint.begin(), other.mConstraint.end());
  }
  return *this;
}

void KeyConstraintTree::insert(int32_t optionSlot, const ConstraintPair& pair) {
  auto found = mItemLists.find(optionSlot);
  if (found == mItemLists.end())
    found =
        mItemLists.try_emplace(optionSlot, optionSlot, mItemLists.get_allocator().resource()).first;
  found->second.insert(pair);
}

std::unique_ptr<ItemConstraintList> KeyConstraintTree::GetItemConstraintList(
    int32_t optionSlot) const {
  auto result = std::make_unique<ItemConstraintList>(optionSlot);
  if (optionSlot != -1) {
    const auto found = mItemLists.find(optionSlot);
    if (found != mItemLists.end()) *result += found->second;
    return result;
  }
  for (const auto& entry : mItemLists) *result += entry.second;
  return result;
}

void ConstraintForest::insert(int32_t k1, int32_t o1, const ConstraintPair& pair) {
  auto found = mConstraintTrees.find(k1);
  if (found == mConstraintTrees.end()) found = mConstraintTrees.try_emplace(k1, k1, &mArena).first;
  found->second.insert(o1, pair);
}

const KeyConstraintTree* ConstraintForest::Tree(int32_t k) const {
  const auto found = mConstraintTrees.find(k);
  return found == mConstraintTrees.end() ? nullptr : &found->second;
}

std::unique_ptr<ItemConstraintList> ConstraintForest::GetConstraintList(int32_t k,
                                                                        int32_t o) const {
  const KeyConstraintTree* tree = Tree(k);
  if (tree == nullptr) return nullptr;
  return tree->GetItemConstraintList(o);
}
