// The per-printer preference store: every persistent field of the record under its key, numbers as
// the record's menu items and check-box states, texts as Mac Roman, passwords scrambled.
#include <span>
#include <string>

#include "options/CCorvelOptions.h"
#include "options/PStringFields.h"
#include "platform/Preferences.h"

namespace {

using Field = int16_t CorvelOptionsData::*;
struct NumberKey {
  const char* key;
  Field field;
};
using D = CorvelOptionsData;

constexpr const char* kProcessingKey = "KTCV_Processing";  // the one 32-bit number

constexpr NumberKey kExtrasKeys[] = {
    {"KTSeparations", &D::separationsMenuSelection},
    {"KTPrintOwnColor", &D::printInOwnColor},
    {"KTProgressives", &D::printProgressives},
    {"KTCV_OutputSlug", &D::printInfoStrip},
    {"KTColorPostflt", &D::colorPostflight},
    {"KTCV_SaveAs", &D::saveAsType},
    {"KTCV_TIFFDPI", &D::dpiMenuSelection},
    {"KTCV_AutoBlack", &D::autoGrayscaleDetection},
    {"KTCV_Mirror", &D::mirrorImage},
    {"KTCV_Invert", &D::invertImage},
};

// The Page pane's numbers but the last, "KTMediaQuality" (see GetPagePaneOptionsFromPrefs).
constexpr NumberKey kPageKeys[] = {
    {"KTDuplex", &D::duplexMenuSelection},
    {"KTFaceDown", &D::faceUp},
    {"KTCollate", &D::collate},
    {"KTOutputOrder", &D::reversePageOrder},
    {"KTUserRotate180", &D::rotatePages},
    {"CorvelTray_Imposition", &D::imposition},
    {"KTCV_Imposition", &D::impositionTypeMenuSelection},
    {"KTCV_SS_SecSize", &D::sectionSizeMenuSelection},
    {"KTCV_ImpPgSize", &D::outputPaperSizeMenuSelection},
    {"KTCV_ImpCrpMrk", &D::cropMarks},
    {"KTCV_ImpOrient", &D::pageOrientation},
    {"KTCV_SS_SRRows", &D::pageRows},
    {"KTCV_SS_SRCols", &D::pageCols},
    {"KTCV_ImpSc2Fit", &D::scaleToFit},
    {"KTMediaType", &D::paperTypeMenuSelection},
};
constexpr NumberKey kMediaQualityKey[] = {{"KTMediaQuality", &D::mediaQualityMenuSelection}};

constexpr NumberKey kOutputKeys[] = {
    {"KTOutputBin", &D::outputMenuSelection},
    {"KTCV_FinishingType", &D::finishingMenuSelection},
    {"KTOrientationOvr", &D::orientationSelection},
    {"KTStapler", &D::stapleMenuSelection},
    {"KTOffsetJobs", &D::offsetMode},
    {"KTPunchHoleType", &D::punchMenuSelection},
    {"KTPunchEdge", &D::punchPositionMenuSelection},
    {"KTFold", &D::foldingMenuSelection},
    {"KTCopierBooklet", &D::fastenMenuSelection},
    {"KTCV_FoldSize", &D::foldSizeMenuSelection},
    {"KTCV_Cover", &D::coverMenuSelection},
    {"KTCV_CoverMedia", &D::coverMediaMenuSelection},
    {"KTCV_CoverTray", &D::coverTrayMenuSelection},
    {"KTCV_BookletImpose", &D::imposeSelection},
};

constexpr NumberKey kQualityKeys[] = {
    {"KTImageSmooth", &D::dynamicImageEnhancement},
    {"KTTextGfxQual", &D::textGraphicsQuality},
    {"KTCV_EdgeSmooth", &D::dynamicEdgeSmoothing},
    {"KTTrapping", &D::autoTrapping},
    {"KTCV_CrvProof", &D::corvelProof},
    {"KTCV_CMYKOvPrnt", &D::showCompositeCMYK},
    {"KTCV_GradSmooth", &D::gradientSmoothing},
    {"KTCV_PDFX3Compliant", &D::pdfX3Compliant},
    {"KTCV_GlossPrint", &D::glossPrinting},
};

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

void ReadNumbers(std::span<const NumberKey> keys, CorvelOptionsData& data) {
  for (const NumberKey& entry : keys)
    if (const auto value = StoredInteger(entry.key))
      data.*entry.field = static_cast<int16_t>(*value);
}

void WriteNumbers(std::span<const NumberKey> keys, const CorvelOptionsData& data) {
  for (const NumberKey& entry : keys)
    CFPreferencesSetAppValue(entry.key, PlistValue(data.*entry.field), Domain());
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
  ReadNumbers(kExtrasKeys, mCorvelOptionsData);
}

void CCorvelOptions::GetPagePaneOptionsFromPrefs() {
  ReadNumbers(kPageKeys, mCorvelOptionsData);
  mFirstPageConstraintsDone = false;
  ReadNumbers(kMediaQualityKey, mCorvelOptionsData);
}

void CCorvelOptions::GetOutputPaneOptionsFromPrefs() {
  ReadNumbers(kOutputKeys, mCorvelOptionsData);
}

void CCorvelOptions::GetQualityPaneOptionsFromPrefs() {
  ReadNumbers(kQualityKeys, mCorvelOptionsData);
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
  WriteNumbers(kExtrasKeys, mCorvelOptionsData);
}

void CCorvelOptions::SetPagePaneOptionsInCorvelPrefs() {
  WriteNumbers(kPageKeys, mCorvelOptionsData);
  WriteNumbers(kMediaQualityKey, mCorvelOptionsData);
}

void CCorvelOptions::SetOutputPaneOptionsInCorvelPrefs() {
  WriteNumbers(kOutputKeys, mCorvelOptionsData);
}

void CCorvelOptions::SetQualityPaneOptionsInCorvelPrefs() {
  WriteNumbers(kQualityKeys, mCorvelOptionsData);
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
