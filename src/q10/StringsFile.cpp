#include "q10/StringsFile.h"

#include <optional>

#include "q10/Limits.h"

namespace q10 {
namespace {

void SkipSpaces(std::string_view& line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
}

char Unescaped(char c) { return c == 'n' ? '\n' : c == 't' ? '\t' : c; }

// A quoted string at the start of line, which is moved past it.
std::optional<std::string> QuotedString(std::string_view& line) {
  SkipSpaces(line);
  if (line.empty() || line.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      line.remove_prefix(i + 1);
      return text;
    }
    char c = line[i];
    if (c == '\\' && i + 1 < line.size()) c = Unescaped(line[++i]);
    if (text.size() < kMaxValueLength) text += c;
  }
  return std::nullopt;
}

bool Expect(std::string_view& line, char c) {
  SkipSpaces(line);
  if (line.empty() || line.front() != c) return false;
  line.remove_prefix(1);
  return true;
}

}  // namespace

StringsTable ParseStringsFile(std::string_view text) {
  StringsTable table;
  while (!text.empty() && table.size() < kMaxStrings) {
    const auto end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    auto key = QuotedString(line);
    if (!key || !Expect(line, '=')) continue;
    auto value = QuotedString(line);
    if (value && Expect(line, ';')) table.try_emplace(std::move(*key), std::move(*value));
  }
  return table;
}

}  // namespace q10
