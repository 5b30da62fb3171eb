// The finishing pictures of the Output pane and the orientation that chooses between their sets.
#include "options/CCorvelOptions.h"

void CCorvelOptions::DrawStapleIcon(CGrafPtr) {}
void CCorvelOptions::DrawPunchIcon(CGrafPtr) {}
void CCorvelOptions::DrawFastenIcon(CGrafPtr) {}
void CCorvelOptions::DrawFoldIcon(CGrafPtr) {}
void CCorvelOptions::SetOrientation(int16_t) {}
