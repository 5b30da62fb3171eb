#pragma once
// The server's Secure Access settings, 521 bytes received byte for byte. After receipt the two
// texts are turned in place from NUL-terminated into length-prefixed strings.
#include <cstdint>

struct SSecureAccessOptions {
  uint8_t eSecureAccessSetting;
  uint8_t bEnableSecureAccess;  // non-zero: the server validates credentials
  uint8_t bUserID;              // non-zero: the user ID is required
  uint8_t bUserIDVerify;
  uint8_t bPassword;    // non-zero: the password is required
  uint8_t bAcctNumber;  // non-zero: the account number is required
  uint8_t bAcctNumberVerify;
  uint8_t bExemptionFlag1;
  uint8_t bExemptionFlag2;
  unsigned char strClientErrorMsg[256];  // shown when validation fails
  unsigned char strEmailAddress[256];    // the contact shown when validation fails
};
static_assert(sizeof(SSecureAccessOptions) == 521, "the settings travel as 521 bytes");

// Turns a NUL-terminated text of a 256-byte field into a length-prefixed one (at most 255
// characters; a text without terminator is cut there).
void CStringFieldToPString(unsigned char* field);
