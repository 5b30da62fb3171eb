#pragma once
// A printer's strings file: lines of the form "key" = "value"; with backslash escapes for the
// quote, the backslash and new lines. A line that does not have that form is skipped, so a file
// that does not parse at all gives no strings, and lookups fall back to the caller's text.
#include <map>
#include <string>
#include <string_view>

namespace q10 {

using StringsTable = std::map<std::string, std::string, std::less<>>;

// At most kMaxStrings entries; the first of two equal keys wins.
StringsTable ParseStringsFile(std::string_view text);

}  // namespace q10
