#include "ModelDump.h"

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "JsonText.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/errors/PPDXErrorNames.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXProperties.h"
#include "ppdx/model/PPDXProperty.h"
#include "ppdx/model/PPDXRollDown.h"
#include "ppdx/model/PPDXScrollPane.h"
#include "ppdx/model/PPDXShortcuts.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

// Keys stay in the order they are written, so the dump reads in the model's order.
using Json = nlohmann::ordered_json;

namespace {

// A text of the model as a JSON string; null for a null text.
Json Text(const char* text) { return text ? Json(JsonText(text)) : Json(nullptr); }
Json Text(const std::string& text) { return JsonText(text); }

Json KeywordOf(const PPDXElement* element) { return Text(element ? element->Keyword() : nullptr); }

Json Errors(KTVPPD& ppd) {
  Json list = Json::array();
  PPDXErrors* errors = ppd.GetErrors();
  for (long i = 0; errors && i < errors->Count(); ++i) {
    const PPDXErrorObj& error = (*errors)[i];
    list.push_back({{"code", error.Code()},
                    {"name", Text(PPDXErrorName(error.Code()))},
                    {"keyword", Text(error.Keyword())},
                    {"fatal", error.IsFatal()},
                    {"description", Text(error.Description())}});
  }
  return list;
}

Json Properties(KTVPPD& ppd) {
  Json list = Json::array();
  PPDXProperties* pages = ppd.GetProperties();
  for (PPDXProperty* page = pages ? pages->First() : nullptr; page; page = pages->Next())
    list.push_back({{"keyword", Text(page->Keyword())},
                    {"name", Text(page->UserName())},
                    {"visible", page->IsVisible()},
                    {"showInPrintProp", page->ShowInPrintProp()},
                    {"showInApp", page->ShowInApp()},
                    {"scrollPane", KeywordOf(page->GetScrollDown())}});
  return list;
}

Json ChildKeywords(PPDXGroup* group) {
  Json children = Json::array();
  if (auto* pane = dynamic_cast<PPDXScrollPane*>(group)) {
    PPDXGroups* rolls = pane->RollDowns();
    for (PPDXGroup* roll = rolls->First(); roll; roll = rolls->Next())
      if (roll->Keyword()) children.push_back(Text(roll->Keyword()));
  } else if (auto* roll = dynamic_cast<PPDXRollDown*>(group)) {
    PPDXControls* controls = roll->Controls();
    CNTL_TYPE kind;
    for (PPDXControl* control = controls->First(kind); control; control = controls->Next(kind))
      if (control->Keyword()) children.push_back(Text(control->Keyword()));
  }
  return children;
}

const char* GroupKind(PPDXGroup* group) {
  if (dynamic_cast<PPDXScrollPane*>(group)) return "scrollpane";
  if (dynamic_cast<PPDXRollDown*>(group)) return "rolldown";
  return "group";
}

Json Groups(KTVPPD& ppd) {
  PPDXGroups* groups = ppd.GetGroups();
  std::vector<PPDXGroup*> all;  // collected first: the children walks share nothing with it
  for (PPDXGroup* group = groups ? groups->First() : nullptr; group; group = groups->Next())
    all.push_back(group);
  Json list = Json::array();
  for (PPDXGroup* group : all)
    list.push_back({{"keyword", Text(group->Keyword())},
                    {"name", Text(group->UserName())},
                    {"kind", GroupKind(group)},
                    {"visible", group->IsVisible()},
                    {"parent", KeywordOf(group->GetParent())},
                    {"children", ChildKeywords(group)}});
  return list;
}

const char* KindName(CNTL_TYPE kind) {
  switch (kind) {
    case ctPopup:
      return "popup";
    case ctBoolean:
      return "boolean";
    case ctRange:
      return "range";
    case ctJobNote:
      return "jobnote";
    case ctSpecialOption:
      return "special";
    default:
      return "unknown";
  }
}

std::string PostScriptOf(PPDXControl& control) {
  const long length = control.PostScript(nullptr);
  if (length <= 0) return std::string();
  std::string code(size_t(length), '\0');
  control.PostScript(reinterpret_cast<unsigned char*>(code.data()));
  return code;
}

void AddPopupFields(Json& out, PPDXPopupControl& popup) {
  out["multi"] = popup.CanSelectMultipleItems();
  out["default"] = Text(popup.GetDefaultKeyword());
  out["value"] = popup.GetValue();
  Json items = Json::array();
  for (_PopupItem* item = popup.FirstItem(); item; item = popup.NextItem())
    items.push_back({{"keyword", Text(item->keyword.c_str())},
                     {"name", Text(item->mCFDisplayName ? item->mCFDisplayName->c_str() : nullptr)},
                     {"selected", item->isSelected}});
  out["items"] = std::move(items);
}

void AddKindFields(Json& out, PPDXControl& control) {
  if (auto* popup = dynamic_cast<PPDXPopupControl*>(&control)) {
    AddPopupFields(out, *popup);
  } else if (auto* boolean = dynamic_cast<PPDXBooleanControl*>(&control)) {
    out["value"] = boolean->IsTrue();
    out["default"] = boolean->DefaultState();
    out["trueText"] = Text(boolean->TrueDisplayText());
    out["falseText"] = Text(boolean->FalseDisplayText());
  } else if (auto* range = dynamic_cast<PPDXRangeControl*>(&control)) {
    out["value"] = range->GetValue();
    out["min"] = range->MinVal();
    out["max"] = range->MaxVal();
    out["increment"] = range->Increment();
    out["default"] = range->DefaultValue();
  } else if (auto* note = dynamic_cast<PPDXJobNote*>(&control)) {
    out["notes"] = Text(note->GetNotes());
    out["maxLength"] = note->MaxLength();
    out["minLength"] = note->MinLength();
    out["flagBits"] = note->NoteFlags();
  } else if (auto* special = dynamic_cast<PPDXSpecialOption*>(&control)) {
    out["value"] = Text(special->GetValue());
  }
}

Json Controls(KTVPPD& ppd) {
  PPDXControls* controls = ppd.GetControls();
  std::vector<PPDXControl*> all;
  CNTL_TYPE kind;
  for (PPDXControl* c = controls ? controls->First(kind) : nullptr; c; c = controls->Next(kind))
    all.push_back(c);
  Json list = Json::array();
  for (PPDXControl* control : all) {
    Json flags = Json::array();
    for (const char* flag = control->FirstControlFlag(); flag; flag = control->NextControlFlag())
      flags.push_back(Text(flag));
    Json entry = {{"keyword", Text(control->Keyword())},       {"name", Text(control->UserName())},
                  {"kind", KindName(control->Type())},         {"visible", control->IsVisible()},
                  {"parent", KeywordOf(control->GetParent())}, {"flags", std::move(flags)},
                  {"postscript", Text(PostScriptOf(*control))}};
    AddKindFields(entry, *control);
    list.push_back(std::move(entry));
  }
  return list;
}

Json Shortcuts(KTVPPD& ppd) {
  Json list = Json::array();
  PPDXShortcuts* shortcuts = ppd.GetShortcuts();
  for (PPDXControl* c = shortcuts ? shortcuts->First() : nullptr; c; c = shortcuts->Next())
    list.push_back(Text(c->Keyword()));
  return list;
}

// The item numbers a control is asked about: every popup choice, both boolean states, else 0.
std::vector<long> QueriedItems(PPDXControl& control) {
  if (auto* popup = dynamic_cast<PPDXPopupControl*>(&control)) {
    std::vector<long> items;
    for (long i = 1; i <= popup->ItemCount(); ++i) items.push_back(i);
    return items;
  }
  if (control.Type() == ctBoolean) return {0, 1};
  return {0};
}

// The records the forest gives for one choice of a control; an empty array when there are none.
Json ForestAnswer(KTVPPD& ppd, PPDXControl* control, long item, const ConstraintForest* forest) {
  Json pairs = Json::array();
  SharedConstraintRec* records = nullptr;
  const long n = ppd.CommonGetForestList(control, item, &records, forest);
  for (long r = 0; r < n; ++r) {
    const SharedConstraintRec record = records[r];
    pairs.push_back({{"control", Text(record.ppdControl ? record.ppdControl->Keyword() : nullptr)},
                     {"item", record.itemNum}});
  }
  if (n > 0) KTVPPD::ReleaseConstraintList(records);
  return pairs;
}

// Adds a member under a key the object does not hold yet. The object's own operator[] searches
// its keys first, so that filling an object of n members that way takes n² steps.
void AppendNewMember(Json& object, std::string key, Json value) {
  auto& members = static_cast<Json::object_t::Container&>(object.get_ref<Json::object_t&>());
  members.emplace_back(std::move(key), std::move(value));
}

// Per control keyword, per queried item: the answers that are not empty.
Json Forest(KTVPPD& ppd, const ConstraintForest* forest) {
  Json answers = Json::object();
  const KeywordTo_PPDControl* map = ppd.KeywordMap();
  std::set<std::string> written, writtenTexts;
  for (long e = 0; map && e < map->size(); ++e) {
    const auto& [keyword, control] = (*map)[e];
    if (control == nullptr || !written.insert(keyword).second) continue;
    Json perItem = Json::object();
    for (long item : QueriedItems(*control)) {
      Json pairs = ForestAnswer(ppd, control, item, forest);
      if (!pairs.empty()) AppendNewMember(perItem, std::to_string(item), std::move(pairs));
    }
    if (perItem.empty()) continue;
    std::string text = JsonText(keyword);
    if (writtenTexts.insert(text).second)
      AppendNewMember(answers, std::move(text), std::move(perItem));
    else
      answers[text] = std::move(perItem);  // two keywords with one readable text: the later wins
  }
  return answers;
}

}  // namespace

std::string DumpModel(KTVPPD& ppd) {
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  Json dump = {{"valid", ppd.IsValidPPD()},
               {"pcFileName", Text(ppd.PCFileName())},
               {"modelName", Text(ppd.ModelName())},
               {"languageVersion", Text(ppd.LanguageVersion())},
               {"languageEncoding", Text(ppd.LanguageEncoding())},
               {"errors", Errors(ppd)},
               {"properties", Properties(ppd)},
               {"groups", Groups(ppd)},
               {"controls", Controls(ppd)},
               {"shortcuts", Shortcuts(ppd)},
               {"constraints", Forest(ppd, ppd.ConstraintMap())},
               {"requires", Forest(ppd, ppd.RequiresMap())}};
  return dump.dump(2) + "\n";
}
