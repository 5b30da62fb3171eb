#pragma once
// The agent's subscription to the server's job events: Create-Printer-Subscriptions for every
// queue with the ippget pull method, its lease renewed before it runs out, the events fetched with
// Get-Notifications. cupsd answers Get-Notifications at once even when asked to wait
// (notify-wait), so the agent asks often; an answer without events costs the server little.
#include <chrono>
#include <string>

#include "PrintServer.h"

class JobSubscription {
 public:
  enum class Outcome { Subscribed, Refused, Unreachable };

  // Subscribes to job events on every queue; Refused when the server declines (its policy, say),
  // with the reason in `error`.
  Outcome Create(PrintServer& server, std::string* error);

  struct Events {
    bool reached = false;  // the server answered
    bool lost = false;     // it no longer knows the subscription: subscribe again
    int count = 0;         // events since the last fetch
  };
  // The events since the last fetch; renews the lease when half of it has passed.
  Events Fetch(PrintServer& server);

  // Ends the subscription, if there is one (best effort: the lease ends it anyway).
  void Cancel(PrintServer& server);

  int Id() const { return mId; }

 private:
  void RenewWhenDue(PrintServer& server);

  int mId = 0;
  int mNextSequence = 1;
  std::chrono::steady_clock::time_point mRenewAt;
};
