// The record as PPD option settings in the print-settings ticket: PPD main keyword -> choice
// keyword. Most entries follow the option table: fixed keywords by menu item, "True"/"False", or
// the n-th choice of the printer's PPD option of the same name; the entries below the table's
// reach are written here.
#include <string>

#include "options/CCorvelOptions.h"
#include "options/OptionTable.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr const char* kTIFFDPI[] = {"", "Save72", "Save300", "Save600"};
constexpr ChoiceKeywords kTIFFDPIKeywords{kTIFFDPI, 1};

constexpr int kOutputBinFallback = 3;
constexpr int kOutputBinCount = 7;

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

// The n-th choice (1-based) of a PPD option; empty when there is none.
std::string Choice(ppd_file_t* ppd, const char* option, int n) {
  return CUPSHelper(ppd).NamedOptionAndIndexToPPDKey(option, static_cast<short>(n));
}

// The pane's entries that the option table maps directly.
void SetTableChoices(CorvelOptions pane, ppd_file_t* ppd, const CorvelOptionsData& data,
                     PMPPDDict& dict) {
  ForEachOptionOf(pane, [&](const OptionRow& row) {
    const int16_t value = data.*row.field;
    switch (row.form) {
      case TicketForm::None:
        return;
      case TicketForm::TrueWhenOne:
        dict[row.key] = TrueFalse(value == 1);
        return;
      case TicketForm::TrueWhenNotOne:
        dict[row.key] = TrueFalse(value != 1);
        return;
      case TicketForm::TrueWhenNonZero:
        dict[row.key] = TrueFalse(value != 0);
        return;
      case TicketForm::TrueWhenTwo:
        dict[row.key] = TrueFalse(value == 2);
        return;
      case TicketForm::Keywords:
        dict[row.key] = (*row.keywords)[value];
        return;
      case TicketForm::PPDChoice:
        dict[row.key] = Choice(ppd, row.key, value);
        return;
    }
  });
}

// The media-types list names, for each media type, the PPD option that holds its quality
// choices; a type it does not name writes no quality entry.
void SetMediaQuality(const std::optional<PlistValue>& mediaTypes, ppd_file_t* ppd,
                     const std::string& mediaType, int16_t quality, PMPPDDict& dict) {
  const PlistValue* menus = mediaTypes ? mediaTypes->Find("QualityMenu") : nullptr;
  const PlistValue* option = menus ? menus->Find(mediaType) : nullptr;
  const std::string* optionName = option ? option->GetString() : nullptr;
  if (!optionName) return;
  dict[*optionName] = Choice(ppd, optionName->c_str(), quality);
}

}  // namespace

void CCorvelOptions::SetFilePaneOptionsInPPDDict(PMPPDDict* dict) {
  const auto setting = mFilePrintSettings.find(mCorvelOptionsData.fileHandlingRadioID);
  if (setting != mFilePrintSettings.end()) (*dict)["KTCV_Processing"] = setting->second;
}

void CCorvelOptions::SetExtrasPaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  SetTableChoices(Extras_CorvelOptions, mCupsPPD.get(), d, *dict);
  if (d.saveAsType != 0) (*dict)["KTCV_TIFFDPI"] = kTIFFDPIKeywords[d.dpiMenuSelection];
}

void CCorvelOptions::SetPagePaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  ppd_file_t* ppd = mCupsPPD.get();
  SetTableChoices(Page_CorvelOptions, ppd, d, out);
  // The menu leaves out the option's first choice.
  out["KTCV_Imposition"] = d.imposition == 0
                               ? std::string("None")
                               : Choice(ppd, "KTCV_Imposition", d.impositionTypeMenuSelection + 1);
  out["KTCV_ImpPgSize"] =
      Choice(ppd, "KTCV_ImpPgSize", d.imposition != 0 ? d.outputPaperSizeMenuSelection : 1);
  const std::string mediaType = out["KTMediaType"];
  SetMediaQuality(mMediaDict, ppd, mediaType, d.mediaQualityMenuSelection, out);
}

void CCorvelOptions::SetOutputPaneOptionsInPPDDict(PMPPDDict* dict) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  PMPPDDict& out = *dict;
  ppd_file_t* ppd = mCupsPPD.get();
  SetTableChoices(Output_CorvelOptions, ppd, d, out);
  const bool binInRange = d.outputMenuSelection >= 1 && d.outputMenuSelection <= kOutputBinCount;
  out["KTOutputBin"] =
      Choice(ppd, "KTOutputBin", binInRange ? d.outputMenuSelection : kOutputBinFallback);
  // The menu leaves out the option's first choice.
  out["KTCopierBooklet"] = Choice(ppd, "KTCopierBooklet", d.fastenMenuSelection + 1);
}

void CCorvelOptions::SetQualityPaneOptionsInPPDDict(PMPPDDict* dict) {
  SetTableChoices(Quality_CorvelOptions, mCupsPPD.get(), mCorvelOptionsData, *dict);
}

// The Accessories pane has no ticket entries.
void CCorvelOptions::SetAccessoriesPaneOptionsInPPDDict(PMPPDDict*) {}
