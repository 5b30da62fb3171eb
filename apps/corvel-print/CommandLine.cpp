#include "CommandLine.h"

#include <charconv>
#include <string_view>

namespace {

// A job id: a positive decimal number, nothing else.
bool ParseJobID(const std::string& text, int* job, std::string* error) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, *job);
  if (ec == std::errc() && ptr == end && *job > 0) return true;
  *error = "--job needs a job number (a positive integer), not \"" + text + "\"";
  return false;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= argc) {
        *error = std::string(arg) + " needs a value";
        return false;
      }
      *out = argv[++i];
      return true;
    };
    auto step = [&](ScriptStep::Kind kind) {
      std::string text;
      ScriptStep parsed;
      if (!value(&text) || !ParseScriptStep(kind, text, &parsed, error)) return false;
      line->steps.push_back(parsed);
      return true;
    };
    std::string text;
    bool ok = true;
    if (arg == "-P")
      ok = value(&line->queue);
    else if (arg == "--job")
      ok = value(&text) && ParseJobID(text, &line->job, error);
    else if (arg == "--bundle")
      ok = value(&text), line->bundle = text;
    else if (arg == "--headless")
      line->headless = true;
    else if (arg == "--dry-run")
      line->dryRun = line->headless = true;
    else if (arg == "--set")
      ok = step(ScriptStep::Kind::Set);
    else if (arg == "--type")
      ok = step(ScriptStep::Kind::Type);
    else if (arg == "--click")
      ok = step(ScriptStep::Kind::Click);
    else if (arg == "--answer") {
      ModalAnswer answer;
      ok = value(&text) && ParseModalAnswer(text, &answer, error);
      if (ok) line->answers.push_back(answer);
    } else if (arg.size() > 1 && arg[0] == '-') {
      *error = "unknown option " + std::string(arg);
      return false;
    } else
      line->files.emplace_back(arg);
    if (!ok) return false;
  }
  if (line->job > 0 && !line->files.empty()) {
    *error = "--job prints the held job: give no FILE with it";
    return false;
  }
  if (line->job == 0 && line->files.empty()) {
    *error = "no document to print";
    return false;
  }
  return true;
}
