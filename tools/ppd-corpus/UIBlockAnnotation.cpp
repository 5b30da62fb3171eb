#include "UIBlockAnnotation.h"

#include <string_view>

namespace {

constexpr std::string_view kOpener = "*OpenUI";

// The option keyword of an opener line ("*Key" of "*OpenUI *Key/Text: PickOne"); empty when the
// line is no opener or names no option.
std::string_view OpenedKeyword(std::string_view line) {
  if (line.substr(0, kOpener.size()) != kOpener) return {};
  line.remove_prefix(kOpener.size());
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos || line[start] != '*') return {};
  const size_t end = line.find_first_of("/: \t\r\n", start);
  return line.substr(start, end == std::string_view::npos ? end : end - start);
}

}  // namespace

std::string AnnounceUIBlocks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    end = end == std::string::npos ? text.size() : text.find_first_not_of("\r\n", end);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + start, end - start);
    const std::string_view keyword = OpenedKeyword(line);
    if (keyword.size() > 1) {
      out += "*%KTVFlags ";
      out += keyword;
      out += " Setup\n";
    }
    out += line;
    start = end;
  }
  return out;
}
