#pragma once
// The options controller. So far it holds the text transformations that need no controller
// object: password scrambling, the comment's problem characters and the job-comment file name.
// Passwords are scrambled, not encrypted: an obfuscation against casual reading.
#include <string>

class CCorvelOptions {
 public:
  // Scrambles the NUL-terminated text in place with the key "Orvek" into pairs of base-23 digits
  // ("0"-"9", "A"-"M"); the result is twice as long, so the buffer must hold it. Null: nothing.
  static void EncryptUserPassword(char* text);
  // Undoes EncryptUserPassword in place; the result is half as long. Null: nothing.
  static void DecryptUserPassword(char* text);
  // Replaces every apostrophe, comma, CR and LF with "<27>", "<2C>", "<0D>", "<0A>" in place; the
  // result is at most four times as long, so the buffer must hold it. Null: nothing.
  static void SwitchCUPSProblemChars(char* text);
  // base followed by a pseudo-random number from 0 to 65535 ("%s%d"; the number alone without a
  // base). Also copied into out when out is given (room for the base and 5 digits).
  static std::string CreateRandomFileName(const char* base, char* out);
};
