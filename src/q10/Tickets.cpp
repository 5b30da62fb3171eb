#include "q10/Tickets.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "q10/Allocation.h"

namespace q10 {
namespace {

struct Request {
  RequestControl control;
  std::thread worker;
  std::mutex mutex;
  std::condition_variable finishedSignal;
  bool finished = false;
  bool delivered = false;
  Outcome outcome;
};
using RequestPtr = std::shared_ptr<Request>;

void Cancel(Request& request);

// At exit no worker may be left running: a joinable thread would end the process.
struct Requests {
  std::mutex mutex;
  std::unordered_map<int32_t, RequestPtr> byId;
  int32_t lastId = 0;
  ~Requests() {
    for (auto& [id, request] : byId) Cancel(*request);
  }
};

Requests& AllRequests() {
  static Requests requests;
  return requests;
}

RequestPtr Find(const QuillonNBTicket* ticket) {
  if (!ticket || ticket->ID == 0) return nullptr;
  auto& all = AllRequests();
  std::lock_guard lock(all.mutex);
  auto found = all.byId.find(ticket->ID);
  return found == all.byId.end() ? nullptr : found->second;
}

RequestPtr Take(int32_t id) {
  auto& all = AllRequests();
  std::lock_guard lock(all.mutex);
  auto found = all.byId.find(id);
  if (found == all.byId.end()) return nullptr;
  RequestPtr request = std::move(found->second);
  all.byId.erase(found);
  return request;
}

// Stops a request and joins its worker; its out-values are never delivered.
void Cancel(Request& request) {
  request.control.cancelled = true;
  std::atomic_ref<int>(request.control.connectCancel).store(1);
  if (request.worker.joinable() && request.worker.get_id() != std::this_thread::get_id())
    request.worker.join();
  std::lock_guard lock(request.mutex);
  if (!request.delivered) request.outcome = Outcome{QUILLON_RESULT_CANCELLED, {}};
  request.delivered = true;
  request.finished = true;
  request.control.progress = 100.0f;
}

void Finish(Request& request, Outcome outcome) {
  std::lock_guard lock(request.mutex);
  request.outcome = std::move(outcome);
  request.finished = true;
  request.control.progress = 100.0f;
  request.finishedSignal.notify_all();
}

// Delivers the out-values the first time a finished request is seen; returns its result.
QuillonResult DeliverOnce(Request& request) {
  std::function<void()> deliver;
  QuillonResult result;
  {
    std::lock_guard lock(request.mutex);
    result = request.outcome.result;
    if (!request.delivered) deliver = std::move(request.outcome.deliver);
    request.delivered = true;
  }
  try {
    if (deliver) deliver();
  } catch (...) {
    return QUILLON_RESULT_NO_MEMORY;
  }
  return result;
}

int32_t NextId(Requests& all) {
  do {
    all.lastId = all.lastId == INT32_MAX ? 1 : all.lastId + 1;
  } while (all.byId.count(all.lastId));
  return all.lastId;
}

QuillonResult Start(QuillonNBTicket* ticket, int32_t serverSerial, Work work) {
  // A ticket reused for a new request ends the request it carried before.
  if (ticket->ID != 0) {
    if (RequestPtr old = Take(ticket->ID)) Cancel(*old);
  }
  auto request = std::make_shared<Request>();
  auto& all = AllRequests();
  std::lock_guard lock(all.mutex);
  const int32_t id = NextId(all);
  try {
    request->worker = std::thread([request, work = std::move(work)] {
      Outcome outcome;
      try {
        outcome = work(request->control);
      } catch (...) {
        outcome = Outcome{QUILLON_RESULT_NO_MEMORY, {}};
      }
      Finish(*request, std::move(outcome));
    });
  } catch (...) {
    return QUILLON_RESULT_NO_MEMORY;
  }
  all.byId.emplace(id, std::move(request));
  ticket->ID = id;
  ticket->server_handle = serverSerial;
  return QUILLON_RESULT_OK;
}

}  // namespace

QuillonResult Submit(QuillonNBTicket* ticket, int32_t serverSerial, Work work) {
  if (ticket) return Start(ticket, serverSerial, std::move(work));
  RequestControl control;
  Outcome outcome = work(control);
  if (outcome.deliver) outcome.deliver();
  return outcome.result;
}

void EndAllRequests() {
  std::unordered_map<int32_t, RequestPtr> taken;
  {
    auto& all = AllRequests();
    std::lock_guard lock(all.mutex);
    taken.swap(all.byId);
  }
  for (auto& [id, request] : taken) Cancel(*request);
}

}  // namespace q10

using q10::RequestPtr;

extern "C" QuillonResult NB_checkTicket(QuillonNBTicket* ticket, float* progress, int32_t* phase,
                                        QuillonResult* result) {
  if (!ticket) return QUILLON_RESULT_BAD_PARAMETER;
  float reached = 100.0f;
  QuillonResult outcome = QUILLON_RESULT_OK;
  if (ticket->ID != 0) {
    RequestPtr request = q10::Find(ticket);
    if (!request) return QUILLON_RESULT_BAD_PARAMETER;
    reached = request->control.progress;
    if (reached >= 100.0f) {
      outcome = q10::DeliverOnce(*request);
    } else {
      reached = std::min(reached, 99.0f);
      outcome = QUILLON_RESULT_PENDING;
    }
  }
  if (progress) *progress = reached;
  if (phase) *phase = reached >= 100.0f ? 1 : 0;
  if (result) *result = outcome;
  return QUILLON_RESULT_OK;
}

extern "C" QuillonResult NB_block(QuillonNBTicket* ticket) {
  if (!ticket) return QUILLON_RESULT_BAD_PARAMETER;
  if (ticket->ID == 0) return QUILLON_RESULT_OK;
  RequestPtr request = q10::Find(ticket);
  if (!request) return QUILLON_RESULT_BAD_PARAMETER;
  {
    std::unique_lock lock(request->mutex);
    request->finishedSignal.wait(lock, [&] { return request->finished; });
  }
  q10::DeliverOnce(*request);
  return QUILLON_RESULT_OK;
}

extern "C" QuillonResult NB_cancel(QuillonNBTicket* ticket) {
  RequestPtr request = q10::Find(ticket);
  if (!request) return ticket ? QUILLON_RESULT_OK : QUILLON_RESULT_BAD_PARAMETER;
  q10::Cancel(*request);
  return QUILLON_RESULT_OK;
}

extern "C" QuillonResult NB_destroy(QuillonNBTicket* ticket) {
  if (!ticket) return QUILLON_RESULT_BAD_PARAMETER;
  if (RequestPtr request = q10::Take(ticket->ID)) q10::Cancel(*request);
  q10::ReleaseBlock(ticket);
  return QUILLON_RESULT_OK;
}
