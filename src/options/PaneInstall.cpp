// The panes' making: the tab control and its seven panes from the interface file, their
// configuration, handlers and tab switching.
#include "options/CCorvelOptions.h"

void CCorvelOptions::ConfigureCorvelControls() {}
void CCorvelOptions::ConfigureFilePaneControls() {}
void CCorvelOptions::ConfigureExtrasPaneControls() {}
void CCorvelOptions::ConfigurePagePaneControls() {}
void CCorvelOptions::ConfigureOutputPaneControls() {}
void CCorvelOptions::ConfigureQualityPaneControls() {}
void CCorvelOptions::ConfigureInfoPaneControls() {}
void CCorvelOptions::ConfigureAccessoriesPaneControls() {}
