#include "JobCommentInsertion.h"

#include <string_view>

namespace {

// A header line longer than this is not a comment the header scan needs to read whole: only
// its start decides, and the rest is copied through.
constexpr size_t kMaxHeaderLine = 512;
constexpr size_t kCopyBlock = 64 * 1024;

// Lines end in LF, CR LF or a lone CR, as PostScript allows.
bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }

// Reads up to `limit` bytes of a line, its end included when it comes within the limit.
std::string ReadLineStart(FILE* in, size_t limit) {
  std::string line;
  int c = 0;
  while (line.size() < limit && (c = getc(in)) != EOF) {
    line += char(c);
    if (c == '\n') break;
    if (c == '\r') {
      const int next = getc(in);
      if (next == '\n')
        line += '\n';
      else if (next != EOF)
        ungetc(next, in);
      break;
    }
  }
  return line;
}

bool EndsLine(const std::string& text) { return !text.empty() && IsLineEnd(text.back()); }

// Copies the rest of a line (its end included) from `in` to `out`; the last byte written.
int CopyRestOfLine(FILE* in, FILE* out) {
  std::string piece;
  int last = EOF;
  do {
    piece = ReadLineStart(in, kMaxHeaderLine);
    if (!piece.empty()) last = (unsigned char)piece.back();
    fwrite(piece.data(), 1, piece.size(), out);
  } while (piece.size() >= kMaxHeaderLine && !EndsLine(piece));
  return last;
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && IsLineEnd(line.back())) line.remove_suffix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

void WriteLines(FILE* out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) fwrite(line.data(), 1, line.size(), out);
}

// Copies the header lines after the first and writes `lines` where the header ends.
void CopyHeaderInsertingLines(FILE* in, FILE* out, bool atLineStart,
                              const std::vector<std::string>& lines) {
  for (;;) {
    const std::string line = ReadLineStart(in, kMaxHeaderLine);
    if (!line.starts_with("%%")) {
      // A job that ends inside its first line still gets its comments on lines of their own.
      if (!atLineStart) fputc('\n', out);
      WriteLines(out, lines);
      fwrite(line.data(), 1, line.size(), out);
      return;
    }
    fwrite(line.data(), 1, line.size(), out);
    if (!EndsLine(line) && line.size() >= kMaxHeaderLine) {
      atLineStart = IsLineEnd(CopyRestOfLine(in, out));
      continue;
    }
    atLineStart = EndsLine(line);
    if (WithoutLineEnd(line) == "%%EndComments") {
      if (!atLineStart) fputc('\n', out);
      WriteLines(out, lines);
      return;
    }
  }
}

bool CopyRest(FILE* in, FILE* out) {
  std::string block(kCopyBlock, '\0');
  size_t got = 0;
  while ((got = fread(block.data(), 1, block.size(), in)) > 0) {
    if (fwrite(block.data(), 1, got, out) != got) return false;
  }
  return true;
}

InsertionResult Finish(FILE* in, FILE* out, InsertionResult result) {
  if (fflush(out) != 0 || ferror(out)) return InsertionResult::WriteFailed;
  if (ferror(in)) return InsertionResult::ReadFailed;
  return result;
}

}  // namespace

InsertionResult CopyJobWithComments(FILE* in, FILE* out, const std::vector<std::string>& lines) {
  const int first = getc(in);
  const int second = first == '%' ? getc(in) : EOF;
  if (first != '%' || second != '!') {
    if (first != EOF) fputc(first, out);
    if (second != EOF) fputc(second, out);
    CopyRest(in, out);
    return Finish(in, out, InsertionResult::NotPostScript);
  }
  fputs("%!", out);
  const int last = CopyRestOfLine(in, out);
  CopyHeaderInsertingLines(in, out, IsLineEnd(last), lines);
  CopyRest(in, out);
  return Finish(in, out, InsertionResult::Inserted);
}

bool CopyJobUnchanged(FILE* in, FILE* out) {
  CopyRest(in, out);
  return Finish(in, out, InsertionResult::Inserted) == InsertionResult::Inserted;
}
