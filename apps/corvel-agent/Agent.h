#pragma once
// The agent's loop: stay subscribed to the server's job events, list the user's held jobs on
// Corvel queues whenever something happened, and open their dialogs one after another. When the
// server cannot be reached it says so once and tries again, waiting longer each time up to a
// bound; when the server refuses the subscription it asks for held jobs every two seconds.
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

struct AgentSettings {
  std::vector<std::string> dialogCommand;
  std::filesystem::path bundleContents;  // the bundle whose rule decides the Corvel queues
};

// Runs until `stop` is set (by a signal handler); cancels the subscription on the way out.
void RunAgent(const AgentSettings& settings, const volatile std::sig_atomic_t& stop);
