#pragma once
// The bridge from the printing system's parsed PPD to popup menus and PPD option names. Built
// on the stack around a PPD for one operation; the PPD stays the printing system's. Its strings
// are UTF-8: libcups converts them while reading the file, whatever encoding the file declares.
#include <cups/ppd.h>

#include <string>

#include "platform/TextEncoding.h"
#include "platform/toolkit/ToolkitTypes.h"

class CUPSHelper {
 public:
  explicit CUPSHelper(ppd_file_t* ppd);
  virtual ~CUPSHelper() = default;

  // The first group whose name (its text when the name is empty) equals `name`; null when none.
  ppd_group_t* FindOptionGroup(const char* name, bool unused = false);
  ppd_option_t* FindOptionGroupAndOption(const char* groupName, const char* keyword,
                                         bool unused = false);
  ppd_option_t* FindNamedOption(const char* keyword);
  // The keyword as text, cut to at most 40 bytes.
  ppd_option_t* FindNamedOption(const std::string& keyword);
  // The printing system's marking; returns its count of conflicts.
  int MarkOption(const char* keyword, const char* choice);

  // Replaces the menu's items by the option's choice texts (nothing when the option is missing).
  void NamedOptionToMenu(const char* keyword, MenuRef menu);
  void NamedOptionToMenu(const std::string& keyword, MenuRef menu);
  // Titles the popup "<option text>:", fills its menu, sets its maximum to the number of choices
  // and its value to the last marked choice (1 when none is marked).
  void NamedOptionToPopupControl(const char* keyword, ControlRef control);
  void NamedOptionToPopupControl(const std::string& keyword, ControlRef control);
  // The name of the option's choice at the 1-based index; empty when there is none.
  std::string NamedOptionAndIndexToPPDKey(const char* keyword, short index);

 protected:
  // PPD text to UTF-8; bytes that are not valid UTF-8 are read as ISO Latin-1.
  std::string PPDText(const char* text) const;
  // A keyword cut to the 40 bytes a PPD name holds, never inside a character.
  std::string KeywordBytes(const std::string& keyword) const;

  ppd_file_t* mBaseFile;
  TextEncoding mFileStringEncoding;
};
