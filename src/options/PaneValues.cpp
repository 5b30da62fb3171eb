// The record's values in the pane controls and back.
#include "options/CCorvelOptions.h"

void CCorvelOptions::GetFilePaneOptionsFromUI() {}
void CCorvelOptions::GetExtrasPaneOptionsFromUI() {}
void CCorvelOptions::GetPagePaneOptionsFromUI() {}
void CCorvelOptions::GetOutputPaneOptionsFromUI() {}
void CCorvelOptions::GetQualityPaneOptionsFromUI() {}
void CCorvelOptions::GetInfoPaneOptionsFromUI() {}
// The Accessories pane's own handler keeps its flag up to date.
void CCorvelOptions::GetAccessoriesPaneOptionsFromUI() {}
void CCorvelOptions::SetFilePaneOptionsInUI() {}
void CCorvelOptions::SetExtrasPaneOptionsInUI() {}
void CCorvelOptions::SetPagePaneOptionsInUI() {}
void CCorvelOptions::SetOutputPaneOptionsInUI() {}
void CCorvelOptions::SetQualityPaneOptionsInUI() {}
void CCorvelOptions::SetInfoPaneOptionsInUI() {}
void CCorvelOptions::SetAccessoriesPaneOptionsInUI() {}
