#ifndef CORVEL_PPDX_INTERFACE_H
#define CORVEL_PPDX_INTERFACE_H
/* The flat interface of the extended PPD library: plain functions over its objects, exported
 * with C linkage from the library's shared object. Every function takes the object it works on
 * as an untyped handle first; a null handle never faults and gives the neutral result (0 or
 * null; true for the emptiness tests and IsOrphan). Booleans are returned as int (0 or 1). */

#ifdef __cplusplus
extern "C" {
#endif

typedef void* PPDXHandle;

/* Control kinds as the walks report them (ctPopup ... ctSpecialOption). */
typedef int PPDXControlKind;

/* One choice of a popup, filled by FirstItem/NextItem; both texts are owned by the popup. */
typedef struct PPDXPopupItemRecord {
  const char* keyword; /* option keyword, null if none */
  const char* name;    /* translation (UTF-8), null if none */
} PPDXPopupItemRecord;

#define PPDX_EXPORT __attribute__((visibility("default")))

/* error list and records */
PPDX_EXPORT PPDXHandle FirstError(PPDXHandle errors);
PPDX_EXPORT PPDXHandle NextError(PPDXHandle errors);
PPDX_EXPORT int ErrorListIsEmpty(PPDXHandle errors);
PPDX_EXPORT long ErrorCount(PPDXHandle errors);
PPDX_EXPORT const char* GetErrorKeyword(PPDXHandle error);
PPDX_EXPORT const char* GetErrorDescription(PPDXHandle error);
PPDX_EXPORT int IsErrorFatal(PPDXHandle error);

/* groups */
PPDX_EXPORT PPDXHandle FirstGroup(PPDXHandle groups);
PPDX_EXPORT PPDXHandle NextGroup(PPDXHandle groups);
PPDX_EXPORT PPDXHandle FindGroup(PPDXHandle groups, const char* keyword, const int* exact);
PPDX_EXPORT int IsGrouPointerListEmpty(PPDXHandle groups);
PPDX_EXPORT long GroupCount(PPDXHandle groups);
PPDX_EXPORT PPDXHandle GetScrollPaneRollDowns(PPDXHandle group);
PPDX_EXPORT int IsScrollPane(PPDXHandle group);
PPDX_EXPORT PPDXHandle GetRollDownControlList(PPDXHandle group);
PPDX_EXPORT int IsRollDown(PPDXHandle group);

/* any element */
PPDX_EXPORT const char* Keyword(PPDXHandle element);
PPDX_EXPORT const char* UserName(PPDXHandle element);
PPDX_EXPORT int IsVisible(PPDXHandle element);
PPDX_EXPORT PPDXHandle GetParent(PPDXHandle element);
PPDX_EXPORT int IsOrphan(PPDXHandle element);
PPDX_EXPORT int EqualsElement(PPDXHandle element, PPDXHandle other);
PPDX_EXPORT int EqualsKeyWord(PPDXHandle element, const char* keyword);

/* property pages */
PPDX_EXPORT PPDXHandle FirstProperty(PPDXHandle properties);
PPDX_EXPORT PPDXHandle NextProperty(PPDXHandle properties);
PPDX_EXPORT PPDXHandle FindProperty(PPDXHandle properties, const char* keyword, const int* exact);
PPDX_EXPORT int IsPropertyListEmpty(PPDXHandle properties);
PPDX_EXPORT long PropertyCount(PPDXHandle properties);
PPDX_EXPORT int ShowPropInPrintProp(PPDXHandle property);
PPDX_EXPORT int ShowPropInApp(PPDXHandle property);
PPDX_EXPORT PPDXHandle GetPropertyScrollDown(PPDXHandle property);
PPDX_EXPORT void SetPropertyScrollDown(PPDXHandle property, PPDXHandle scrollPane);
PPDX_EXPORT int IsPropertyPage(PPDXHandle element);

/* control containers */
PPDX_EXPORT long GetControlCount(PPDXHandle controls);
PPDX_EXPORT long GetPopupCount(PPDXHandle controls);
PPDX_EXPORT long GetBooleanCount(PPDXHandle controls);
PPDX_EXPORT long GetRangeCount(PPDXHandle controls);
PPDX_EXPORT long GetJobnoteCount(PPDXHandle controls);
PPDX_EXPORT PPDXHandle Find(PPDXHandle controls, const char* keyword, PPDXControlKind* kind,
                            const int* exact);
PPDX_EXPORT PPDXHandle GetFirst(PPDXHandle controls, PPDXControlKind* kind);
PPDX_EXPORT PPDXHandle GetNext(PPDXHandle controls, PPDXControlKind* kind);
PPDX_EXPORT PPDXHandle GetFirstPopupControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetNextPopupControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetFindPopup(PPDXHandle controls, const char* keyword, const int* exact);
PPDX_EXPORT PPDXHandle GetFirstBooleanControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetNextBooleanControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetFindBoolean(PPDXHandle controls, const char* keyword, const int* exact);
PPDX_EXPORT PPDXHandle GetFirstRangeControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetNextRangeControl(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetFindRangeControl(PPDXHandle controls, const char* keyword,
                                           const int* exact);
PPDX_EXPORT PPDXHandle GetFirstJobNote(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetNextJobNote(PPDXHandle controls);
PPDX_EXPORT PPDXHandle GetFindJobNote(PPDXHandle controls, const char* keyword, const int* exact);
PPDX_EXPORT int GetEmpty(PPDXHandle controls);
PPDX_EXPORT int GetNoPopups(PPDXHandle controls);
PPDX_EXPORT int GetNoBooleanControls(PPDXHandle controls);
PPDX_EXPORT int GetNoRangeControls(PPDXHandle controls);
PPDX_EXPORT int GetNoJobNotes(PPDXHandle controls);

/* any control */
PPDX_EXPORT long GetControlFlagCount(PPDXHandle control);
PPDX_EXPORT const char* GetFirstControlFlag(PPDXHandle control);
PPDX_EXPORT const char* GetNextControlFlag(PPDXHandle control);
PPDX_EXPORT int IsCommandControl(PPDXHandle control);
PPDX_EXPORT int IsSpoolerControl(PPDXHandle control);
PPDX_EXPORT int IsSetupControl(PPDXHandle control);
PPDX_EXPORT int IsMacFJNControl(PPDXHandle control);
PPDX_EXPORT int IsMacImgShiftControl(PPDXHandle control);
/* Writes the control's PostScript into out (null: length only) and returns its length. */
PPDX_EXPORT long GetPostScript(PPDXHandle control, unsigned char* out);
PPDX_EXPORT void ResetControlToDefault(PPDXHandle control);
PPDX_EXPORT int IsValidControlKeyword(PPDXHandle control, const char* keyword);

/* popups */
PPDX_EXPORT int CanSelectMultipleItems(PPDXHandle popup);
PPDX_EXPORT const char* GetDefaultKeyword(PPDXHandle popup);
PPDX_EXPORT long PopupItemCount(PPDXHandle popup);
PPDX_EXPORT long GetPopupValue(PPDXHandle popup);
PPDX_EXPORT long GetPopupDefaultValue(PPDXHandle popup);
PPDX_EXPORT const char* GetKeywordLocalName(PPDXHandle popup, const char* option);
PPDX_EXPORT int IsKeywordSelected(PPDXHandle popup, const char* option);
PPDX_EXPORT long GetKeywordPSData(PPDXHandle popup, const char* option, unsigned char* out);
PPDX_EXPORT int SetKeywordSelect(PPDXHandle popup, const char* option, int on);
PPDX_EXPORT void SetPopupValue(PPDXHandle popup, long position);
PPDX_EXPORT int FirstItem(PPDXHandle popup, PPDXPopupItemRecord* item);
PPDX_EXPORT int NextItem(PPDXHandle popup, PPDXPopupItemRecord* item);
PPDX_EXPORT long PopupPostScript(PPDXHandle popup, unsigned char* out);

/* booleans */
PPDX_EXPORT int IsTrue(PPDXHandle boolean);
PPDX_EXPORT int DefaultState(PPDXHandle boolean);
PPDX_EXPORT const char* TrueDisplayText(PPDXHandle boolean);
PPDX_EXPORT const char* FalseDisplayText(PPDXHandle boolean);
PPDX_EXPORT void SetValue(PPDXHandle boolean, int value);
PPDX_EXPORT long BooleanPostScript(PPDXHandle boolean, unsigned char* out);

/* ranges */
PPDX_EXPORT long GetRangeValue(PPDXHandle range);
PPDX_EXPORT long GetRangeMinimum(PPDXHandle range);
PPDX_EXPORT long GetRangeMaximum(PPDXHandle range);
PPDX_EXPORT long GetRangeIncrement(PPDXHandle range);
PPDX_EXPORT long GetRangeDefaultVal(PPDXHandle range);
PPDX_EXPORT void SetRangeValue(PPDXHandle range, long value);
PPDX_EXPORT long RangePostScript(PPDXHandle range, unsigned char* out);

/* shortcuts */
PPDX_EXPORT PPDXHandle FirstShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle NextShortcut(PPDXHandle shortcuts);
PPDX_EXPORT long GetShortcutCount(PPDXHandle shortcuts);
PPDX_EXPORT int IsShortcutsListEmpty(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle FindShortcut(PPDXHandle shortcuts, const char* keyword, const int* exact);
PPDX_EXPORT PPDXHandle GetPageSizeShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle GetInputSlotShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle GetDuplexShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle GetOrientationShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle GetChromvaleShortcut(PPDXHandle shortcuts);
PPDX_EXPORT PPDXHandle GetMediaSourceShortcut(PPDXHandle shortcuts);

#ifdef __cplusplus
}
#endif

#endif /* CORVEL_PPDX_INTERFACE_H */
