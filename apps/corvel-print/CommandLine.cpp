#include "CommandLine.h"

#include <string_view>

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
  if (line->files.empty()) {
    *error = "no document to print";
    return false;
  }
  return true;
}
