#pragma once
// The Secure Access service's configuration: its settings and its users, read from a small text
// file (format in README.md), and how it answers requests.
#include <string>
#include <vector>

#include "comm/SSecureAccessOptions.h"

struct SimUser {
  std::string id, password, account;
};

struct SimConfig {
  SSecureAccessOptions settings{};
  bool settingsAvailable = true;  // false: "300" to the settings request
  std::vector<SimUser> users;
  std::string refusalFlags;  // when set: every validation is refused with these six flags
};

// Reads the configuration file; false with the line at fault in `error`.
bool ReadSimConfig(const std::string& file, SimConfig* config, std::string* error);

// The answer to a validation line "user\tpassword\taccount\r": "201", or "301" and six flag
// characters with "1" at 0 (unknown user), 2 (wrong password) or 4 (wrong account number), or
// the configured refusal.
std::string ValidationAnswer(const SimConfig& config, const std::string& line);
