// The secure-print, schedule and rendering-style help dialogs.
#include "options/CCorvelOptions.h"

void CCorvelOptions::DoSecurePrintPasswordDlg() {}
bool CCorvelOptions::SetNorimSecurePrintPassword(SecurePrintData*) { return false; }
void CCorvelOptions::DoNorimSecurePrintErrorDlg(SecurePrintData*) {}
void CCorvelOptions::DoRenderingStyleHelpDlg() {}
void CCorvelOptions::DateTimeToCalendarDisplay(WindowRef, CDateInfo*, CDateInfo*) {}
void CCorvelOptions::CaptureTimeDialogState(WindowRef, CDateInfo*, CDateInfo*) {}
void CCorvelOptions::SetPrintTime(uint32_t seconds) { mCorvelOptionsData.printTime = seconds; }
bool CCorvelOptions::DoSchedulePrint() { return true; }
bool CCorvelOptions::DoPastTimeDialog(WindowRef) { return false; }
