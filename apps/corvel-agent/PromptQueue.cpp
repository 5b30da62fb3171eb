#include "PromptQueue.h"

#include <algorithm>

int PromptQueue::Update(const std::vector<HeldJob>& held) {
  std::erase_if(mWaiting, [&](const HeldJob& waiting) {
    return std::none_of(held.begin(), held.end(),
                        [&](const HeldJob& job) { return job.id == waiting.id; });
  });
  int joined = 0;
  for (const HeldJob& job : held)
    if (mOffered.insert(job.id).second) {
      mWaiting.push_back(job);
      ++joined;
    }
  return joined;
}

std::optional<HeldJob> PromptQueue::Next() {
  if (mWaiting.empty()) return std::nullopt;
  HeldJob next = mWaiting.front();
  mWaiting.pop_front();
  return next;
}
