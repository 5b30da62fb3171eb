#include "comm/CSecureAccessClient.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "support/Logging.h"

namespace {

bool AnswerIs(const char* answer, long got, const char* expected) {
  return got == 3 && std::memcmp(answer, expected, 3) == 0;
}

void CopyPString(unsigned char* to, const unsigned char* from) {
  if (to && from) std::memcpy(to, from, size_t(from[0]) + 1);
}

std::string PStringText(const unsigned char* p) {
  return {reinterpret_cast<const char*>(p) + 1, p[0]};
}

}  // namespace

void CStringFieldToPString(unsigned char* field) {
  const size_t length = strnlen(reinterpret_cast<const char*>(field), 255);
  std::memmove(field + 1, field, length);
  field[0] = uint8_t(length);
}

short CSecureAccessClient::ServerPort() {
  const char* configured = std::getenv("CORVEL_SECURE_ACCESS_PORT");
  const long port = configured ? std::strtol(configured, nullptr, 10) : 0;
  return port > 0 && port <= 65535 ? short(port) : kSecureAccessPort;
}

CSecureAccessClient::CSecureAccessClient(SecureAccessHost* host) : mHost(host) {
  const SecureAccessRecord record = mHost->Record();
  CopyPString(mUserID, record.owner);
  CopyPString(mUserPassword, record.password);
  CopyPString(mUserAcctNumber, record.acctNumber);
  mTCPIPConnection =
      std::make_unique<CTCPIPClient>(PStringText(record.ipAddress).c_str(), ServerPort());
}

void CSecureAccessClient::MarkAllRequired() {
  mSecureAccessOpts.bEnableSecureAccess = 1;
  mSecureAccessOpts.bUserID = 1;
  mSecureAccessOpts.bPassword = 1;
  mSecureAccessOpts.bAcctNumber = 1;
}

bool CSecureAccessClient::Request(const char* code, const std::string* line, char* answer,
                                  long* got) {
  *got = 0;
  if (!mTCPIPConnection->OpenConnection()) return false;
  mTCPIPConnection->Write(code, 3, line == nullptr);
  if (line) mTCPIPConnection->Write(line->data(), long(line->size()), true);
  mTCPIPConnection->Read(answer, 3, got);
  return true;
}

bool CSecureAccessClient::GetSecureAccessSettings() {
  char answer[4] = {};
  long got = 0;
  bool result = false;
  if (!Request("100", nullptr, answer, &got)) {
    MarkAllRequired();
  } else if (AnswerIs(answer, got, "200")) {
    SSecureAccessOptions received{};
    mTCPIPConnection->Read(reinterpret_cast<char*>(&received), sizeof received, &got);
    if (got == long(sizeof received)) {
      mSecureAccessOpts = received;
      CStringFieldToPString(mSecureAccessOpts.strClientErrorMsg);
      CStringFieldToPString(mSecureAccessOpts.strEmailAddress);
      result = true;
    }
  } else if (got < 3 || AnswerIs(answer, got, "300")) {
    MarkAllRequired();
  }
  mTCPIPConnection->CloseConnection();
  return result;
}

std::string CSecureAccessClient::ValidationLine() const {
  return PStringText(mUserID) + "\t" + PStringText(mUserPassword) + "\t" +
         PStringText(mUserAcctNumber) + "\r";
}

bool CSecureAccessClient::DoValidateSecureAccessInfo(char* flags, bool* commError) {
  *commError = false;
  if (flags) flags[0] = 0;
  char answer[4] = {};
  long got = 0;
  const std::string line = ValidationLine();
  bool valid = false;
  if (!Request("101", &line, answer, &got)) {
    *commError = true;
  } else if (AnswerIs(answer, got, "201")) {
    valid = true;
  } else if (AnswerIs(answer, got, "301")) {
    char received[kFlagsLength + 1] = {};
    mTCPIPConnection->Read(received, kFlagsLength, &got);
    if (got == kFlagsLength && flags)
      std::memcpy(flags, received, sizeof received);
    else if (got != kFlagsLength)
      *commError = true;
  } else if (got < 3 || AnswerIs(answer, got, "300")) {
    *commError = true;
  }
  mTCPIPConnection->CloseConnection();
  return valid;
}

bool CSecureAccessClient::CredentialsAcceptable() const {
  return (!mSecureAccessOpts.bUserID || mUserID[0]) &&
         (!mSecureAccessOpts.bPassword || mUserPassword[0]) &&
         (!mSecureAccessOpts.bAcctNumber || mUserAcctNumber[0]);
}

bool CSecureAccessClient::DoSecureAccessValidation() {
  const SecureAccessRecord record = mHost->Record();
  if (!*record.bInitialConnection) {
    const bool reachable = mTCPIPConnection->OpenConnection();
    mTCPIPConnection->CloseConnection();
    if (!reachable) {
      char text[256];
      GetIndStringSafely(text, kErrorStringList, kUnreachableEntry);
      ShowErrMsgDlg(text, nullptr);
      return false;
    }
  } else if (!DoIPAddressDialog(mHost->GetPrinterWindow())) {
    return false;
  }
  return DoValidateDocInfo();
}

bool CSecureAccessClient::DoValidateDocInfo() {
  if (!GetSecureAccessSettings()) {
    char text[256];
    GetIndStringSafely(text, kErrorStringList, kCommErrorEntry);
    ShowErrMsgDlg(text, mHost->GetPrinterWindow());
    return false;
  }
  if (mSecureAccessOpts.bEnableSecureAccess == 0) return true;
  if (CredentialsAcceptable()) {
    char flags[kFlagsLength + 1] = {};
    bool commError = false;
    // A first request without a usable answer lets the job through: the server is there (its
    // settings came) and decides again when the job arrives.
    if (DoValidateSecureAccessInfo(flags, &commError) || commError) return true;
    ShowValidationErrMsg(flags, mHost->GetPrinterWindow());
  }
  return !DoSecureAccessDlg();
}

void CSecureAccessClient::GetUserInfo(unsigned char* user, unsigned char* password,
                                      unsigned char* account, unsigned char* address) const {
  CopyPString(user, mUserID);
  CopyPString(password, mUserPassword);
  CopyPString(account, mUserAcctNumber);
  CopyPString(address, mHost->Record().ipAddress);
}
