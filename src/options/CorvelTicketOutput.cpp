// The record as PPD option settings in the print-settings ticket: PPD main keyword -> choice
// keyword. Fixed choices come from the value tables below; the others are the n-th choice of the
// printer's PPD option of the same name.
#include <string>

#include "options/CCorvelOptions.h"
#include "ui/CUPSHelper.h"

namespace {

// Value tables by record field (items from 1). Any other value, 0 included, takes the fallback
// row, so a stored out-of-range value never reads past a table.
template <size_t N>
struct ValueTable {
  const char* rows[N];
  int fallback;

  const char* operator[](int index) const {
    return rows[index >= 1 && index < int(N) ? index : fallback];
  }
};

constexpr ValueTable<5> kFinishingPPDKeys{{"", "None", "StaplePunch", "Booklet", "Folding"}, 1};
constexpr ValueTable<10> kStaplePPDKeys{{"", "False", "1UpLeftS", "1LowLeftS", "1UpRightS",
                                         "1LowRightS", "2Up", "2Low", "2Left", "2Right"},
                                        1};
constexpr ValueTable<5> kPunchPPDKeys{{"", "None", "2Even", "3Even", "4Even"}, 1};
constexpr ValueTable<4> kPunchPosPPDKeys{{"None", "Left", "Right", "Top"}, 0};
constexpr ValueTable<7> kCropMarkPPDKeys{
    {"", "CopyMarksVeryLong", "CopyMarksLong", "CopyMarksMedium", "CopyMarksShort",
     "CopyMarksVeryShort", "CopyMarksNone"},
    3};
constexpr ValueTable<4> kTIFFDPIPPDKeys{{"", "Save72", "Save300", "Save600"}, 1};
constexpr ValueTable<9> kSeparationsPPDKeys{{"", "Automatic", "SinglePage", "None", "QuarkXPress4",
                                             "QuarkXPress3", "PageMaker", "FreeHand", "Canvas"},
                                            3};
constexpr ValueTable<4> kDuplexPPDKeys{{"", "False", "LongEdge", "ShortEdge"}, 3};
constexpr ValueTable<7> kSectionSizePPDKeys{{"", "All", "4", "8", "16", "32", "64"}, 6};

constexpr int kOutputBinFallback = 3;
constexpr int kOutputBinCount = 7;

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

// The n-th choice (1-based) of a PPD option; empty when there is none.
std::string Choice(ppd_file_t* ppd, const char* option, int n) {
  return CUPSHelper(ppd).NamedOptionAndIndexToPPDKey(option, static_cast<short>(n));
}

// Options whose value is the field's choice of the PPD option of the same name.
template <size_t N>
void SetChoices(ppd_file_t* ppd, const CorvelOptionsData& data, PMPPDDict& dict,
                const std::pair<const char*, int16_t CorvelOptionsData::*> (&options)[N]) {
  for (const auto& [option, field] : options) dict[option] = Choice(ppd, option, data.*field);
}

using D = CorvelOptionsData;
constexpr std::pair<const char*, int16_t D::*> kPageChoices[] = {
    {"KTCV_ImpOrient", &D::pageOrientation},
    {"KTCV_SS_SRRows", &D::pageRows},
    {"KTCV_SS_SRCols", &D::pageCols},
};
constexpr std::pair<const char*, int16_t D::*> kOutputChoices[] = {
    {"KTCV_FoldSize", &D::foldSizeMenuSelection},
    {"KTCV_Cover", &D::coverMenuSelection},
    {"KTCV_CoverMedia", &D::coverMediaMenuSelection},
    {"KTCV_CoverTray", &D::coverTrayMenuSelection},
    {"KTCV_BookletImpose", &D::imposeSelection},
};

// The media-types list names, for each media type, the PPD option that holds its quality
// choices; a type it does not name writes no quality entry.
void SetMediaQuality(const std::optional<PlistValue>& mediaTypes, ppd_file_t* ppd,
                     const std::string& mediaType, int16_t quality, PMPPDDict& dict) {
  const PlistValue* menus = mediaTypes ? mediaTypes->Find("QualityMenu") : nullptr;
  const PlistValue* option = menus ? menus->Find(mediaType) : nullptr;
  const std::string* optionName = option ? option->GetString() : nullptr;
  if (!optionName) return;
  dict[*optionName] = Choice(ppd, optionName->c_str(), quality);
}

}  // namespace

void CCorvelOptions::SetFilePaneOptionsInPPDDict(PMPPDDict* dict) {
  const auto setting = mFilePrintSettings.find(mCorvelOptionsData.fileHandlingRadioID);
  if (setting != mFilePrintSettings.end()) (*dict)["KTCV_Processing"] = setting->second;
}

void CCorvelOptions::SetExtrasPaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  out["KTSeparations"] = kSeparationsPPDKeys[d.separationsMenuSelection];
  out["KTPrintOwnColor"] = TrueFalse(d.printInOwnColor == 1);
  out["KTProgressives"] = TrueFalse(d.printProgressives == 1);
  out["KTCV_OutputSlug"] = TrueFalse(d.printInfoStrip == 1);
  out["KTColorPostflt"] = TrueFalse(d.colorPostflight == 1);
  out["KTCV_SaveAs"] = TrueFalse(d.saveAsType != 0);
  if (d.saveAsType != 0) out["KTCV_TIFFDPI"] = kTIFFDPIPPDKeys[d.dpiMenuSelection];
  out["KTCV_AutoBlack"] = TrueFalse(d.autoGrayscaleDetection == 1);
  out["KTCV_Mirror"] = TrueFalse(d.mirrorImage == 1);
  out["KTCV_Invert"] = TrueFalse(d.invertImage == 1);
}

void CCorvelOptions::SetPagePaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  ppd_file_t* ppd = mCupsPPD.get();
  out["KTDuplex"] = kDuplexPPDKeys[d.duplexMenuSelection];
  out["KTFaceDown"] = TrueFalse(d.faceUp != 1);
  out["KTCollate"] = TrueFalse(d.collate == 1);
  out["KTOutputOrder"] = d.reversePageOrder == 1 ? "Reverse" : "Forward";
  out["KTUserRotate180"] = TrueFalse(d.rotatePages == 1);
  // The menu leaves out the option's first choice.
  out["KTCV_Imposition"] = d.imposition == 0
                               ? std::string("None")
                               : Choice(ppd, "KTCV_Imposition", d.impositionTypeMenuSelection + 1);
  out["KTCV_SS_SecSize"] = kSectionSizePPDKeys[d.sectionSizeMenuSelection];
  out["KTCV_ImpPgSize"] =
      Choice(ppd, "KTCV_ImpPgSize", d.imposition != 0 ? d.outputPaperSizeMenuSelection : 1);
  out["KTCV_ImpCrpMrk"] = kCropMarkPPDKeys[d.cropMarks];
  SetChoices(ppd, d, out, kPageChoices);
  out["KTCV_ImpSc2Fit"] = TrueFalse(d.scaleToFit == 1);
  const std::string mediaType = Choice(ppd, "KTMediaType", d.paperTypeMenuSelection);
  out["KTMediaType"] = mediaType;
  SetMediaQuality(mMediaDict, ppd, mediaType, d.mediaQualityMenuSelection, out);
}

void CCorvelOptions::SetOutputPaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  ppd_file_t* ppd = mCupsPPD.get();
  const bool binInRange = d.outputMenuSelection >= 1 && d.outputMenuSelection <= kOutputBinCount;
  out["KTOutputBin"] =
      Choice(ppd, "KTOutputBin", binInRange ? d.outputMenuSelection : kOutputBinFallback);
  out["KTCV_FinishingType"] = kFinishingPPDKeys[d.finishingMenuSelection];
  out["KTOrientationOvr"] = TrueFalse(d.orientationSelection == 1);
  out["KTStapler"] = kStaplePPDKeys[d.stapleMenuSelection];
  out["KTOffsetJobs"] = TrueFalse(d.offsetMode != 0);
  out["KTPunchHoleType"] = kPunchPPDKeys[d.punchMenuSelection];
  out["KTPunchEdge"] = kPunchPosPPDKeys[d.punchPositionMenuSelection];
  out["KTFold"] = Choice(ppd, "KTFold", d.foldingMenuSelection);
  // The menu leaves out the option's first choice.
  out["KTCopierBooklet"] = Choice(ppd, "KTCopierBooklet", d.fastenMenuSelection + 1);
  SetChoices(ppd, d, out, kOutputChoices);
}

void CCorvelOptions::SetQualityPaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  out["KTImageSmooth"] = TrueFalse(d.dynamicImageEnhancement == 1);
  out["KTTextGfxQual"] = TrueFalse(d.textGraphicsQuality != 1);
  out["KTCV_EdgeSmooth"] = TrueFalse(d.dynamicEdgeSmoothing == 1);
  out["KTTrapping"] = TrueFalse(d.autoTrapping == 1);
  out["KTCV_CrvProof"] = TrueFalse(d.corvelProof != 0);
  out["KTCV_CMYKOvPrnt"] = TrueFalse(d.showCompositeCMYK != 0);
  out["KTCV_GradSmooth"] = TrueFalse(d.gradientSmoothing != 0);
  out["KTCV_PDFX3Compliant"] = TrueFalse(d.pdfX3Compliant != 0);
  out["KTCV_GlossPrint"] = TrueFalse(d.glossPrinting == 2);
}

// The Accessories pane has no ticket entries.
void CCorvelOptions::SetAccessoriesPaneOptionsInPPDDict(PMPPDDict*) {}
