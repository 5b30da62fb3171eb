#include "Agent.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "AgentLog.h"
#include "CorvelQueues.h"
#include "DialogProcess.h"
#include "JobSubscription.h"
#include "PromptQueue.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// Often enough that a held job's dialog opens well within a third of a second.
constexpr Milliseconds kEventPoll{100};
// Without a subscription the job list itself is asked for.
constexpr Milliseconds kJobListPoll{2000};
constexpr Milliseconds kFirstRetry{500};
constexpr Milliseconds kLongestRetry{10000};

// Sleeps `duration`, or less when a signal arrives.
void Pause(Milliseconds duration) {
  const timespec wait{time_t(duration.count() / 1000), long(duration.count() % 1000) * 1000000};
  nanosleep(&wait, nullptr);
}

class Agent {
 public:
  explicit Agent(const AgentSettings& settings)
      : mSettings(settings), mQueues(settings.bundleContents) {}

  // One turn of the loop; the pause before the next.
  Milliseconds Turn() {
    ReportEndedDialog();
    if (!mServer.Connected() && !Reconnect()) return RetryDelay();
    if (!LearnOfHeldJobs()) return kEventPoll;
    OpenNextDialog();
    return kEventPoll;
  }

  void Finish() { mSubscription.Cancel(mServer); }

 private:
  // Connects and subscribes again; false (with the retry planned) while the server is away.
  bool Reconnect() {
    if (Clock::now() < mRetryAt) return false;
    std::string error;
    if (!mServer.Connect(&error)) return ServerUnreachable(error);
    mSubscription.Cancel(mServer);  // a subscription kept over a restart is ours to end
    switch (mSubscription.Create(mServer, &error)) {
      case JobSubscription::Outcome::Unreachable:
        return ServerUnreachable(error);
      case JobSubscription::Outcome::Refused:
        if (!mPolling)
          AgentLog(
              "the print server refused a subscription to job events (%s); asking for held "
              "jobs every %lld s instead",
              error.c_str(), static_cast<long long>(kJobListPoll.count() / 1000));
        mPolling = true;
        break;
      case JobSubscription::Outcome::Subscribed:
        mPolling = false;
        break;
    }
    if (mRetry != Milliseconds::zero()) AgentLog("reached the print server again");
    mRetry = Milliseconds::zero();
    mListDue = true;
    return true;
  }

  bool ServerUnreachable(const std::string& error) {
    mServer.Disconnect();
    const Milliseconds next = std::clamp(mRetry * 2, kFirstRetry, kLongestRetry);
    if (mRetry == Milliseconds::zero())
      AgentLog("cannot reach the print server (%s); trying again in %.1f s", error.c_str(),
               double(next.count()) / 1000);
    mRetry = next;
    mRetryAt = Clock::now() + mRetry;
    return false;
  }

  Milliseconds RetryDelay() const {
    return std::clamp(std::chrono::duration_cast<Milliseconds>(mRetryAt - Clock::now()),
                      Milliseconds(1), kEventPoll);
  }

  // Fetches events (or, without a subscription, waits for the next listing) and lists the held
  // jobs when something may have changed; false when the server went away.
  bool LearnOfHeldJobs() {
    if (mPolling) {
      mListDue |= Clock::now() >= mNextListing;
    } else {
      const JobSubscription::Events events = mSubscription.Fetch(mServer);
      if (!events.reached) return ServerUnreachable(cupsLastErrorString());
      if (events.lost) {
        mServer.Disconnect();  // subscribe again on the next turn
        return false;
      }
      mListDue |= events.count > 0;
    }
    if (!mListDue) return true;
    std::string error;
    const std::optional<std::vector<HeldJob>> held = ListHeldJobs(mServer, &error);
    if (!held) return ServerUnreachable(error);
    std::vector<HeldJob> corvel;
    for (const HeldJob& job : *held) {
      const std::optional<bool> isCorvel = mQueues.IsCorvelQueue(mServer, job.queue);
      if (!isCorvel) return ServerUnreachable(cupsLastErrorString());
      if (*isCorvel) corvel.push_back(job);
    }
    mPrompts.Update(corvel);
    mListDue = false;
    mNextListing = Clock::now() + kJobListPoll;
    return true;
  }

  void OpenNextDialog() {
    if (mDialog.Busy()) return;
    const std::optional<HeldJob> job = mPrompts.Next();
    if (!job) return;
    AgentLog("job %d (%s) on %s is held; opening its dialog", job->id, job->name.c_str(),
             job->queue.c_str());
    std::string error;
    if (!mDialog.Start(mSettings.dialogCommand, *job, &error))
      AgentLog("%s; job %d stays held (print or cancel it with corvel-print --job %d)",
               error.c_str(), job->id, job->id);
  }

  void ReportEndedDialog() {
    const std::optional<DialogProcess::Ended> ended = mDialog.Poll();
    if (!ended || ended->exitStatus == 0) return;
    AgentLog(
        "the dialog of job %d ended with status %d; a job still held is offered again at "
        "the agent's next start, or run corvel-print --job %d",
        ended->job.id, ended->exitStatus, ended->job.id);
  }

  const AgentSettings& mSettings;
  PrintServer mServer;
  JobSubscription mSubscription;
  CorvelQueues mQueues;
  PromptQueue mPrompts;
  DialogProcess mDialog;
  bool mPolling = false;
  bool mListDue = true;
  Clock::time_point mNextListing;
  Milliseconds mRetry{0};
  Clock::time_point mRetryAt;
};

}  // namespace

void RunAgent(const AgentSettings& settings, const volatile std::sig_atomic_t& stop) {
  Agent agent(settings);
  while (!stop) {
    const Milliseconds pause = agent.Turn();
    if (!stop) Pause(pause);
  }
  agent.Finish();
}
