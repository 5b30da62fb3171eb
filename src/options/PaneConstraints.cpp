// The constraint rules of the panes.
#include "options/CCorvelOptions.h"

void CCorvelOptions::SetFilePaneUIConstraints() {}
void CCorvelOptions::SetExtrasPaneUIConstraints() {}
void CCorvelOptions::SetPagePaneUIConstraints() {}
void CCorvelOptions::SetOutputPaneUIConstraints() {}
void CCorvelOptions::SetQualityPaneUIConstraints() {}
void CCorvelOptions::SetInfoPaneUIConstraints() {}
void CCorvelOptions::SetAccessoriesPaneUIConstraints() {}
void CCorvelOptions::SetAbleStateStaplePunchBox(bool, ControlRef, ControlRef, ControlRef,
                                                ControlRef, ControlRef) {}
void CCorvelOptions::SetAbleStateFoldingBox(bool, ControlRef) {}
void CCorvelOptions::SetAbleStateBookletBox(bool, ControlRef, ControlRef, ControlRef, ControlRef,
                                            ControlRef, ControlRef) {}
void CCorvelOptions::ChangeInstalledOptions(int16_t) {}
