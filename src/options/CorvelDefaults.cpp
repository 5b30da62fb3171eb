// The built-in defaults of the option record, pane by pane: one table of field and value each.
#include <span>

#include "options/CCorvelOptions.h"

namespace {

using D = CorvelOptionsData;
struct FieldDefault {
  int16_t D::*field;
  int16_t value;
};

constexpr FieldDefault kExtrasDefaults[] = {
    {&D::separationsMenuSelection, 1},
    {&D::printInOwnColor, 0},
    {&D::printProgressives, 0},
    {&D::colorPostflight, 0},
    {&D::saveAsType, 0},
    {&D::dpiMenuSelection, 1},
    {&D::printInfoStrip, 0},
    {&D::autoGrayscaleDetection, 1},
    {&D::mirrorImage, 0},
    {&D::invertImage, 0},
};

constexpr FieldDefault kPageDefaults[] = {
    {&D::duplexMenuSelection, 1},
    {&D::faceUp, 0},
    {&D::collate, 1},
    {&D::reversePageOrder, 0},
    {&D::rotatePages, 0},
    {&D::imposition, 0},
    {&D::impositionTypeMenuSelection, 1},
    {&D::sectionSizeMenuSelection, 4},
    {&D::outputPaperSizeMenuSelection, 1},
    {&D::cropMarks, 3},
    {&D::scaleToFit, 0},
    {&D::pageOrientation, 1},
    {&D::pageRows, 1},
    {&D::pageCols, 1},
    {&D::paperTypeMenuSelection, 1},
    {&D::mediaQualityMenuSelection, 1},
};

constexpr FieldDefault kOutputDefaults[] = {
    {&D::outputMenuSelection, 1},
    {&D::finishingMenuSelection, 1},
    {&D::stapleMenuSelection, 1},
    {&D::orientationSelection, 0},
    {&D::offsetMode, 1},
    {&D::punchMenuSelection, 1},
    {&D::punchPositionMenuSelection, 1},
    {&D::foldingMenuSelection, 1},
    {&D::fastenMenuSelection, 1},
    {&D::foldSizeMenuSelection, 4},
    {&D::coverMenuSelection, 2},
    {&D::coverMediaMenuSelection, 2},
    {&D::coverTrayMenuSelection, 4},
    {&D::imposeSelection, 1},
};

constexpr FieldDefault kQualityDefaults[] = {
    {&D::glossPrinting, 1}, {&D::pdfX3Compliant, 0}, {&D::autoTrapping, 0}, {&D::corvelProof, 0}};

constexpr FieldDefault kQualityX3Defaults[] = {
    {&D::gradientSmoothing, 0},   {&D::dynamicEdgeSmoothing, 1}, {&D::dynamicImageEnhancement, 0},
    {&D::textGraphicsQuality, 1}, {&D::showCompositeCMYK, 0},
};

void Apply(std::span<const FieldDefault> defaults, CorvelOptionsData& data) {
  for (const FieldDefault& entry : defaults) data.*entry.field = entry.value;
}

}  // namespace

void CCorvelOptions::GetFilePaneDefaults() {
  mCorvelOptionsData.fileHandlingRadioID = 10;  // "PrintDelete"
  mCorvelOptionsData.printTime = 0;
}

void CCorvelOptions::GetExtrasPaneDefaults() { Apply(kExtrasDefaults, mCorvelOptionsData); }

void CCorvelOptions::GetPagePaneDefaults() { Apply(kPageDefaults, mCorvelOptionsData); }

void CCorvelOptions::GetOutputPaneDefaults() { Apply(kOutputDefaults, mCorvelOptionsData); }

void CCorvelOptions::GetQualityPaneDefaults() {
  Apply(kQualityDefaults, mCorvelOptionsData);
  GetQualityX3Defaults();
}

void CCorvelOptions::GetQualityX3Defaults() { Apply(kQualityX3Defaults, mCorvelOptionsData); }

void CCorvelOptions::GetInfoPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.bInitialConnection = true;
  for (unsigned char* text :
       {d.ipAddress, d.owner, d.password, d.comment, d.acctNumber, d.securePrintPassword})
    text[0] = 0;
}

void CCorvelOptions::GetAccessoriesPaneDefaults() { mCorvelOptionsData.mSyncWithServer = false; }
