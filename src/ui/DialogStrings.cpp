#include "ui/DialogStrings.h"

#include "ui/PDEBundle.h"

std::optional<std::string> DialogStrings::GetDialogString(const std::string& key) {
  return PDEBundle::GetLocalizedCFStringFromFile(key, "Dialogs", nullptr);
}
