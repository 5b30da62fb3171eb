#include "ParserTestSupport.h"

#include <cstring>

#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrors.h"

std::string PPDHeader() {
  return "*PPD-Adobe: \"4.3\"\n"
         "*LanguageVersion: English\n"
         "*LanguageEncoding: ISOLatin1\n"
         "*PCFileName: \"TEST.PPD\"\n"
         "*ModelName: \"Test Model\"\n";
}

std::string PPDLayout() {
  return "*%KTVPropPage Pg/Page: True\n"
         "*%KTVGroupName Pane/Pane: True\n"
         "*%KTVParent Pane/Pg: True|Scrollpane\n"
         "*%KTVGroupName Roll/Roll: True\n"
         "*%KTVParent Roll/Pane: True|Rolldown\n";
}

std::string UIBlock(const std::string& keyword, const std::string& group, const std::string& body,
                    const std::string& flags, const std::string& type) {
  std::string text = "*%KTVFlags *" + keyword + (flags.empty() ? "" : " " + flags) + "\n";
  if (!group.empty()) text += "*%KTVGroup *" + keyword + " " + group + "\n";
  return text + "*OpenUI *" + keyword + "/Name " + keyword + ": " + type + "\n" + body +
         "*CloseUI: *" + keyword + "\n";
}

ParsedPPD::ParsedPPD(const std::string& text, _PARSE_OPTIONS_ options)
    : mFile(text), mPPD(std::make_unique<KTVPPD>(mFile.Path(), options)) {}

std::vector<short> ParsedPPD::Codes() const {
  std::vector<short> codes;
  PPDXErrors* errors = mPPD->GetErrors();
  for (long i = 0; i < errors->Count(); ++i) codes.push_back((*errors)[i].Code());
  return codes;
}

bool ParsedPPD::Has(short code, const char* keyword, bool fatalOnly) const {
  PPDXErrors* errors = mPPD->GetErrors();
  for (long i = 0; i < errors->Count(); ++i) {
    const PPDXErrorObj& error = (*errors)[i];
    if (error.Code() != code || (fatalOnly && !error.IsFatal())) continue;
    if (keyword == nullptr || (error.Keyword() && std::strcmp(error.Keyword(), keyword) == 0))
      return true;
  }
  return false;
}

PPDXControl* ParsedPPD::Control(const char* keyword) const {
  DisplayOptionsScope all(SO_SHOW_ALL);
  CNTL_TYPE kind;
  return mPPD->GetControls()->Find(keyword, kind, true);
}
