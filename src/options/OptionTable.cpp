#include "options/OptionTable.h"

namespace {

using D = CorvelOptionsData;
using enum TicketForm;

constexpr const char* kSeparations[] = {"",          "Automatic",    "SinglePage",
                                        "None",      "QuarkXPress4", "QuarkXPress3",
                                        "PageMaker", "FreeHand",     "Canvas"};
constexpr const char* kDuplex[] = {"", "False", "LongEdge", "ShortEdge"};
constexpr const char* kOutputOrder[] = {"Forward", "Reverse"};
constexpr const char* kSectionSize[] = {"", "All", "4", "8", "16", "32", "64"};
constexpr const char* kCropMarks[] = {"",
                                      "CopyMarksVeryLong",
                                      "CopyMarksLong",
                                      "CopyMarksMedium",
                                      "CopyMarksShort",
                                      "CopyMarksVeryShort",
                                      "CopyMarksNone"};
constexpr const char* kFinishing[] = {"", "None", "StaplePunch", "Booklet", "Folding"};
constexpr const char* kStaple[] = {"",           "False", "1UpLeftS", "1LowLeftS", "1UpRightS",
                                   "1LowRightS", "2Up",   "2Low",     "2Left",     "2Right"};
constexpr const char* kPunch[] = {"", "None", "2Even", "3Even", "4Even"};
constexpr const char* kPunchEdge[] = {"None", "Left", "Right", "Top"};

constexpr ChoiceKeywords kSeparationsKeywords{kSeparations, 3};
constexpr ChoiceKeywords kDuplexKeywords{kDuplex, 3};
constexpr ChoiceKeywords kOutputOrderKeywords{kOutputOrder, 0};
constexpr ChoiceKeywords kSectionSizeKeywords{kSectionSize, 6};
constexpr ChoiceKeywords kCropMarksKeywords{kCropMarks, 3};
constexpr ChoiceKeywords kFinishingKeywords{kFinishing, 1};
constexpr ChoiceKeywords kStapleKeywords{kStaple, 1};
constexpr ChoiceKeywords kPunchKeywords{kPunch, 1};
constexpr ChoiceKeywords kPunchEdgeKeywords{kPunchEdge, 0};

constexpr CorvelOptions kExtras = Extras_CorvelOptions;
constexpr CorvelOptions kPage = Page_CorvelOptions;
constexpr CorvelOptions kOutput = Output_CorvelOptions;
constexpr CorvelOptions kQuality = Quality_CorvelOptions;

// field, pane, control, key, default, ticket form[, keywords[, reset with PDF/X-3]]
constexpr OptionRow kRows[] = {
    {&D::separationsMenuSelection, kExtras, 10, "KTSeparations", 1, Keywords,
     &kSeparationsKeywords},
    {&D::printProgressives, kExtras, 11, "KTProgressives", 0, TrueWhenOne},
    {&D::saveAsType, kExtras, 12, "KTCV_SaveAs", 0, TrueWhenNonZero},
    {&D::dpiMenuSelection, kExtras, 13, "KTCV_TIFFDPI", 1, None},  // only when saved as TIFF
    {&D::invertImage, kExtras, 14, "KTCV_Invert", 0, TrueWhenOne},
    {&D::printInfoStrip, kExtras, 16, "KTCV_OutputSlug", 0, TrueWhenOne},
    {&D::autoGrayscaleDetection, kExtras, 22, "KTCV_AutoBlack", 1, TrueWhenOne},
    {&D::mirrorImage, kExtras, 23, "KTCV_Mirror", 0, TrueWhenOne},
    {&D::colorPostflight, kExtras, 28, "KTColorPostflt", 0, TrueWhenOne},
    {&D::printInOwnColor, kExtras, 29, "KTPrintOwnColor", 0, TrueWhenOne},

    {&D::duplexMenuSelection, kPage, 10, "KTDuplex", 1, Keywords, &kDuplexKeywords},
    {&D::faceUp, kPage, 14, "KTFaceDown", 0, TrueWhenNotOne},
    {&D::collate, kPage, 15, "KTCollate", 1, TrueWhenOne},
    {&D::reversePageOrder, kPage, 16, "KTOutputOrder", 0, Keywords, &kOutputOrderKeywords},
    {&D::rotatePages, kPage, 17, "KTUserRotate180", 0, TrueWhenOne},
    {&D::imposition, kPage, 18, "CorvelTray_Imposition", 0, None},
    {&D::impositionTypeMenuSelection, kPage, 19, "KTCV_Imposition", 1, None},  // with imposition
    {&D::sectionSizeMenuSelection, kPage, 20, "KTCV_SS_SecSize", 4, Keywords,
     &kSectionSizeKeywords},
    {&D::outputPaperSizeMenuSelection, kPage, 21, "KTCV_ImpPgSize", 1, None},  // with imposition
    {&D::cropMarks, kPage, 22, "KTCV_ImpCrpMrk", 3, Keywords, &kCropMarksKeywords},
    {&D::pageOrientation, kPage, 23, "KTCV_ImpOrient", 1, PPDChoice},
    {&D::pageCols, kPage, 24, "KTCV_SS_SRCols", 1, PPDChoice},
    {&D::pageRows, kPage, 25, "KTCV_SS_SRRows", 1, PPDChoice},
    {&D::scaleToFit, kPage, 29, "KTCV_ImpSc2Fit", 0, TrueWhenOne},
    {&D::paperTypeMenuSelection, kPage, 32, "KTMediaType", 1, PPDChoice},
    // Its menu is rebuilt for the media type shown; its ticket key is the media type's.
    {&D::mediaQualityMenuSelection, kPage, 35, "KTMediaQuality", 1, None},

    {&D::outputMenuSelection, kOutput, 10, "KTOutputBin", 1, None},  // a bounded PPD choice
    {&D::stapleMenuSelection, kOutput, 11, "KTStapler", 1, Keywords, &kStapleKeywords},
    {&D::punchMenuSelection, kOutput, 14, "KTPunchHoleType", 1, Keywords, &kPunchKeywords},
    {&D::punchPositionMenuSelection, kOutput, 15, "KTPunchEdge", 1, Keywords, &kPunchEdgeKeywords},
    {&D::fastenMenuSelection, kOutput, 17, "KTCopierBooklet", 1, None},  // its menu skips item 1
    {&D::offsetMode, kOutput, 22, "KTOffsetJobs", 1, TrueWhenNonZero},
    {&D::foldSizeMenuSelection, kOutput, 23, "KTCV_FoldSize", 4, PPDChoice},
    {&D::coverMenuSelection, kOutput, 24, "KTCV_Cover", 2, PPDChoice},
    {&D::coverMediaMenuSelection, kOutput, 25, "KTCV_CoverMedia", 2, PPDChoice},
    {&D::coverTrayMenuSelection, kOutput, 26, "KTCV_CoverTray", 4, PPDChoice},
    {&D::foldingMenuSelection, kOutput, 27, "KTFold", 1, PPDChoice},
    {&D::imposeSelection, kOutput, 28, "KTCV_BookletImpose", 1, PPDChoice},
    {&D::finishingMenuSelection, kOutput, 29, "KTCV_FinishingType", 1, Keywords,
     &kFinishingKeywords},
    {&D::orientationSelection, kOutput, 0, "KTOrientationOvr", 0, TrueWhenOne},  // two radios

    {&D::dynamicImageEnhancement, kQuality, 1, "KTImageSmooth", 0, TrueWhenOne, nullptr, true},
    {&D::dynamicEdgeSmoothing, kQuality, 2, "KTCV_EdgeSmooth", 1, TrueWhenOne, nullptr, true},
    {&D::autoTrapping, kQuality, 3, "KTTrapping", 0, TrueWhenOne},
    {&D::corvelProof, kQuality, 4, "KTCV_CrvProof", 0, TrueWhenNonZero},
    {&D::showCompositeCMYK, kQuality, 5, "KTCV_CMYKOvPrnt", 0, TrueWhenNonZero, nullptr, true},
    {&D::gradientSmoothing, kQuality, 6, "KTCV_GradSmooth", 0, TrueWhenNonZero, nullptr, true},
    {&D::textGraphicsQuality, kQuality, 8, "KTTextGfxQual", 1, TrueWhenNotOne, nullptr, true},
    {&D::pdfX3Compliant, kQuality, 9, "KTCV_PDFX3Compliant", 0, TrueWhenNonZero},
    {&D::glossPrinting, kQuality, 34, "KTCV_GlossPrint", 1, TrueWhenTwo},
};

}  // namespace

std::span<const OptionRow> OptionRows() { return kRows; }
