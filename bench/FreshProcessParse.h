#pragma once
// The parse a dialog makes is the first one in its process: no converter is open yet, no table
// built, no allocator pool warm, no library symbol bound. To measure that, the benchmark program
// starts itself once per file with kParseOnceFlag; the child parses the file once and writes the
// CPU time of that parse alone (clock_gettime(CLOCK_PROCESS_CPUTIME_ID) around it) to its
// standard output, so the program's own start-up is not counted.
#include <filesystem>
#include <optional>
#include <string_view>

inline constexpr std::string_view kParseOnceFlag = "--parse-once";

// One way of parsing a file: opens it, builds what a dialog needs, and releases it again.
using ParseOnce = void (*)(const std::filesystem::path& file);

// When the arguments are kParseOnceFlag PARSER FILE, parses FILE once with parse and prints the
// CPU nanoseconds it took; returns the exit status. nullopt when the arguments ask for no parse.
std::optional<int> AnswerParseOnceRequest(int argc, char** argv, std::string_view parserName,
                                          ParseOnce parse);

// Runs this program as a child to parse file once with the parser of that name; the child's CPU
// seconds for the parse, or nullopt when the child could not be started or gave no time.
std::optional<double> ParseInFreshProcess(std::string_view parserName,
                                          const std::filesystem::path& file);
