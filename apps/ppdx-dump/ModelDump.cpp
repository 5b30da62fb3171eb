#include "ModelDump.h"

#include <set>
#include <string>
#include <vector>

#include "JsonWriter.h"
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

namespace {

void KeywordOrNull(JsonWriter& json, const char* key, const PPDXElement* element) {
  json.Key(key);
  json.String(element ? element->Keyword() : nullptr);
}

void WriteErrors(JsonWriter& json, KTVPPD& ppd) {
  json.Key("errors");
  json.BeginArray();
  PPDXErrors* errors = ppd.GetErrors();
  for (long i = 0; errors && i < errors->Count(); ++i) {
    const PPDXErrorObj& error = (*errors)[i];
    json.BeginObject();
    json.Key("code");
    json.Int(error.Code());
    json.Key("name");
    json.String(PPDXErrorName(error.Code()));
    json.Key("keyword");
    json.String(error.Keyword());
    json.Key("fatal");
    json.Bool(error.IsFatal());
    json.Key("description");
    json.String(error.Description());
    json.EndObject();
  }
  json.EndArray();
}

void WriteProperties(JsonWriter& json, KTVPPD& ppd) {
  json.Key("properties");
  json.BeginArray();
  PPDXProperties* pages = ppd.GetProperties();
  for (PPDXProperty* page = pages ? pages->First() : nullptr; page; page = pages->Next()) {
    json.BeginObject();
    json.Key("keyword");
    json.String(page->Keyword());
    json.Key("name");
    json.String(page->UserName());
    json.Key("visible");
    json.Bool(page->IsVisible());
    json.Key("showInPrintProp");
    json.Bool(page->ShowInPrintProp());
    json.Key("showInApp");
    json.Bool(page->ShowInApp());
    KeywordOrNull(json, "scrollPane", page->GetScrollDown());
    json.EndObject();
  }
  json.EndArray();
}

std::vector<std::string> ChildKeywords(PPDXGroup* group) {
  std::vector<std::string> children;
  if (auto* pane = dynamic_cast<PPDXScrollPane*>(group)) {
    PPDXGroups* rolls = pane->RollDowns();
    for (PPDXGroup* roll = rolls->First(); roll; roll = rolls->Next())
      if (roll->Keyword()) children.emplace_back(roll->Keyword());
  } else if (auto* roll = dynamic_cast<PPDXRollDown*>(group)) {
    PPDXControls* controls = roll->Controls();
    CNTL_TYPE kind;
    for (PPDXControl* control = controls->First(kind); control; control = controls->Next(kind))
      if (control->Keyword()) children.emplace_back(control->Keyword());
  }
  return children;
}

const char* GroupKind(PPDXGroup* group) {
  if (dynamic_cast<PPDXScrollPane*>(group)) return "scrollpane";
  if (dynamic_cast<PPDXRollDown*>(group)) return "rolldown";
  return "group";
}

void WriteGroups(JsonWriter& json, KTVPPD& ppd) {
  json.Key("groups");
  json.BeginArray();
  PPDXGroups* groups = ppd.GetGroups();
  std::vector<PPDXGroup*> all;  // collected first: the children walks share nothing with it
  for (PPDXGroup* group = groups ? groups->First() : nullptr; group; group = groups->Next())
    all.push_back(group);
  for (PPDXGroup* group : all) {
    json.BeginObject();
    json.Key("keyword");
    json.String(group->Keyword());
    json.Key("name");
    json.String(group->UserName());
    json.Key("kind");
    json.String(GroupKind(group));
    json.Key("visible");
    json.Bool(group->IsVisible());
    KeywordOrNull(json, "parent", group->GetParent());
    json.Key("children");
    json.BeginArray();
    for (const std::string& child : ChildKeywords(group)) json.String(child);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
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

void WritePopupFields(JsonWriter& json, PPDXPopupControl& popup) {
  json.Key("multi");
  json.Bool(popup.CanSelectMultipleItems());
  json.Key("default");
  json.String(popup.GetDefaultKeyword());
  json.Key("value");
  json.Int(popup.GetValue());
  json.Key("items");
  json.BeginArray();
  for (_PopupItem* item = popup.FirstItem(); item; item = popup.NextItem()) {
    json.BeginObject();
    json.Key("keyword");
    json.String(static_cast<const char*>(item->keyword));
    json.Key("name");
    json.String(item->mCFDisplayName ? item->mCFDisplayName->c_str() : nullptr);
    json.Key("selected");
    json.Bool(item->isSelected);
    json.EndObject();
  }
  json.EndArray();
}

void WriteKindFields(JsonWriter& json, PPDXControl& control) {
  if (auto* popup = dynamic_cast<PPDXPopupControl*>(&control)) {
    WritePopupFields(json, *popup);
  } else if (auto* boolean = dynamic_cast<PPDXBooleanControl*>(&control)) {
    json.Key("value");
    json.Bool(boolean->IsTrue());
    json.Key("default");
    json.Bool(boolean->DefaultState());
    json.Key("trueText");
    json.String(boolean->TrueDisplayText());
    json.Key("falseText");
    json.String(boolean->FalseDisplayText());
  } else if (auto* range = dynamic_cast<PPDXRangeControl*>(&control)) {
    for (const auto& [key, value] :
         {std::pair{"value", range->GetValue()}, std::pair{"min", range->MinVal()},
          std::pair{"max", range->MaxVal()}, std::pair{"increment", range->Increment()},
          std::pair{"default", range->DefaultValue()}}) {
      json.Key(key);
      json.Int(value);
    }
  } else if (auto* note = dynamic_cast<PPDXJobNote*>(&control)) {
    json.Key("notes");
    json.String(note->GetNotes());
    json.Key("maxLength");
    json.Int(note->MaxLength());
    json.Key("minLength");
    json.Int(note->MinLength());
    json.Key("flagBits");
    json.Int(note->NoteFlags());
  } else if (auto* special = dynamic_cast<PPDXSpecialOption*>(&control)) {
    json.Key("value");
    json.String(special->GetValue());
  }
}

void WriteControls(JsonWriter& json, KTVPPD& ppd) {
  json.Key("controls");
  json.BeginArray();
  PPDXControls* controls = ppd.GetControls();
  std::vector<PPDXControl*> all;
  CNTL_TYPE kind;
  for (PPDXControl* c = controls ? controls->First(kind) : nullptr; c; c = controls->Next(kind))
    all.push_back(c);
  for (PPDXControl* control : all) {
    json.BeginObject();
    json.Key("keyword");
    json.String(control->Keyword());
    json.Key("name");
    json.String(control->UserName());
    json.Key("kind");
    json.String(KindName(control->Type()));
    json.Key("visible");
    json.Bool(control->IsVisible());
    KeywordOrNull(json, "parent", control->GetParent());
    json.Key("flags");
    json.BeginArray();
    for (const char* flag = control->FirstControlFlag(); flag; flag = control->NextControlFlag())
      json.String(flag);
    json.EndArray();
    json.Key("postscript");
    json.String(PostScriptOf(*control));
    WriteKindFields(json, *control);
    json.EndObject();
  }
  json.EndArray();
}

void WriteShortcuts(JsonWriter& json, KTVPPD& ppd) {
  json.Key("shortcuts");
  json.BeginArray();
  PPDXShortcuts* shortcuts = ppd.GetShortcuts();
  for (PPDXControl* c = shortcuts ? shortcuts->First() : nullptr; c; c = shortcuts->Next())
    json.String(c->Keyword());
  json.EndArray();
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

void WriteForest(JsonWriter& json, KTVPPD& ppd, const char* key, const ConstraintForest* forest) {
  json.Key(key);
  json.BeginObject();
  const KeywordTo_PPDControl* map = ppd.KeywordMap();
  std::set<std::string> written;
  for (long e = 0; map && e < map->size(); ++e) {
    const auto& [keyword, control] = (*map)[e];
    if (control == nullptr || !written.insert(keyword).second) continue;
    bool open = false;
    for (long item : QueriedItems(*control)) {
      SharedConstraintRec* records = nullptr;
      const long n = ppd.CommonGetForestList(control, item, &records, forest);
      if (n == 0) continue;
      if (!open) {
        json.Key(keyword);
        json.BeginObject();
        open = true;
      }
      json.Key(std::to_string(item));
      json.BeginArray();
      for (long r = 0; r < n; ++r) {
        const SharedConstraintRec record = records[r];
        json.BeginObject();
        json.Key("control");
        json.String(record.ppdControl ? record.ppdControl->Keyword() : nullptr);
        json.Key("item");
        json.Int(record.itemNum);
        json.EndObject();
      }
      json.EndArray();
      KTVPPD::ReleaseConstraintList(records);
    }
    if (open) json.EndObject();
  }
  json.EndObject();
}

}  // namespace

std::string DumpModel(KTVPPD& ppd) {
  DisplayOptionsScope showAll(SO_SHOW_ALL);
  JsonWriter json;
  json.BeginObject();
  json.Key("valid");
  json.Bool(ppd.IsValidPPD());
  for (const auto& [key, text] :
       {std::pair{"pcFileName", ppd.PCFileName()}, std::pair{"modelName", ppd.ModelName()},
        std::pair{"languageVersion", ppd.LanguageVersion()},
        std::pair{"languageEncoding", ppd.LanguageEncoding()}}) {
    json.Key(key);
    json.String(text);
  }
  WriteErrors(json, ppd);
  WriteProperties(json, ppd);
  WriteGroups(json, ppd);
  WriteControls(json, ppd);
  WriteShortcuts(json, ppd);
  WriteForest(json, ppd, "constraints", ppd.ConstraintMap());
  WriteForest(json, ppd, "requires", ppd.RequiresMap());
  json.EndObject();
  return json.Text();
}
