#include "SimConfig.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// Settings lines: a keyword and the settings byte it sets from "on" / "off".
struct FlagKeyword {
  const char* keyword;
  uint8_t SSecureAccessOptions::*flag;
};
constexpr FlagKeyword kFlagKeywords[] = {
    {"secure-access", &SSecureAccessOptions::bEnableSecureAccess},
    {"require-user-id", &SSecureAccessOptions::bUserID},
    {"require-password", &SSecureAccessOptions::bPassword},
    {"require-account-number", &SSecureAccessOptions::bAcctNumber},
};

void CopyText(unsigned char* field, const std::string& text) {
  const size_t length = std::min<size_t>(text.size(), 255);
  std::memset(field, 0, 256);
  std::memcpy(field, text.data(), length);
}

std::string Rest(std::istringstream& words) {
  std::string rest;
  std::getline(words >> std::ws, rest);
  return rest;
}

// "-" stands for an empty field.
std::string Field(const std::string& word) { return word == "-" ? "" : word; }

bool ReadLine(const std::string& line, SimConfig* config) {
  std::istringstream words(line);
  std::string keyword;
  if (!(words >> keyword) || keyword[0] == '#') return true;
  for (const FlagKeyword& flag : kFlagKeywords) {
    if (keyword != flag.keyword) continue;
    const std::string value = Rest(words);
    if (value != "on" && value != "off") return false;
    config->settings.*flag.flag = value == "on";
    return true;
  }
  if (keyword == "message") return CopyText(config->settings.strClientErrorMsg, Rest(words)), true;
  if (keyword == "email") return CopyText(config->settings.strEmailAddress, Rest(words)), true;
  if (keyword == "settings")
    return (config->settingsAvailable = Rest(words) != "unavailable"), true;
  if (keyword == "refuse") {
    config->refusalFlags = Rest(words);
    return config->refusalFlags.size() == 6;
  }
  if (keyword != "user") return false;
  std::string id, password, account;
  if (!(words >> id >> password >> account)) return false;
  config->users.push_back({Field(id), Field(password), Field(account)});
  return true;
}

}  // namespace

bool ReadSimConfig(const std::string& file, SimConfig* config, std::string* error) {
  std::ifstream in(file);
  if (!in) return *error = "cannot read " + file, false;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number)
    if (!ReadLine(line, config))
      return *error = file + ":" + std::to_string(number) + ": " + line, false;
  return true;
}

std::string ValidationAnswer(const SimConfig& config, const std::string& line) {
  std::string parts[3];
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t end = line.find(i < 2 ? '\t' : '\r', start);
    parts[i] = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? line.size() : end + 1;
  }
  std::string flags = "000000";
  const SimUser* user = nullptr;
  for (const SimUser& candidate : config.users)
    if (candidate.id == parts[0]) user = &candidate;
  if (!config.refusalFlags.empty()) return "301" + config.refusalFlags;
  if (!user) flags[0] = '1';
  if (user && user->password != parts[1]) flags[2] = '1';
  if (user && user->account != parts[2]) flags[4] = '1';
  return flags == "000000" ? "201" : "301" + flags;
}
