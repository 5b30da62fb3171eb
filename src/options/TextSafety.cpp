// Password scrambling, the comment's problem characters and the job-comment file name.
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

void CCorvelOptions::EncryptUserPassword(char* text) {
  if (!text) return;
  std::string scrambled;
  for (size_t i = 0; text[i]; ++i) {
    // Bytes are taken unsigned, so a byte from 0x80 up also gives two digits (at most 255 + 'v',
    // whose quotient 16 is still a digit) and unscrambles back; ASCII is the same either way.
    const int sum = static_cast<unsigned char>(text[i]) + kKey[i % kKeyLength];
    scrambled += kDigits[sum / kBase];
    scrambled += kDigits[sum % kBase];
  }
  std::memcpy(text, scrambled.c_str(), scrambled.size() + 1);
}

void CCorvelOptions::DecryptUserPassword(char* text) {
  if (!text) return;
  std::string plain;
  for (size_t i = 0; text[2 * i] && text[2 * i + 1]; ++i) {
    const int value = DigitValue(text[2 * i]) * kBase + DigitValue(text[2 * i + 1]);
    plain += static_cast<char>(static_cast<unsigned char>(value - kKey[i % kKeyLength]));
  }
  std::memcpy(text, plain.c_str(), plain.size() + 1);
}

void CCorvelOptions::SwitchCUPSProblemChars(char* text) {
  if (!text) return;
  std::string safe;
  for (const char* c = text; *c; ++c) {
    if (const char* code = ProblemCharCode(*c))
      safe += code;
    else
      safe += *c;
  }
  std::memcpy(text, safe.c_str(), safe.size() + 1);
}

std::string CCorvelOptions::CreateRandomFileName(const char* base, char* out) {
  const unsigned number = static_cast<uint16_t>(Random());
  std::string name = (base ? base : "") + std::to_string(number);
  if (out) std::memcpy(out, name.c_str(), name.size() + 1);
  return name;
}
