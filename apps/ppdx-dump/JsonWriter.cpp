#include "JsonWriter.h"

#include <cstdio>

#include "platform/UTF8.h"

namespace {

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
      const std::optional<UTF8Character> character = DecodeUTF8Character(text, i);
      if (!character) {
        AppendEscaped(out, c);
        ++i;
      } else {
        out.append(text.substr(i, character->length));
        i += character->length;
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
