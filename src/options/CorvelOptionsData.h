#pragma once
// The option record: every choice of the seven panes, with the pictures and views the Output pane
// shows and the discovery state of the Accessories pane. Menu selections are 1-based item numbers,
// check boxes hold 0 or 1; texts are length-prefixed Mac Roman strings of at most 255 bytes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/NetServices.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/ToolkitTypes.h"

class CCorvelOptions;

// Which panes an operation covers. The numbering is not the tab order; values above 7 select
// nothing.
enum CorvelOptions : int16_t {
  All_CorvelOptions = 0,
  File_CorvelOptions = 1,
  Extras_CorvelOptions = 2,
  Page_CorvelOptions = 3,
  Info_CorvelOptions = 4,
  Output_CorvelOptions = 5,
  Quality_CorvelOptions = 6,
  Accessories_CorvelOptions = 7,
};

// Where the contents of the panes come from. PPDDictOptions is accepted and ignored.
enum OptionType : int16_t {
  DefaultOptions = 0,
  PreferencesOptions = 1,
  RefreshOptions = 2,  // the record's current values
  PPDDictOptions = 3,
};

struct CorvelOptionsData {
  // File
  int32_t fileHandlingRadioID = 0;  // job-handling radio button, 10 to 16
  uint32_t printTime = 0;           // local seconds since 1904; 0 = no scheduled time
  // Extras
  int16_t separationsMenuSelection = 0;
  int16_t printInOwnColor = 0;
  int16_t printProgressives = 0;
  int16_t colorPostflight = 0;
  int16_t saveAsType = 0;
  int16_t dpiMenuSelection = 0;
  int16_t printInfoStrip = 0;
  int16_t autoGrayscaleDetection = 0;
  int16_t mirrorImage = 0;
  int16_t invertImage = 0;
  // Page
  int16_t duplexMenuSelection = 0;
  int16_t faceUp = 0;
  int16_t collate = 0;
  int16_t reversePageOrder = 0;
  int16_t rotatePages = 0;
  int16_t imposition = 0;
  int16_t impositionTypeMenuSelection = 0;
  int16_t sectionSizeMenuSelection = 0;
  int16_t outputPaperSizeMenuSelection = 0;
  int16_t cropMarks = 0;
  int16_t scaleToFit = 0;
  int16_t pageOrientation = 0;
  int16_t pageRows = 0;
  int16_t pageCols = 0;
  int16_t paperTypeMenuSelection = 0;
  int16_t mediaQualityMenuSelection = 0;
  // Output
  int16_t outputMenuSelection = 0;
  int16_t finishingMenuSelection = 0;
  int16_t stapleMenuSelection = 0;
  int16_t orientationSelection = 0;
  int16_t offsetMode = 0;
  int16_t punchMenuSelection = 0;
  int16_t punchPositionMenuSelection = 0;
  int16_t foldingMenuSelection = 0;
  int16_t fastenMenuSelection = 0;
  int16_t foldSizeMenuSelection = 0;
  int16_t coverMenuSelection = 0;
  int16_t coverMediaMenuSelection = 0;
  int16_t coverTrayMenuSelection = 0;
  int16_t imposeSelection = 0;
  // Output pane pictures (empty slot = no picture) and the views and buttons that show them.
  std::array<CGImageRef, 10> stapleIconsRefs{}, stapleLandscapeIconsRefs{};
  ControlRef stapleViewRef = nullptr, stapleHIViewRef = nullptr;
  std::array<CGImageRef, 11> punchIconsRefs{}, punchLandscapeIconsRefs{};
  ControlRef punchViewRef = nullptr;
  std::array<CGImageRef, 3> fastenIconsRefs{};
  ControlRef fastenViewRef = nullptr, mFastenURL = nullptr, mFoldURL = nullptr;
  ControlRef portraitButton = nullptr, landscapeButton = nullptr;
  std::array<CGImageRef, 6> foldIconsRefs{};
  ControlRef foldViewRef = nullptr;
  // Quality
  int16_t dynamicImageEnhancement = 0;
  int16_t dynamicEdgeSmoothing = 0;
  int16_t autoTrapping = 0;
  int16_t corvelProof = 0;
  int16_t showCompositeCMYK = 0;
  int16_t gradientSmoothing = 0;
  int16_t textGraphicsQuality = 0;
  int16_t pdfX3Compliant = 0;
  int16_t glossPrinting = 0;
  // Info
  unsigned char owner[256] = {};
  unsigned char password[256] = {};  // plain in the record; scrambled wherever it is stored
  unsigned char comment[256] = {};
  unsigned char acctNumber[256] = {};
  unsigned char securePrintPassword[256] = {};
  unsigned char ipAddress[256] = {};
  uint8_t bInitialConnection = 0;  // true until a connection to the server has succeeded
  // Accessories
  uint8_t mSyncWithServer = 0;
  // The servers found on the network: list accs/3, the browser that finds them (its context's
  // info is the controller), and per row k + 1 the address and the name at index k.
  ControlRef mBonjourList = nullptr;
  NetServiceBrowserOwner mBonjourBrowser;
  NetServiceClientContext mBonjourClientContext;
  std::vector<std::string> mBonjourIPStrings, mBonjourNameStrings;
  CCorvelOptions* mCorvelOptions = nullptr;  // the controller that holds the record
};
