#pragma once
// The server-address dialog: asks for the address of the print server a printer sends its jobs
// to, as a dotted address or a host name. The typed text is checked when the user presses OK;
// a wrong one is explained in an alert over the dialog, which then stays open.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/toolkit/ToolkitOwners.h"
#include "ui/UI_DialogWait.h"

class UI_TwoWayCommDialog : public UI_DialogWait {
 public:
  static constexpr size_t kMaxAddressLength = 255;

  // Builds the dialog and, when its window exists, waits for the user. True when the user
  // confirmed: `result` then holds the typed address (at most 255 bytes and a terminator). False
  // at once when `result` is null. An empty address is accepted only when `allowBlank`.
  static bool ShowTwoWayCommDialog(const char* address,
                                   const std::optional<std::string>& printerName, char* result,
                                   WindowRef parentWindow, bool allowBlank);

  UI_TwoWayCommDialog(const char* address, const std::optional<std::string>& printerName,
                      WindowRef parentWindow, bool allowBlank);
  ~UI_TwoWayCommDialog() override;

  // 1 accepts, 0 keeps the dialog open after an alert, -1 when that alert was cancelled.
  int validateInput() override;
  // True when every character is a letter, a digit, '-' or '.'.
  static bool validateAddress(const std::string& text);
  void show() override;
  void onOK() override;
  void onCancel() override;
  // Copies the address field (at most 255 bytes and a terminator) into `out`.
  void getServerNameField(char* out);
  void setPrinterField(const std::string& text);
  void setServerNameField(const char* text);

  bool isInitialized() const { return mInitialized; }

 private:
  void initRefs();
  void setLabel(OSType signature, const char* key, bool small);
  // Shows the message with "PRESS_OKAY" below it; -1 when the user cancelled it, else 0.
  int tellUser(const char* key);

  NibOwner mBidiNibs;
  WindowOwner mWindow;  // mWindowRef refers to it
  ControlRef mAddressRef = nullptr;
  ControlRef mPrinterNameRef = nullptr;
  char mServerName[kMaxAddressLength + 1] = {};
  std::string mPrinterName;
  bool mInitialized = false;
  bool mAllowBlankField = false;
};
