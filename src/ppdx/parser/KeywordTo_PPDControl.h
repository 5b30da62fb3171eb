#pragma once
// Control keyword -> control, filled while parsing and sorted once for binary search; and the
// way back, control -> keyword, through an index kept as entries are inserted.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class PPDXControl;

class KeywordTo_PPDControl {
 public:
  using Entry = std::pair<std::string, PPDXControl*>;

  KeywordTo_PPDControl() = default;
  virtual ~KeywordTo_PPDControl() = default;
  KeywordTo_PPDControl(const KeywordTo_PPDControl&) = delete;
  KeywordTo_PPDControl& operator=(const KeywordTo_PPDControl&) = delete;

  // A null keyword is ignored: it could never be looked up.
  void insert(const char* keyword, PPDXControl* control);
  void EndInsertion();
  // The control entered under keyword, or null (valid after EndInsertion).
  PPDXControl* Lookup(const char* keyword) const;
  PPDXControl* operator[](const char* keyword) const { return Lookup(keyword); }
  // The keyword under which control was first entered, or null; valid until the next insert.
  const char* Lookup(const PPDXControl* control) const;
  long size() const { return long(mKeyVector.size()); }
  const Entry& operator[](long i) const { return mKeyVector[size_t(i)]; }
  void DeleteKeyVector() {
    mKeyVector.clear();
    mKeyVector.shrink_to_fit();
    mKeywordOf.clear();
  }

 private:
  std::vector<Entry> mKeyVector;
  std::unordered_map<const PPDXControl*, std::string> mKeywordOf;
  bool mSorted = false;
};
