#pragma once
// The Secure Access client: fetches the server's Secure Access settings, sends the user's
// credentials for validation, and runs the Secure Access dialogs. One client lives for one
// validation or one address dialog; every request goes over a fresh connection that is closed
// before the next step. Answers are plain bytes: "200" + 521 bytes of settings or "300" to the
// settings request; "201", or "301" + six flag characters, to the validation request.
#include <cstdint>
#include <memory>

#include "comm/CTCPIPClient.h"
#include "comm/SSecureAccessOptions.h"
#include "comm/SecureAccessHost.h"
#include "platform/toolkit/Events.h"

class CSecureAccessClient;

// The Secure Access dialog's command handler data.
struct SecureAccessData {
  CSecureAccessClient* pSecureAccessClient = nullptr;
  bool bCancelHit = true;
  WindowRef secureAccessWindow = nullptr;
  WindowRef secureAccessErrWindow = nullptr;
};

class CSecureAccessClient {
 public:
  static constexpr short kSecureAccessPort = 8163;
  // The flags text of a refusal: "1" at these positions marks the rejected item.
  static constexpr int kFlagsLength = 6;
  // String list 228: entry 2 when the server cannot be reached, 3 when no usable answer came.
  static constexpr int16_t kErrorStringList = 228;
  static constexpr int16_t kUnreachableEntry = 2;
  static constexpr int16_t kCommErrorEntry = 3;

  // Copies the credentials from the host's record and makes the TCP client for its address.
  explicit CSecureAccessClient(SecureAccessHost* host);
  CSecureAccessClient(const CSecureAccessClient&) = delete;
  CSecureAccessClient& operator=(const CSecureAccessClient&) = delete;

  // The whole check the Print button runs: true when printing may go ahead.
  bool DoSecureAccessValidation();
  bool DoValidateDocInfo();
  // Fetches the settings; false when they could not be had (for "300", a short answer or no
  // connection every credential is then marked required).
  bool GetSecureAccessSettings();
  // Sends the credentials. True when valid; false otherwise, with `commError` set when no usable
  // answer came and `flags` (7 bytes) holding the server's flags text after a refusal.
  bool DoValidateSecureAccessInfo(char* flags, bool* commError);
  // DoValidateSecureAccessInfo with its messages shown on `parent`.
  bool ValidateSecureAccessInfo(WindowRef parent, bool* commError);
  // Runs the Secure Access dialog; true when it was cancelled or failed (the dialog's bCancelHit).
  bool DoSecureAccessDlg();
  // Asks for the server address; false when cancelled or the address cannot be reached.
  bool DoIPAddressDialog(WindowRef parent);

  void GetSecureAccessInfo(WindowRef window);
  // Copies the credentials and the record's address into 256-byte length-prefixed buffers.
  void GetUserInfo(unsigned char* user, unsigned char* password, unsigned char* account,
                   unsigned char* address) const;
  void SetSecureAccessReqOptCtrls(WindowRef window);
  void ShowErrMsgDlg(const char* text, WindowRef parent);
  void ShowValidationErrMsg(const char* flags, WindowRef parent);
  // Entry `index` of string list `listID` of the bundle as a C string (256 bytes); "" when there
  // is none.
  void GetIndStringSafely(char* dest, int16_t listID, int16_t index);

  const SSecureAccessOptions& Settings() const { return mSecureAccessOpts; }
  // The server's port: 8163, or CORVEL_SECURE_ACCESS_PORT from the environment when set.
  static short ServerPort();

 private:
  void MarkAllRequired();
  bool CredentialsAcceptable() const;
  // Sends one request of `fields` on a fresh connection and reads the 3-character answer;
  // false when no connection could be made.
  bool Request(const char* code, const std::string* line, char* answer, long* got);
  std::string ValidationLine() const;

  SSecureAccessOptions mSecureAccessOpts{};
  SecureAccessHost* mHost;
  std::unique_ptr<CTCPIPClient> mTCPIPConnection;
  unsigned char mUserID[256] = {};
  unsigned char mUserPassword[256] = {};
  unsigned char mUserAcctNumber[256] = {};
};

// The command handlers of the Secure Access dialog and of the two message dialogs.
OSStatus SecureAccessDlgEventHandler(EventRef event, void* secureAccessData);
OSStatus SAErrMsgDlgEventHandler(EventRef event, void* window);
OSStatus SAValidationMsgDlgEventHandler(EventRef event, void* window);
