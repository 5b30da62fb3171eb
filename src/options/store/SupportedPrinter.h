#pragma once
// Which printers the extension serves, decided from their PPD alone: the model its short nickname
// names, and a PPD file the bundle's printer list names. The dialog's start-up and the agent that
// opens dialogs for held jobs ask the same rule, so a queue is a Corvel queue to both or to
// neither.
#include <filesystem>
#include <string>
#include <vector>

inline constexpr const char* kCorvelModelName = "Corvel MTQ-ix";
inline constexpr const char* kSecureAccessSuffix = "SA";

// The short nickname starts with the model name (case-sensitive, all 13 characters).
bool IsCorvelModel(const char* shortNickName);
// The short nickname ends in "SA".
bool IsSecureAccessModel(const char* shortNickName);
// An empty list accepts every file; otherwise the PCFileName must be one of the names, in any case.
bool IsSupportedPCFileName(const char* pcFileName, const std::vector<std::string>& supported);

// True when the extension serves a printer of this PPD; otherwise false with the reason, worded
// for a log line, in `reason`.
bool AcceptsPrinterDescription(const char* shortNickName, const char* pcFileName,
                               const std::vector<std::string>& supported, std::string* reason);

// The PPD file names the bundle whose Contents folder is `contentsFolder` serves; empty when its
// printer list is absent or names none.
std::vector<std::string> SupportedPCFileNames(const std::filesystem::path& contentsFolder);
