#pragma once
// The parsed printer description: reads a PPD file and builds property pages, groups, controls
// and shortcuts from the vendor extension keywords, and stores the constraint lines.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "ppdx/constraints/ConstraintForest.h"
#include "ppdx/constraints/CStringSoup.h"
#include "ppdx/parser/KeywordTo_PPDControl.h"
#include "ppdx/parser/PPDX.h"
#include "ppdx/errors/PPDXErrorObj.h"
#include "ppdx/constraints/SharedConstraintRec.h"
#include "ppdx/controls/PopupItem.h"

class PPDXProperties;
class PPDXGroups;
class PPDXControls;
class PPDXShortcuts;
class PPDXGroup;
class PPDXRollDown;
class PPDXControl;
class PPDXPopupControl;
struct JobNoteValues;
class PointerList;
class Settings;

enum _PARSE_OPTIONS_ {
  PO_NONE = 0,
  PO_PARSE_ORPHANS = 1,
  PO_PARSE_INVISIBLE = 2,
  PO_PARSE_ALL = 3
};

enum _EXTENSIONS_SUPPORT_ { ES_1_0 = 0, ES_1_1 = 1, ES_1_2 = 2, ES_ALL = -1 };

// A group declared by "*%KTVGroupName" that no element has been made for yet.
struct GroupName {
  std::string keyword;
  std::string cfUserName;
  std::string mUserName;  // not used by parsing
  bool isVisible = false;
};

using PrinterFileNames = std::vector<std::string>;

class KTVPPD : public PPDX {
 public:
  using ErrorPtr = std::unique_ptr<PPDXErrorObj>;
  static ErrorPtr MakeError(short code, const char* keyword = nullptr, bool fatal = false) {
    return std::make_unique<PPDXErrorObj>(code, keyword, fatal);
  }

  // printerFileNames: when given, the file must carry one of them in "*PCFileName".
  KTVPPD(const std::filesystem::path& url, const _PARSE_OPTIONS_& options,
         const PrinterFileNames* printerFileNames = nullptr);
  KTVPPD(const FSSpec& spec, const _PARSE_OPTIONS_& options,
         const PrinterFileNames* printerFileNames = nullptr);
  explicit KTVPPD(const _PARSE_OPTIONS_& options);  // no file
  // Rebuilds a saved model (see Save); the stored file, or url when that file is gone.
  KTVPPD(Settings& settings, const std::filesystem::path& url,
         const PrinterFileNames* printerFileNames = nullptr);
  ~KTVPPD() override;

  void Parse() override;
  void ParsePSKeywords(PPDStream& line, const char* keyword) override;
  // A popup made outside the file, placed in the group with groupKeyword when it is a roll-down.
  virtual PPDXPopupControl* PPDCreatePopupMenu(const char* groupKeyword, const char* controlKeyword,
                                               const std::string& controlName, PopupItemList items,
                                               const char* defaultKeyword);
  // Replaces the choices of the popup with controlKeyword; false when there is no such popup.
  virtual bool PPDReconcilePopupMenu(const char* controlKeyword, const std::string& controlName,
                                     PopupItemList items, const char* defaultKeyword);

  PPDXControls* GetControls() const { return mControls.get(); }
  PPDXGroups* GetGroups() const { return mGroups.get(); }
  PPDXProperties* GetProperties() const { return mProperties.get(); }
  PPDXShortcuts* GetShortcuts() const { return mShortcuts.get(); }
  bool ParseOrphans() const { return (mParseOptions & PO_PARSE_ORPHANS) != 0; }
  bool ParseHidden() const { return (mParseOptions & PO_PARSE_INVISIBLE) != 0; }
  const char* KTFileVersion() const {
    return mKTFileVersion.empty() ? nullptr : mKTFileVersion.c_str();
  }
  const char* KTVersion() const { return mKTVersion.empty() ? nullptr : mKTVersion.c_str(); }

  static _EXTENSIONS_SUPPORT_ GetExtensions() { return sExtensionsSupport; }
  static void SetExtensions(_EXTENSIONS_SUPPORT_ level) { sExtensionsSupport = level; }

  // Constraints and requirements tied to a control's choice; the caller releases the array.
  long GetConstraintList(void* control, long itemNum, SharedConstraintRec** out) const;
  long GetRequiresList(void* control, SharedConstraintRec** out) const;
  static void ReleaseConstraintList(SharedConstraintRec*& records);
  static void ReleaseRequiresList(SharedConstraintRec*& records) { ReleaseConstraintList(records); }
  void DumpConstraintMap(FILE* file, const ConstraintForest* forest, const char* title) const;
  const ConstraintForest* ConstraintMap() const { return mConstraintForest.get(); }
  const ConstraintForest* RequiresMap() const { return mRequiresForest.get(); }
  const KeywordTo_PPDControl* KeywordMap() const { return mKeywordControlMap.get(); }
  void DeleteConstraintMaps();

  // The whole model under the tags of its elements; Restore sets only the controls' values.
  OSStatus Save(Settings& settings);
  OSStatus Restore(Settings& settings);
  long CommonGetForestList(void* control, long itemNum, SharedConstraintRec** out,
                           const ConstraintForest* forest) const;

 protected:
  void Build();
  void CreateContainers();
  void RebuildElements(Settings& settings);
  void StoreErrorAndStop(ErrorPtr error, bool& stop);
  void AddWarning(short code, const char* keyword = nullptr);

  // Extension keyword handlers; each returns at most one error.
  ErrorPtr ParseUIConstraint(PPDStream& line, bool isRequirement);
  ErrorPtr ParsePropertyPage(PPDStream& line);
  ErrorPtr ParseGroupName(PPDStream& line);
  ErrorPtr ParseParent(PPDStream& line);
  ErrorPtr ParseControl(PPDStream& line);
  ErrorPtr ParseShortcut(PPDStream& line);
  ErrorPtr ParseSpecialOption(PPDStream& line);
  ErrorPtr ParseJobNote(PPDStream& line);
  ErrorPtr ParseGroup(PPDStream& line, const char* controlKeyword, std::vector<std::string>& flags);
  ErrorPtr ParseOpenUI(PPDStream& line, const char* controlKeyword, std::vector<std::string>& flags,
                       PPDXGroup* group);
  ErrorPtr ParseRange(PPDStream& line, const char* controlKeyword, std::vector<std::string>& flags,
                      PPDXGroup* group);
  ErrorPtr ParseJobNote(PPDStream& line, const char* controlKeyword,
                        std::vector<std::string>& flags, PPDXGroup* group);
  ErrorPtr ParseBooleanControl(const char* controlKeyword, const std::string& name,
                               std::vector<std::string>& flags, PPDXGroup* group);
  ErrorPtr ParsePopupControl(const char* controlKeyword, const std::string& name,
                             std::vector<std::string>& flags, PPDXGroup* group,
                             const bool& multiSelection);
  void SetupControl(PPDXGroup* group, PPDXControl* control, bool reportInvalidParent);
  // The line after a job note: its default notes or its code, consumed only when it is one.
  void ReadJobNoteFollowUp(const char* keyword, JobNoteValues& values);
  struct UIBlock;
  // Handles a default line's token; false when the token is no default.
  bool ReadDefaultToken(PPDStream& line, const char* token, UIBlock& block, bool popup);
  // Reads a block's lines up to its closer, handling defaults; each option line's keyword,
  // translation and the rest of its line go to the handler, called as
  // onOption(const char* option, const char* translation, PPDStream& line) -> ErrorPtr.
  // The first error ends the walk.
  template <class OptionHandler>
  ErrorPtr WalkUIBlock(UIBlock& block, bool popup, OptionHandler&& onOption);
  // The quoted code that follows on the line (and its continuation lines), at most 4096 bytes.
  std::string ReadPostScript(PPDStream& line);
  // The same into mCodeBuffer; returns its length.
  long ReadCode(PPDStream& line);

  void AddGroupNameToList(const char* keyword, const std::string& name, bool visible);
  const GroupName* FindGroupNameFromList(const char* keyword) const;
  PPDXGroup* FindAndCreateParent(const char* groupKeyword);
  void CollectOrphanGroups();
  void ClearGroupNameList() { mGroupNameKeywords.clear(); }
  void ResolveShortcuts();

  // The translation token of a line, converted for display; the keyword when no converter exists.
  std::optional<std::string> ReadTranslation(PPDStream& line, const char* fallback);
  std::string ConvertTranslation(const char* text, const char* fallback);
  // The display name of a block's option line (its translation, else the option keyword),
  // decoded like every translation; none without a converter.
  std::optional<std::string> ChoiceName(const char* option, const char* translation);
  static std::vector<std::string> ReadFlagWords(PPDStream& line);
  bool Admits(bool visible) const { return visible || ParseHidden(); }
  void RegisterControl(const char* keyword, PPDXControl* control);
  SharedConstraintRec MakeRecord(const ConstraintPair& pair) const;

  _PARSE_OPTIONS_ mParseOptions = PO_NONE;
  // The choices the parse reads and their texts; they live exactly as long as the controls, which
  // the destructor deletes before any member goes. Choices given later by callers use the heap.
  std::pmr::monotonic_buffer_resource mChoiceArena;
  std::unique_ptr<PPDXProperties> mProperties;
  std::unique_ptr<PPDXGroups> mGroups;
  std::unique_ptr<PPDXControls> mControls;
  std::unique_ptr<PPDXShortcuts> mShortcuts;
  bool mLoadingInstallableOptions = false;
  PPDXRollDown* mInstallableOptionsGroup = nullptr;
  std::string mKTFileVersion;
  std::string mKTVersion;
  std::vector<std::string> mShortcutKeywords;
  std::vector<GroupName> mGroupNameKeywords;
  std::unique_ptr<KeywordTo_PPDControl> mKeywordControlMap;
  std::unique_ptr<ConstraintForest> mConstraintForest;
  std::unique_ptr<ConstraintForest> mRequiresForest;
  // This description's interned constraint names; gConstraintStrings points here while it is the
  // latest one built.
  std::unique_ptr<CStringSoup> mConstraintStrings;
  // Keywords of every control placed so far, shown by the display filter or not: a second
  // "*%KTVFlags" block for one of them is a duplicate.
  std::unordered_set<std::string> mPlacedKeywords;
  std::vector<char> mCodeBuffer;  // one code block at a time, kPostScriptSizeLimit bytes

  static _EXTENSIONS_SUPPORT_ sExtensionsSupport;

 private:
  void DestroyElements();
};

// The file-name checks: the file's "*PCFileName" must carry one of names.
bool ValidateAgainstPCFilename(const PrinterFileNames& names, PPDFile& file);
bool ValidateFileName(const std::filesystem::path& url, const PrinterFileNames* names,
                      PPDFile* file);
