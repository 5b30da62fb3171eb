#pragma once
// Places comment lines into a PostScript job as it streams past: the job's header comments
// (its first line and the "%%" lines after it, up to and including "%%EndComments") are copied,
// then the lines, then the rest of the job byte for byte. Only the header is looked at line by
// line; the rest goes through in large blocks, so the size of a job does not matter.
#include <cstdio>
#include <string>
#include <vector>

enum class InsertionResult {
  Inserted,       // the job carries the lines after its header
  NotPostScript,  // the job does not start with "%!": copied unchanged
  ReadFailed,     // the job could not be read to its end
  WriteFailed,    // the output refused bytes
};

// Copies the job from `in` to `out`, inserting `lines` (each written as it is) after the header
// comments. Takes ownership of neither stream; flushes `out`.
InsertionResult CopyJobWithComments(FILE* in, FILE* out, const std::vector<std::string>& lines);

// Copies `in` to `out` unchanged; false when reading or writing failed. Flushes `out`.
bool CopyJobUnchanged(FILE* in, FILE* out);
