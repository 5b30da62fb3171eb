#include "CommandLine.h"

#include <charconv>

#include "CommandLineOptions.h"

namespace {

// A job id: a positive decimal number, nothing else.
bool ParseJobID(const std::string& text, int* job, std::string* error) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, *job);
  if (ec == std::errc() && ptr == end && *job > 0) return true;
  *error = "--job needs a job number (a positive integer), not \"" + text + "\"";
  return false;
}

// False with the reason in `error` when the operands do not fit the options.
bool CheckDocuments(const CommandLine& line, std::string* error) {
  if (line.job > 0 && !line.files.empty())
    *error = "--job prints the held job: give no FILE with it";
  else if (line.job == 0 && line.files.empty())
    *error = "no document to print";
  else
    return true;
  return false;
}

}  // namespace

ScannedCommandLine::Outcome ParseCommandLine(int argc, char** argv, CommandLine* line,
                                             std::string* error) {
  auto step = [line](ScriptStep::Kind kind) {
    return [line, kind](const char* text, std::string* error) {
      ScriptStep parsed;
      if (!ParseScriptStep(kind, text, &parsed, error)) return false;
      line->steps.push_back(parsed);
      return true;
    };
  };
  const CommandLineOption options[] = {
      {nullptr, 'P', true,
       [line](const char* queue, std::string*) { return line->queue = queue, true; }},
      {"job", 0, true,
       [line](const char* text, std::string* error) {
         return ParseJobID(text, &line->job, error);
       }},
      {"bundle", 0, true,
       [line](const char* path, std::string*) { return line->bundle = path, true; }},
      {"headless", 0, false, [line](const char*, std::string*) { return line->headless = true; }},
      {"dry-run", 0, false,
       [line](const char*, std::string*) { return line->dryRun = line->headless = true; }},
      {"set", 0, true, step(ScriptStep::Kind::Set)},
      {"type", 0, true, step(ScriptStep::Kind::Type)},
      {"click", 0, true, step(ScriptStep::Kind::Click)},
      {"answer", 0, true,
       [line](const char* text, std::string* error) {
         ModalAnswer answer;
         if (!ParseModalAnswer(text, &answer, error)) return false;
         line->answers.push_back(answer);
         return true;
       }},
  };
  ScannedCommandLine scanned = ScanCommandLine(argc, argv, options);
  *error = scanned.mistake;
  if (scanned.outcome != ScannedCommandLine::Outcome::Scanned) return scanned.outcome;
  line->files.assign(scanned.operands.begin(), scanned.operands.end());
  return CheckDocuments(*line, error) ? scanned.outcome : ScannedCommandLine::Outcome::Mistake;
}
