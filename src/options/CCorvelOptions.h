#pragma once
// The options controller: one per print dialog. It owns the option record and the handles the
// panes need, and moves option values between four places: built-in defaults, the per-printer
// preferences, the pane controls and the print-settings ticket with its job-comment file. Each of
// those moves is a family of virtual per-pane members, run in the pane order File, Extras, Page,
// Output, Quality, Info, Accessories by the dispatchers.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "options/CModelInfo.h"
#include "options/CorvelOptionsData.h"
#include "ui/CupsPPD.h"
#include "options/store/KTVQuillonPrinterPList.h"
#include "platform/PlistValue.h"
#include "platform/Status.h"
#include "platform/NetServices.h"
#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/Events.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "platform/toolkit/ToolkitTypes.h"
#include "ppdx/parser/KTVPPD.h"
#include "printsys/PMTicket.h"

class Attributes;
class CDateInfo;
class Wrenfold;
struct SecurePrintData;

class CSecureAccessClient;
class CCorvelOptions {
 public:
  // A new controller, or null when it cannot be made; nothing is thrown.
  static CCorvelOptions* CreateInstance(ControlRef parentUserPane, bool secureAccessOn);

  CCorvelOptions(ControlRef parentUserPane, bool secureAccessOn);
  virtual ~CCorvelOptions();
  CCorvelOptions(const CCorvelOptions&) = delete;
  CCorvelOptions& operator=(const CCorvelOptions&) = delete;

  // Replaces the printer list by a freshly read one and copies this printer's address from it
  // into ipAddress (nothing when the printer has no entry).
  virtual void LoadBiDiInfo();
  // Builds the panes from the interface file, marks the controls installed and fills the panes
  // with the defaults. noErr, or the failure (and no panes) when the interface cannot be loaded.
  virtual OSStatus InstallCorvelControlsInUI();
  // Fills the panes from the defaults, the preferences or the record; PPDDictOptions and unknown
  // sources do nothing.
  virtual OSStatus SetCorvelOptionsInUI(CorvelOptions panes, OptionType source);
  // Applies the constraint rules of one pane, or of all in pane order; above 7 nothing.
  virtual void SetUIConstraints(CorvelOptions panes);
  // The ticket, its PPD dictionary and the bundle's resource file; none is owned.
  virtual void SetPPDDict(PMPPDDict* dict);
  virtual void SetPrintSettingsTicket(PMTicketRef ticket);
  virtual void SetCorvelResourceRefNum(int16_t refNum);
  // Reads the panes into the record, saves them as preferences and writes them into `dict` and
  // the job-comment file. With a null `dict` only the dictionary entries are skipped. The status
  // of writing the job-comment file: the job must not print when it failed (the user was told).
  virtual OSStatus GetCorvelOptionsFromUI(CorvelOptions panes, PMPPDDict* dict);
  // Removes the default button's handler when one is installed.
  virtual OSStatus RemoveDefaultButtonHandler();

  // Reading the pane controls into the record.
  virtual void GetFilePaneOptionsFromUI();
  virtual void GetExtrasPaneOptionsFromUI();
  virtual void GetPagePaneOptionsFromUI();
  virtual void GetOutputPaneOptionsFromUI();
  virtual void GetQualityPaneOptionsFromUI();
  virtual void GetInfoPaneOptionsFromUI();
  virtual void GetAccessoriesPaneOptionsFromUI();
  // Showing the record in the pane controls.
  virtual void SetFilePaneOptionsInUI();
  virtual void SetExtrasPaneOptionsInUI();
  virtual void SetPagePaneOptionsInUI();
  virtual void SetOutputPaneOptionsInUI();
  virtual void SetQualityPaneOptionsInUI();
  virtual void SetInfoPaneOptionsInUI();
  virtual void SetAccessoriesPaneOptionsInUI();
  // The constraint rules of each pane.
  virtual void SetFilePaneUIConstraints();
  virtual void SetExtrasPaneUIConstraints();
  virtual void SetPagePaneUIConstraints();
  virtual void SetOutputPaneUIConstraints();
  virtual void SetQualityPaneUIConstraints();
  virtual void SetInfoPaneUIConstraints();
  virtual void SetAccessoriesPaneUIConstraints();

  // Dispatchers from the record, the defaults and the preferences to the panes.
  virtual void SetLocalCorvelOptionsInUI(CorvelOptions panes);
  virtual void SetDefaultCorvelOptionsInUI(CorvelOptions panes);
  // The built-in defaults; each writes only its own pane's fields.
  virtual void GetFilePaneDefaults();
  virtual void GetExtrasPaneDefaults();
  virtual void GetPagePaneDefaults();
  virtual void GetOutputPaneDefaults();
  virtual void GetQualityPaneDefaults();
  virtual void GetQualityX3Defaults();
  virtual void GetInfoPaneDefaults();
  virtual void GetAccessoriesPaneDefaults();
  virtual void SetPreferencesCorvelOptionsInUI(CorvelOptions panes);

  // The preference store of the printer's domain. A missing or ill-typed entry leaves its field.
  virtual void GetFilePaneOptionsFromPrefs();
  virtual void GetExtrasPaneOptionsFromPrefs();
  virtual void GetPagePaneOptionsFromPrefs();
  virtual void GetOutputPaneOptionsFromPrefs();
  virtual void GetQualityPaneOptionsFromPrefs();
  virtual void GetInfoPaneOptionsFromPrefs();
  virtual void GetAccessoriesPaneOptionsFromPrefs();
  // Writes the selected panes and then always synchronises the domain.
  virtual void SetCorvelPreferences(CorvelOptions panes);
  virtual void SetFilePaneOptionsInCorvelPrefs();
  virtual void SetExtrasPaneOptionsInCorvelPrefs();
  virtual void SetPagePaneOptionsInCorvelPrefs();
  virtual void SetOutputPaneOptionsInCorvelPrefs();
  virtual void SetQualityPaneOptionsInCorvelPrefs();
  virtual void SetInfoPaneOptionsInCorvelPrefs();
  virtual void SetAccessoriesPaneOptionsInCorvelPrefs();

  // The ticket: PPD main keyword -> choice keyword for every option of the selected panes; the
  // Info pane writes the job-comment file and its ticket entry instead.
  virtual void SetCorvelPPDDict(CorvelOptions panes, PMPPDDict* dict);
  virtual void SetFilePaneOptionsInPPDDict(PMPPDDict* dict);
  virtual void SetExtrasPaneOptionsInPPDDict(PMPPDDict* dict);
  virtual void SetPagePaneOptionsInPPDDict(PMPPDDict* dict);
  virtual void SetOutputPaneOptionsInPPDDict(PMPPDDict* dict);
  virtual void SetQualityPaneOptionsInPPDDict(PMPPDDict* dict);
  // Writes the job-comment file and names it in the ticket. When the file cannot be written the
  // ticket names no file, an alert tells the user why and mJobCommentStatus keeps the status.
  virtual void SetInfoPaneOptionsInPPDDict(PMPPDDict* dict);
  virtual void SetAccessoriesPaneOptionsInPPDDict(PMPPDDict* dict);

  // Pane controls by control ID, in mPrintDlgWindow unless a window is given. A control that is
  // not found is skipped: values read as -1, writes do nothing; `err` receives the lookup status.
  ControlRef GetCorvelControl(OSType signature, int32_t number, long* err = nullptr);
  ControlRef GetCorvelControl(WindowRef window, OSType signature, int32_t number,
                              long* err = nullptr);
  int32_t GetCorvelControlValue(OSType signature, int32_t number, long* err = nullptr);
  // A popup first loses the check mark of its chosen item. Returns the lookup status.
  OSStatus SetCorvelControlValue(OSType signature, int32_t number, int16_t value);
  // Sets radio button `number` to 1 and every other one from `first` to `last` to 0.
  void SelectCorvelRadioButton(OSType signature, int32_t number, int32_t first, int32_t last);
  // The number of the last button from `first` to `last` whose value is not 0, or -1.
  void GetSelectedCorvelRadioButton(OSType signature, int32_t first, int32_t last, long* result);
  // Texts are UTF-8 in the controls; `draw` redraws the static text.
  OSStatus SetCorvelStaticTextField(OSType signature, int32_t number, const std::string& text,
                                    bool draw);
  OSStatus SetCorvelTextEditField(OSType signature, int32_t number, const std::string& text,
                                  bool isPassword);
  OSStatus SetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                  const std::string& text, bool isPassword);
  // Copies the field's text (password text for a password field) as Mac Roman into a
  // length-prefixed string of at most 255 bytes; text Mac Roman lacks gives an empty string.
  OSStatus GetCorvelTextEditField(OSType signature, int32_t number, unsigned char* out,
                                  bool isPassword);
  OSStatus GetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                  unsigned char* out, bool isPassword);
  // A new hidden window by name from the interface file "Corvel" of the extension's bundle.
  virtual OSStatus GetWindowFromNIB(const std::string& name, WindowRef* window);
  virtual WindowRef GetCorvelOptionsParentWindow() { return mPrintDlgWindow; }

  // Pane set-up: the per-pane configuration, in pane order.
  virtual void ConfigureCorvelControls();
  virtual void ConfigureFilePaneControls();
  virtual void ConfigureExtrasPaneControls();
  virtual void ConfigurePagePaneControls();
  virtual void ConfigureOutputPaneControls();
  virtual void ConfigureQualityPaneControls();
  virtual void ConfigureInfoPaneControls();
  virtual void ConfigureAccessoriesPaneControls();

  // The finishing pictures of the Output pane, drawn into their views; orientation 0 portrait.
  virtual void DrawStapleIcon(CGrafPtr port);
  virtual void DrawPunchIcon(CGrafPtr port);
  virtual void DrawFastenIcon(CGrafPtr port);
  virtual void DrawFoldIcon(CGrafPtr port);
  virtual void SetOrientation(int16_t orientation);

  // Constraint helpers: enable or disable a box of controls at once.
  virtual void SetAbleStateStaplePunchBox(bool enable, ControlRef staple, ControlRef punch,
                                          ControlRef punchEdge, ControlRef portrait,
                                          ControlRef landscape);
  virtual void SetAbleStateFoldingBox(bool enable, ControlRef folding);
  virtual void SetAbleStateBookletBox(bool enable, ControlRef fasten, ControlRef foldSize,
                                      ControlRef cover, ControlRef coverMedia, ControlRef coverTray,
                                      ControlRef bookletImpose);
  // A user's change of the installed-option popup accs/`controlNumber` (100 to 102).
  virtual void ChangeInstalledOptions(int16_t controlNumber);

  // The secure-print, schedule and help dialogs.
  virtual void DoSecurePrintPasswordDlg();
  virtual bool SetNorimSecurePrintPassword(SecurePrintData* data);
  void DoNorimSecurePrintErrorDlg(SecurePrintData* data);
  // Titles info/15 by the record: "Disable..." while a secure-print password is set, else
  // "Enable..." (localized where the bundle has the text).
  void TitleSecurePrintButton();
  virtual void DoRenderingStyleHelpDlg();
  virtual void DateTimeToCalendarDisplay(WindowRef window, CDateInfo* displayDate,
                                         CDateInfo* printDateTime);
  virtual void CaptureTimeDialogState(WindowRef window, CDateInfo* displayDate,
                                      CDateInfo* printDateTime);
  virtual void SetPrintTime(uint32_t seconds);
  virtual bool DoSchedulePrint();
  virtual bool DoPastTimeDialog(WindowRef window);

  // Server synchronisation and Secure Access, which the pane handlers start.
  virtual void GrabIPAddressFromEntryField();
  virtual void ToggleSynchServerOptions();
  virtual void DoBiDiAddressDialog();
  // Validates the Info pane's credentials with the server: true when printing may go ahead.
  virtual bool DoSecureAccess();
  // Shows the record's Info pane values and stores them in the preferences and the ticket.
  virtual void SetSecureAccessInfo();
  // Asks the server at `address` for the value of each installable option (the attribute named
  // by the option's keyword) and makes a value that names one of the option's choices the
  // queue's installed choice. An empty address or a server that cannot be reached or read
  // changes nothing (the reason is logged and shown in the pane); the Output rules run in every
  // case.
  virtual void GetInstallableOptionsFromServer(const std::string& address);
  // Server discovery: starts the browser that fills accs/3, and stops and releases it.
  void StartServerDiscovery();
  void StopServerDiscovery();
  // A service found: resolved (for a bounded time) and listed once per IPv4 address.
  void AddFoundService(NetServiceRef service);
  // The list's callbacks: the cell texts of a row, and a selected row's address taken as the
  // server address. Both do nothing for a list without a controller.
  static OSStatus DataBrowserItemDataGet(ControlRef list, DataBrowserItemID item,
                                         DataBrowserPropertyID property,
                                         DataBrowserItemDataRef itemData, bool setValue);
  static void DataBrowserItemChanged(ControlRef list, DataBrowserItemID item,
                                     DataBrowserItemNotification message);
  // The browser's callback; `info` is the controller. Traces every call in the debug log.
  static void NetServicesCallback(NetServiceBrowserRef browser, uint32_t flags,
                                  void* domainOrService, NetServiceError* error, void* info);
  // Connects to the server at `address` and syncs each installable option, within about ten
  // seconds; why the server could not be reached or read, or nothing when it was.
  std::optional<std::string> ReadInstallableOptions(std::string& address);
  // The Accessories pane's status line, shown at once.
  void ShowServerStatus(const std::string& text);
  // Points mWrenfold (made on first use) at `address` and connects; true when connected.
  bool ConnectWrenfold(const std::string& address);
  // One installable option: the server's value shown in popup 100 + index and set on the queue.
  void SyncInstalledOption(Attributes& attributes, std::string& address, ppd_option_t& option,
                           int index);
  // Sets one installed option of the printer queue: runs "lpadmin -p <queue> -o keyword=choice"
  // without a shell and waits for it. The address is not used. Refuses (and logs) null or empty
  // texts, control characters, a '=' in the keyword and a command longer than 255 characters.
  virtual void SetServerOption(char* address, char* keyword, char* choice);

  bool IsSecureAccessOn() const { return mSecureAccessOn; }
  // The status of the latest job-comment file written: noErr, or why it could not be written.
  OSStatus JobCommentStatus() const { return mJobCommentStatus; }
  WindowRef GetPrinterWindow() const { return mPrintDlgWindow; }
  // Copies the client's credentials and address into the record and shows and stores them.
  void TakeSecureAccessResults(const CSecureAccessClient& client);

  // Scrambles the NUL-terminated text in place with the key "Orvek" into pairs of base-23 digits
  // ("0"-"9", "A"-"M"); the result is twice as long, so the buffer must hold it. Null: nothing.
  static void EncryptUserPassword(char* text);
  // Undoes EncryptUserPassword in place; the result is half as long. Null: nothing.
  static void DecryptUserPassword(char* text);
  // Replaces every apostrophe, comma, CR and LF with "<27>", "<2C>", "<0D>", "<0A>" in place; the
  // result is at most four times as long, so the buffer must hold it. Null: nothing.
  static void SwitchCUPSProblemChars(char* text);
  // base followed by a pseudo-random number from 0 to 65535 ("%s%d"; the number alone without a
  // base). Also copied into out when out is given (room for the base and 5 digits).
  static std::string CreateRandomFileName(const char* base, char* out);

  // Pictures of the Output pane by menu item; an empty path is an empty slot.
  std::filesystem::path mLastStapleURL, mLastPunchURL, mLastFoldURL;  // never read or set
  std::array<std::filesystem::path, 10> mStapleURL, mStapleLandscapeURL;
  std::array<std::filesystem::path, 10> mPunchURL, mPunchLandscapeURL;
  std::array<std::filesystem::path, 3> mFastenURL;
  std::array<std::filesystem::path, 6> mFoldURL;
  std::array<MenuOwner, 4> mMediaQualityPopups;
  std::unique_ptr<KTVQuillonPrinterPList> mPrinterList;
  std::unique_ptr<Wrenfold> mWrenfold;  // the server connection, made on first use
  std::unique_ptr<KTVPPD> mKTVPPD;
  CupsPPDPtr mCupsPPD;
  bool mFirstPageConstraintsDone = false;
  // The media type (page/32 item) the media-quality menu and the description were last made for.
  int16_t mQualityMenuMediaType = 0;
  std::optional<PlistValue> mMediaDict;  // the bundle's media-types list ("QualityMenu", ...)
  bool mCorvelOptsInstalled = false;
  int16_t mCorvelResRefNum = -1;
  bool mSecureAccessOn = false;
  CorvelOptionsData mCorvelOptionsData;
  WindowRef mPrintDlgWindow = nullptr;
  ControlRef mParentUserPane = nullptr;
  ControlRef mDefaultButtonCtrl = nullptr;
  PMPPDDict* mPPDDict = nullptr;
  PMTicketRef mPrintSettingsTicketRef = nullptr;
  OSStatus mJobCommentStatus = noErr;  // of the latest job-comment file written
  EventHandlerRef mDefaultEventHandlerRef = nullptr;
  std::map<int32_t, std::string> mFilePrintSettings;  // job-handling value by radio button
  std::unique_ptr<CModelInfo> mModelInfo;
};
