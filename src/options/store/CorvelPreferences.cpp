// The per-printer preference store: every persistent field of the record under its key (the
// numbers' keys are the option table's), numbers as the record's menu items and check-box
// states, texts as Mac Roman, passwords scrambled.
#include <string>

#include "options/CCorvelOptions.h"
#include "options/OptionTable.h"
#include "options/store/PStringFields.h"
#include "options/store/TextSafety.h"
#include "platform/Preferences.h"

namespace {

constexpr const char* kProcessingKey = "KTCV_Processing";  // the one 32-bit number

constexpr const char* kOwnerKey = "CorvelInfo_OwnerText";
constexpr const char* kPasswordKey = "CorvelInfo_PasswordText";
constexpr const char* kCommentKey = "CorvelInfo_CommentText";
constexpr const char* kAccountKey = "CorvelInfo_AccountNumberText";
constexpr const char* kAddressKey = "CorvelInfo_ServerIPAddressText";
constexpr const char* kInitialConnectionKey = "CorvelInfo_InitialConnectionBoolean";
constexpr const char* kServerSyncKey = "CorvelInfo_ServerSync";

// A stored text is read into a 255-byte buffer: at most 254 characters.
constexpr size_t kMaxStoredTextLength = 254;

const std::string& Domain() { return CModelInfo::GetCorvelPrefName(); }

// The stored integer of `key`, when there is a valid one.
std::optional<int64_t> StoredInteger(const char* key) {
  bool valid = false;
  const int64_t value = CFPreferencesGetAppIntegerValue(key, Domain(), &valid);
  return valid ? std::optional(value) : std::nullopt;
}

void ReadNumbers(CorvelOptions pane, CorvelOptionsData& data) {
  ForEachOptionOf(pane, [&](const OptionRow& row) {
    if (const auto value = StoredInteger(row.key)) data.*row.field = static_cast<int16_t>(*value);
  });
}

void WriteNumbers(CorvelOptions pane, const CorvelOptionsData& data) {
  ForEachOptionOf(pane, [&](const OptionRow& row) {
    CFPreferencesSetAppValue(row.key, PlistValue(data.*row.field), Domain());
  });
}

void ReadFlag(const char* key, uint8_t& flag) {
  bool valid = false;
  const bool value = CFPreferencesGetAppBooleanValue(key, Domain(), &valid);
  if (valid) flag = value;
}

// True when the key held a text that the field now holds. The stored file is anybody's to edit:
// its control characters are left out, as typing and pasting leave them out.
bool ReadText(const char* key, unsigned char* field) {
  const auto text = CFPreferencesGetAppStringValue(key, Domain());
  return text && StoreMacRoman(WithoutControlCharacters(*text), field, kMaxStoredTextLength);
}

void WriteText(const char* key, const unsigned char* field) {
  CFPreferencesSetAppValue(key, PlistValue(MacRomanText(field)), Domain());
}

}  // namespace

void CCorvelOptions::GetFilePaneOptionsFromPrefs() {
  if (const auto value = StoredInteger(kProcessingKey))
    mCorvelOptionsData.fileHandlingRadioID = static_cast<int32_t>(*value);
}

void CCorvelOptions::GetExtrasPaneOptionsFromPrefs() {
  ReadNumbers(Extras_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetPagePaneOptionsFromPrefs() {
  ReadNumbers(Page_CorvelOptions, mCorvelOptionsData);
  mFirstPageConstraintsDone = false;
}

void CCorvelOptions::GetOutputPaneOptionsFromPrefs() {
  ReadNumbers(Output_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetQualityPaneOptionsFromPrefs() {
  ReadNumbers(Quality_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetInfoPaneOptionsFromPrefs() {
  CorvelOptionsData& d = mCorvelOptionsData;
  if (!mSecureAccessOn) {
    ReadText(kOwnerKey, d.owner);
    if (ReadText(kPasswordKey, d.password))
      SetPStringBytes(WithoutControlCharacters(UnscrambledCopy(d.password)), d.password);
    ReadText(kCommentKey, d.comment);
  }
  ReadText(kAccountKey, d.acctNumber);
  ReadText(kAddressKey, d.ipAddress);
  ReadFlag(kInitialConnectionKey, d.bInitialConnection);
}

void CCorvelOptions::GetAccessoriesPaneOptionsFromPrefs() {
  ReadFlag(kServerSyncKey, mCorvelOptionsData.mSyncWithServer);
}

void CCorvelOptions::SetFilePaneOptionsInCorvelPrefs() {
  CFPreferencesSetAppValue(kProcessingKey, PlistValue(mCorvelOptionsData.fileHandlingRadioID),
                           Domain());
}

void CCorvelOptions::SetExtrasPaneOptionsInCorvelPrefs() {
  WriteNumbers(Extras_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::SetPagePaneOptionsInCorvelPrefs() {
  WriteNumbers(Page_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::SetOutputPaneOptionsInCorvelPrefs() {
  WriteNumbers(Output_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::SetQualityPaneOptionsInCorvelPrefs() {
  WriteNumbers(Quality_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::SetInfoPaneOptionsInCorvelPrefs() {
  const CorvelOptionsData& d = mCorvelOptionsData;
  if (!mSecureAccessOn) {
    WriteText(kOwnerKey, d.owner);
    CFPreferencesSetAppValue(kPasswordKey, PlistValue(ScrambledCopy(d.password)), Domain());
    WriteText(kCommentKey, d.comment);
  }
  WriteText(kAccountKey, d.acctNumber);
  WriteText(kAddressKey, d.ipAddress);
  CFPreferencesSetAppValue(kInitialConnectionKey, PlistValue(d.bInitialConnection == 1), Domain());
}

void CCorvelOptions::SetAccessoriesPaneOptionsInCorvelPrefs() {
  CFPreferencesSetAppValue(kServerSyncKey, PlistValue(mCorvelOptionsData.mSyncWithServer != 0),
                           Domain());
}
