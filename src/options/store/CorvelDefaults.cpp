// The built-in defaults of the option record, pane by pane, from the option table.
#include "options/CCorvelOptions.h"
#include "options/OptionTable.h"

namespace {

void ApplyDefaults(CorvelOptions pane, CorvelOptionsData& data) {
  ForEachOptionOf(pane, [&](const OptionRow& row) { data.*row.field = row.defaultValue; });
}

}  // namespace

void CCorvelOptions::GetFilePaneDefaults() {
  mCorvelOptionsData.fileHandlingRadioID = 10;  // "PrintDelete"
  mCorvelOptionsData.printTime = 0;
}

void CCorvelOptions::GetExtrasPaneDefaults() {
  ApplyDefaults(Extras_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetPagePaneDefaults() {
  ApplyDefaults(Page_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetOutputPaneDefaults() {
  ApplyDefaults(Output_CorvelOptions, mCorvelOptionsData);
}

void CCorvelOptions::GetQualityPaneDefaults() {
  ApplyDefaults(Quality_CorvelOptions, mCorvelOptionsData);
  GetQualityX3Defaults();
}

void CCorvelOptions::GetQualityX3Defaults() {
  ForEachOptionOf(Quality_CorvelOptions, [&](const OptionRow& row) {
    if (row.x3Default) mCorvelOptionsData.*row.field = row.defaultValue;
  });
}

void CCorvelOptions::GetInfoPaneDefaults() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.bInitialConnection = true;
  for (unsigned char* text :
       {d.ipAddress, d.owner, d.password, d.comment, d.acctNumber, d.securePrintPassword})
    text[0] = 0;
}

void CCorvelOptions::GetAccessoriesPaneDefaults() { mCorvelOptionsData.mSyncWithServer = false; }
