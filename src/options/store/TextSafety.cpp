// Password scrambling, the comment's problem characters and the job-comment file name.
#include "options/store/TextSafety.h"

#include <cstring>
#include <string>

#include "options/CCorvelOptions.h"
#include "platform/Random.h"

namespace {

constexpr char kKey[] = "Orvek";
constexpr size_t kKeyLength = sizeof(kKey) - 1;
constexpr char kDigits[] = "0123456789ABCDEFGHIJKLM";
constexpr int kBase = sizeof(kDigits) - 1;  // 23

int DigitValue(char digit) { return digit >= '0' && digit <= '9' ? digit - '0' : digit - 55; }

// The bracketed code of a character the printing system cannot take in a comment; null for the
// others.
const char* ProblemCharCode(char c) {
  switch (c) {
    case '\'':
      return "<27>";
    case ',':
      return "<2C>";
    case '\r':
      return "<0D>";
    case '\n':
      return "<0A>";
    default:
      return nullptr;
  }
}

}  // namespace

std::string ScrambledText(std::string_view plain) {
  std::string scrambled;
  for (size_t i = 0; i < plain.size() && plain[i]; ++i) {
    // Bytes are taken unsigned, so a byte from 0x80 up also gives two digits (at most 255 + 'v',
    // whose quotient 16 is still a digit) and unscrambles back; ASCII is the same either way.
    const int sum = static_cast<unsigned char>(plain[i]) + kKey[i % kKeyLength];
    scrambled += kDigits[sum / kBase];
    scrambled += kDigits[sum % kBase];
  }
  return scrambled;
}

std::string UnscrambledText(std::string_view scrambled) {
  std::string plain;
  for (size_t i = 0; 2 * i + 1 < scrambled.size() && scrambled[2 * i] && scrambled[2 * i + 1];
       ++i) {
    const int value = DigitValue(scrambled[2 * i]) * kBase + DigitValue(scrambled[2 * i + 1]);
    const char c = static_cast<char>(static_cast<unsigned char>(value - kKey[i % kKeyLength]));
    if (c == '\0') break;
    plain += c;
  }
  return plain;
}

std::string WithoutCUPSProblemChars(std::string_view text) {
  std::string safe;
  for (char c : text) {
    if (const char* code = ProblemCharCode(c))
      safe += code;
    else
      safe += c;
  }
  return safe;
}

std::string WithoutControlCharacters(std::string text) {
  std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  return text;
}

// The controller's in-place forms, for callers that hold C buffers.
namespace {

void Replace(char* text, const std::string& with) {
  std::memcpy(text, with.c_str(), with.size() + 1);
}

}  // namespace

void CCorvelOptions::EncryptUserPassword(char* text) {
  if (text) Replace(text, ScrambledText(text));
}

void CCorvelOptions::DecryptUserPassword(char* text) {
  if (text) Replace(text, UnscrambledText(text));
}

void CCorvelOptions::SwitchCUPSProblemChars(char* text) {
  if (text) Replace(text, WithoutCUPSProblemChars(text));
}

std::string CCorvelOptions::CreateRandomFileName(const char* base, char* out) {
  const unsigned number = static_cast<uint16_t>(Random());
  std::string name = (base ? base : "") + std::to_string(number);
  if (out) std::memcpy(out, name.c_str(), name.size() + 1);
  return name;
}
