#include "DryRunReport.h"

#include <nlohmann/json.hpp>

#include "JobSubmission.h"
#include "platform/PropertyList.h"
#include "platform/toolkit/Toolkit.h"

namespace {

using ordered_json = nlohmann::ordered_json;

// The comment lines in file order: [[section, line], ...]; empty when there is no readable file.
ordered_json CommentLines(PMTicketRef ticket) {
  ordered_json lines = ordered_json::array();
  std::string path;
  PlistValue file;
  if (PMTicketGetCFString(ticket, kJobCommentTicketKey, &path) != noErr ||
      ReadPropertyListFile(path, file) != noErr || !file.GetArray())
    return lines;
  const PlistValue::Array& entries = *file.GetArray();
  for (size_t i = 0; i + 1 < entries.size(); i += 2) {
    const PlistValue::Data* data = entries[i + 1].GetData();
    lines.push_back({entries[i].GetInteger().value_or(0),
                     data ? std::string(data->begin(), data->end()) : std::string()});
  }
  return lines;
}

ordered_json MenuItems(ControlRef control) {
  ordered_json items = ordered_json::array();
  MenuRef menu = GetControlPopupMenuHandle(control);
  for (uint16_t item = 1; menu && item <= CountMenuItems(menu); ++item)
    items.push_back({{"text", CopyMenuItemTextAsCFString(menu, item).value_or("")},
                     {"enabled", IsMenuItemEnabled(menu, item)}});
  return items;
}

ordered_json Control(ControlRef control) {
  ControlID id;
  GetControlID(control, &id);
  std::string text;
  const ControlKind kind = GetControlKind(control);
  if (kind == ControlKind::PasswordText)
    text = std::string(size_t(std::max(0, GetEditTextLength(control))), '*');
  else if (GetControlText(control, &text) != noErr || text.empty())
    text = CopyControlTitleAsCFString(control).value_or("");
  ordered_json entry = {{"sig", FourCCToString(id.signature)},
                        {"id", id.id},
                        {"kind", ControlKindName(kind)},
                        {"value", GetControl32BitValue(control)},
                        {"min", GetControl32BitMinimum(control)},
                        {"max", GetControl32BitMaximum(control)},
                        {"enabled", IsControlEnabled(control)},
                        {"visible", IsControlVisible(control)},
                        {"text", text}};
  if (kind == ControlKind::PopupButton) entry["items"] = MenuItems(control);
  return entry;
}

void AddControls(ControlRef container, ordered_json& controls) {
  uint16_t count = 0;
  CountSubControls(container, &count);
  for (uint16_t i = 1; i <= count; ++i) {
    ControlRef child = nullptr;
    if (GetIndexedSubControl(container, i, &child) != noErr) continue;
    ControlID id;
    if (GetControlID(child, &id) == noErr && id.signature != 0) controls.push_back(Control(child));
    AddControls(child, controls);
  }
}

}  // namespace

std::string DryRunReport(const PrintDialogHost& host) {
  PMTicketRef ticket = host.SettingsTicket();
  ordered_json ppd = ordered_json::object();
  PMPPDDict* dict = nullptr;
  if (PMTicketGetPPDDict(ticket, 0, 0, &dict) == noErr)
    for (const auto& [keyword, choice] : *dict) ppd[keyword] = choice;
  ordered_json entries = ordered_json::object();
  for (const auto& [key, value] : PMTicketCopyStringEntries(ticket)) entries[key] = value;
  ordered_json controls = ordered_json::array();
  AddControls(host.Pane(), controls);
  const ordered_json report = {{"queue", host.Queue()}, {"ppd", ppd},
                               {"ticket", entries},     {"comments", CommentLines(ticket)},
                               {"controls", controls},  {"beeps", GetSysBeepCount()}};
  // Texts in the model are UTF-8; anything else is replaced rather than failing the report.
  return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}
