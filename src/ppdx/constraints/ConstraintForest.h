#pragma once
// Constraint and requirement lines, stored as string-store slots: keyword slot -> option slot ->
// the (keyword, option) pairs of the other side of every line, in insertion order. A forest keeps
// its trees, their nodes and their lists in an arena of its own: a large description stores tens
// of thousands of pairs, none is ever removed, and all go at once when the forest ends.
#include <cstdint>
#include <map>
#include <memory>
#include <memory_resource>
#include <utility>
#include <vector>

using ConstraintPair = std::pair<int32_t, int32_t>;  // (keyword slot, option slot)

class ItemConstraintList {
 public:
  explicit ItemConstraintList(int32_t itemNameSlot = -1,
                              std::pmr::memory_resource* memory = std::pmr::get_default_resource())
      : mItemNameSlot(itemNameSlot), mConstraint(memory) {}
  virtual ~ItemConstraintList() = default;

  void insert(int32_t keywordSlot, int32_t optionSlot) {
    mConstraint.emplace_back(keywordSlot, optionSlot);
  }
  void insert(const ConstraintPair& pair) { mConstraint.push_back(pair); }
  // Both append the other list's pairs to this list.
  ItemConstraintList& operator+=(const ItemConstraintList& other);
  ItemConstraintList& operator+(const ItemConstraintList& other) { return *this += other; }
  long size() const { return long(mConstraint.size()); }
  // Pair i (i below size()).
  ConstraintPair operator[](long i) const { return mConstraint[size_t(i)]; }
  int32_t ItemNameSlot() const { return mItemNameSlot; }

 private:
  int32_t mItemNameSlot;
  std::pmr::vector<ConstraintPair> mConstraint;
};

class KeyConstraintTree {
 public:
  KeyConstraintTree(int32_t keywordSlot, std::pmr::memory_resource* memory)
      : mKeywordSlotID(keywordSlot), mItemLists(memory) {}

  void insert(int32_t optionSlot, const ConstraintPair& pair);
  // The concatenation of the lists for optionSlot (all lists, in option-slot order, for -1); the
  // result is the caller's, outside the forest's arena.
  std::unique_ptr<ItemConstraintList> GetItemConstraintList(int32_t optionSlot) const;
  int32_t KeywordSlot() const { return mKeywordSlotID; }

 private:
  int32_t mKeywordSlotID;
  std::pmr::map<int32_t, ItemConstraintList> mItemLists;
};

class ConstraintForest {
 public:
  ConstraintForest() = default;
  virtual ~ConstraintForest() = default;
  ConstraintForest(const ConstraintForest&) = delete;
  ConstraintForest& operator=(const ConstraintForest&) = delete;

  void insert(int32_t k1, int32_t o1, int32_t k2, int32_t o2) {
    insert(k1, o1, ConstraintPair(k2, o2));
  }
  void insert(int32_t k1, int32_t o1, const ConstraintPair& pair);
  // Null when keyword slot k has no tree; o = -1 asks for every option of the keyword.
  std::unique_ptr<ItemConstraintList> GetConstraintList(int32_t k, int32_t o) const;
  const KeyConstraintTree* Tree(int32_t k) const;

 private:
  // Declared first, so that it outlives the trees that live in it.
  std::pmr::monotonic_buffer_resource mArena;
  std::pmr::map<int32_t, KeyConstraintTree> mConstraintTrees{&mArena};
};

// Lines stored in each forest kind since the process started.
extern int32_t gProcessedConstraints;
extern int32_t gProcessedRequires;
