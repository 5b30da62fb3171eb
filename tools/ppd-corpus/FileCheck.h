#pragma once
// One printer description through the extended parser and, with its UI blocks announced,
// through the model walk the dialog makes (fuzz/ModelWalk.cpp), in a child process of its own
// with a time bound: a crash or a hang ends that child, never the run.
#include <filesystem>
#include <string>

enum class FileOutcome {
  Walked,            // parsed, and its announced form walked without contradiction
  Refused,           // the parser refused it with a fatal error (the message says which)
  RefusedAnnounced,  // parsed, but its announced form was refused, so it was not walked
  Crashed,           // the child died of a signal or a broken property
  Hung,              // the child outlived the time bound and was killed
};

struct FileResult {
  FileOutcome outcome = FileOutcome::Crashed;
  std::string message;  // why it was refused, crashed or hung; empty when walked
};

// Checks `file`, writing its announced form to `scratch`; a child that runs longer than
// `secondsBound` is killed.
FileResult CheckPPDFile(const std::filesystem::path& file, const std::filesystem::path& scratch,
                        unsigned secondsBound);
