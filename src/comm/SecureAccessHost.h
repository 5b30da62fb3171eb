#pragma once
// What the Secure Access client needs from the print dialog it works for: the credentials and
// server address in the option record, the dialog's window, the bundle's interface file and
// resources, the edit-field limits, and the server-address dialog with the printer list behind it.
#include <cstdint>
#include <string>

#include "platform/Bundle.h"
#include "platform/toolkit/ToolkitTypes.h"

// The option record's fields the client reads and writes: length-prefixed 256-byte strings.
struct SecureAccessRecord {
  unsigned char* owner = nullptr;
  unsigned char* password = nullptr;
  unsigned char* acctNumber = nullptr;
  unsigned char* ipAddress = nullptr;
  uint8_t* bInitialConnection = nullptr;
};

class SecureAccessHost {
 public:
  virtual ~SecureAccessHost() = default;
  virtual SecureAccessRecord Record() = 0;
  virtual WindowRef GetPrinterWindow() = 0;
  // A window of the bundle's interface file; the caller owns it.
  virtual OSStatus GetWindowFromNIB(const std::string& name, WindowRef* window) = 0;
  virtual CFBundleRef GetBundle() = 0;
  // Limits an edit field to `maxLength` characters (letters and digits only when `alphanumeric`)
  // with the panes' key filters and validation procedure.
  virtual void LimitTextField(ControlRef field, int32_t maxLength, bool alphanumeric) = 0;
  // The address the printer list holds for the current printer; empty when none.
  virtual std::string PrinterListAddress() = 0;
  // Runs the two-way communication address dialog on `parent`, starting with `address`. False
  // when cancelled; otherwise `address` holds the text entered.
  virtual bool RunAddressDialog(WindowRef parent, std::string* address) = 0;
  // Records `text` (enabled) for the current printer in the printer list and saves the list.
  virtual void RememberPrinterAddress(const std::string& text) = 0;
};
