#pragma once
// A small streaming JSON writer for the dump: objects, arrays, keys and scalar values, with
// commas placed automatically and indentation for a readable result.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);

  void String(std::string_view text);
  // Writes null for a null text.
  void String(const char* text);
  void Null();
  void Bool(bool value);
  void Int(int64_t value);

  const std::string& Text() const { return mOut; }

  // Text as a JSON string literal: valid UTF-8 is kept, bytes that are not are written as \u00XX.
  static std::string Quote(std::string_view text);

 private:
  void BeforeValue();
  void Close(char bracket);
  void NewLine();

  std::string mOut;
  std::vector<bool> mHasItems;  // one entry per open object or array
  bool mAfterKey = false;
};
