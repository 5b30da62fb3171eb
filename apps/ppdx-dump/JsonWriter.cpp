#include "JsonWriter.h"

#include <cstdio>

namespace {

// Length of the well-formed UTF-8 sequence at text[i], or 0 when the bytes there are not one.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  uint32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, min = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, min = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, min = 0x10000;
  else
    return 0;
  if (i + length > text.size()) return 0;
  uint32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void AppendEscaped(std::string& out, unsigned char c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04X", c);
  out += buffer;
}

}  // namespace

std::string JsonWriter::Quote(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const size_t length = Utf8SequenceLength(text, i);
      if (length == 0) {
        AppendEscaped(out, c);
        ++i;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F)
          AppendEscaped(out, c);
        else
          out += char(c);
    }
    ++i;
  }
  out += '"';
  return out;
}

void JsonWriter::NewLine() {
  mOut += '\n';
  mOut.append(mHasItems.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (mAfterKey) {
    mAfterKey = false;
    return;
  }
  if (mHasItems.empty()) return;
  if (mHasItems.back()) mOut += ',';
  mHasItems.back() = true;
  NewLine();
}

void JsonWriter::BeginObject() {
  BeforeValue();
  mOut += '{';
  mHasItems.push_back(false);
}

void JsonWriter::BeginArray() {
  BeforeValue();
  mOut += '[';
  mHasItems.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool hadItems = mHasItems.back();
  mHasItems.pop_back();
  if (hadItems) NewLine();
  mOut += bracket;
  if (mHasItems.empty()) mOut += '\n';
}

void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  mOut += Quote(key);
  mOut += ": ";
  mAfterKey = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  mOut += Quote(text);
}

void JsonWriter::String(const char* text) {
  if (text == nullptr)
    Null();
  else
    String(std::string_view(text));
}

void JsonWriter::Null() {
  BeforeValue();
  mOut += "null";
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  mOut += value ? "true" : "false";
}

void JsonWriter::Int(int64_t value) {
  BeforeValue();
  mOut += std::to_string(value);
}
