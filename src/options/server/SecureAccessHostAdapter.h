#pragma once
// The controller as the Secure Access client's host: the option record's credentials and address,
// the print dialog's window, the bundle, the panes' field limits, and the server-address dialog
// with the printer list of the current printer.
#include "comm/SecureAccessHost.h"

class CCorvelOptions;

class ControllerSecureAccessHost : public SecureAccessHost {
 public:
  explicit ControllerSecureAccessHost(CCorvelOptions& options) : mOptions(options) {}

  SecureAccessRecord Record() override;
  WindowRef GetPrinterWindow() override;
  OSStatus GetWindowFromNIB(const std::string& name, WindowRef* window) override;
  CFBundleRef GetBundle() override;
  void LimitTextField(ControlRef field, int32_t maxLength, bool alphanumeric) override;
  std::string PrinterListAddress() override;
  bool RunAddressDialog(WindowRef parent, std::string* address) override;
  void RememberPrinterAddress(const std::string& text) override;

 private:
  CCorvelOptions& mOptions;
};
