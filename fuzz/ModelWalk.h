#pragma once
// Walks a parsed or rebuilt printer description the way the dialog does: every error, page, group
// and control through the flat interface, each control's code and choices, and the constraint
// and requirement answers of every choice. Aborts when the model contradicts itself.
class KTVPPD;

void WalkModel(KTVPPD& ppd);

// Saves the model into a Settings container, rebuilds a model from it and checks that nothing
// was lost on the way.
void CheckSavedModelRebuilds(KTVPPD& ppd);
