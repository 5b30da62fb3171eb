// The built-in defaults of the option record, pane by pane.
#include "options/CCorvelOptions.h"

void CCorvelOptions::GetFilePaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.fileHandlingRadioID = 10;  // "PrintDelete"
  d.printTime = 0;
}

void CCorvelOptions::GetExtrasPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.separationsMenuSelection = 1;
  d.printInOwnColor = 0;
  d.printProgressives = 0;
  d.colorPostflight = 0;
  d.saveAsType = 0;
  d.dpiMenuSelection = 1;
  d.printInfoStrip = 0;
  d.autoGrayscaleDetection = 1;
  d.mirrorImage = 0;
  d.invertImage = 0;
}

void CCorvelOptions::GetPagePaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.duplexMenuSelection = 1;
  d.faceUp = 0;
  d.collate = 1;
  d.reversePageOrder = 0;
  d.rotatePages = 0;
  d.imposition = 0;
  d.impositionTypeMenuSelection = 1;
  d.sectionSizeMenuSelection = 4;
  d.outputPaperSizeMenuSelection = 1;
  d.cropMarks = 3;
  d.scaleToFit = 0;
  d.pageOrientation = 1;
  d.pageRows = 1;
  d.pageCols = 1;
  d.paperTypeMenuSelection = 1;
  d.mediaQualityMenuSelection = 1;
}

void CCorvelOptions::GetOutputPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.outputMenuSelection = 1;
  d.finishingMenuSelection = 1;
  d.stapleMenuSelection = 1;
  d.orientationSelection = 0;
  d.offsetMode = 1;
  d.punchMenuSelection = 1;
  d.punchPositionMenuSelection = 1;
  d.foldingMenuSelection = 1;
  d.fastenMenuSelection = 1;
  d.foldSizeMenuSelection = 4;
  d.coverMenuSelection = 2;
  d.coverMediaMenuSelection = 2;
  d.coverTrayMenuSelection = 4;
  d.imposeSelection = 1;
}

void CCorvelOptions::GetQualityPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.glossPrinting = 1;
  d.pdfX3Compliant = 0;
  d.autoTrapping = 0;
  d.corvelProof = 0;
  GetQualityX3Defaults();
}

void CCorvelOptions::GetQualityX3Defaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.gradientSmoothing = 0;
  d.dynamicEdgeSmoothing = 1;
  d.dynamicImageEnhancement = 0;
  d.textGraphicsQuality = 1;
  d.showCompositeCMYK = 0;
}

void CCorvelOptions::GetInfoPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.bInitialConnection = true;
  for (unsigned char* text :
       {d.ipAddress, d.owner, d.password, d.comment, d.acctNumber, d.securePrintPassword})
    text[0] = 0;
}

void CCorvelOptions::GetAccessoriesPaneDefaults() { mCorvelOptionsData.mSyncWithServer = false; }
