#include "FormArrangement.h"

#include <gtkmm/label.h>

#include <algorithm>
#include <tuple>

#include "FormLayout.h"
#include "platform/toolkit/Controls.h"

namespace {

struct KindRole {
  ControlKind kind;
  FormRole role;
};

constexpr KindRole kRoles[] = {
    {ControlKind::PopupButton, FormRole::Field},  {ControlKind::EditText, FormRole::Field},
    {ControlKind::PasswordText, FormRole::Field}, {ControlKind::Clock, FormRole::Field},
    {ControlKind::PushButton, FormRole::Button},  {ControlKind::BevelButton, FormRole::Button},
};

// A static text ending in a colon names what follows it; any other shows a value.
FormRole RoleOf(ControlWidget& widget) {
  if (auto* label = dynamic_cast<Gtk::Label*>(&widget.Outer())) {
    const Glib::ustring text = label->get_text();
    return !text.empty() && text[text.size() - 1] == ':' ? FormRole::Label : FormRole::Field;
  }
  const ControlKind kind = GetControlKind(widget.Control());
  for (const KindRole& row : kRoles)
    if (row.kind == kind) return row.role;
  return FormRole::Other;
}

int NaturalWidth(Gtk::Widget& widget) {
  int minimum = 0, natural = 0, ignored = 0;
  widget.measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, ignored, ignored);
  return natural;
}

// The least size the widget needs at the width it is given, whatever it was asked for before.
std::pair<int, int> MinimumSize(Gtk::Widget& widget, int givenWidth) {
  int width = 0, height = 0, ignored = 0;
  widget.measure(Gtk::Orientation::HORIZONTAL, -1, width, ignored, ignored, ignored);
  widget.measure(Gtk::Orientation::VERTICAL, std::max(width, givenWidth), height, ignored, ignored,
                 ignored);
  return {width, height};
}

FormItem Measure(const FormMember& member) {
  FormItem item;
  item.role = RoleOf(*member.widget);
  item.bounds = {member.bounds.left, member.bounds.top, RectWidth(member.bounds),
                 RectHeight(member.bounds)};
  Gtk::Widget& outer = member.widget->Outer();
  Gtk::Label* title = member.widget->OwnTitle();
  if (title) title->set_size_request(-1, -1);
  outer.set_size_request(-1, -1);  // measured as it is, not as it was last asked to be
  if (item.role == FormRole::Label) item.labelWidth = NaturalWidth(outer);
  std::tie(item.minWidth, item.height) =
      MinimumSize(outer, std::max<int>(item.labelWidth, item.bounds.width));
  if (item.role == FormRole::Label) return item;
  if (title) item.labelWidth = NaturalWidth(*title);
  return item;
}

std::string WithoutColon(std::string text) {
  while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
  return text;
}

void Name(ControlWidget& widget, const std::string& name) {
  if (name.empty()) return;
  gtk_accessible_update_property(GTK_ACCESSIBLE(widget.Accessible().gobj()),
                                 GTK_ACCESSIBLE_PROPERTY_LABEL, name.c_str(), -1);
}

}  // namespace

// What the layout depends on: each widget's shown state, text and least width.
std::string FormArrangement::ShownState() const {
  std::string state;
  for (const FormMember& member : mMembers) {
    Gtk::Widget& outer = member.widget->Outer();
    int width = 0, ignored = 0;
    outer.measure(Gtk::Orientation::HORIZONTAL, -1, width, ignored, ignored, ignored);
    state += std::to_string(width) + (outer.get_visible() ? "+" : "-");
    if (auto* label = dynamic_cast<Gtk::Label*>(&outer)) state += label->get_text();
    if (Gtk::Label* title = member.widget->OwnTitle()) state += title->get_text();
    state += '\n';
  }
  return state;
}

void FormArrangement::Arrange() {
  if (ShownState() == mArrangedFor) return;
  std::vector<FormItem> items;
  for (const FormMember& member : mMembers) items.push_back(Measure(member));
  const std::vector<FormPlace> places = LayOutForm(items);
  for (size_t i = 0; i < mMembers.size(); ++i) {
    ControlWidget& widget = *mMembers[i].widget;
    const FormPlace& place = places[i];
    const bool label = items[i].role == FormRole::Label;
    widget.Outer().set_size_request(place.bounds.width,
                                    label ? -1 : RectHeight(mMembers[i].bounds));
    mLayout->move(widget.Outer(), place.bounds.x, place.bounds.y);
    if (Gtk::Label* title = widget.OwnTitle()) {
      title->set_size_request(place.titleWidth, -1);
      Name(widget, WithoutColon(title->get_text()));
    }
    if (place.label >= 0)
      if (auto* text = dynamic_cast<Gtk::Label*>(&mMembers[place.label].widget->Outer()))
        Name(widget, WithoutColon(text->get_text()));
  }
  mArrangedFor = ShownState();  // as arranged: the widths asked for now count as least widths
}
