#pragma once
// What a user (and a screen reader) finds wrong in a window on screen: controls drawn over each
// other or past the window's edge, fields with no name but their widget type, labels off their
// field's row. Read from the allocations GTK gave the mirrored control widgets.
#include <gtk/gtk.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>

#include <cmath>
#include <string>
#include <vector>

#include "ModelMirror.h"
#include "platform/toolkit/Controls.h"

namespace layoutcheck {

struct ShownControl {
  ControlRef control;
  Gtk::Widget* widget;
  graphene_rect_t bounds;  // in the window
  std::string name;        // for messages: kind, ID and text
};

inline std::string Describe(ControlRef control, Gtk::Widget& widget) {
  ControlID id;
  GetControlID(control, &id);
  std::string text = CopyControlTitleAsCFString(control).value_or("");
  if (auto* label = dynamic_cast<Gtk::Label*>(&widget)) text = label->get_text();
  return std::string(G_OBJECT_TYPE_NAME(widget.gobj())) + " " + std::to_string(id.signature) + "/" +
         std::to_string(id.id) + " \"" + text + "\"";
}

// The shown controls under `control` that hold no others (containers only frame them).
inline void CollectShown(ModelMirror& mirror, Gtk::Window& window, ControlRef control,
                         std::vector<ShownControl>& shown) {
  uint16_t count = 0;
  CountSubControls(control, &count);
  for (uint16_t i = 1; i <= count; ++i) {
    ControlRef child = nullptr;
    if (GetIndexedSubControl(control, i, &child) != noErr) continue;
    Gtk::Widget* widget = mirror.WidgetFor(child);
    if (!widget || !widget->get_mapped()) continue;
    uint16_t grandchildren = 0;
    CountSubControls(child, &grandchildren);
    if (grandchildren > 0) {
      CollectShown(mirror, window, child, shown);
      continue;
    }
    graphene_rect_t bounds;
    if (!gtk_widget_compute_bounds(widget->gobj(), GTK_WIDGET(window.gobj()), &bounds)) continue;
    if (bounds.size.width <= 0 || bounds.size.height <= 0) continue;
    const std::string at = " at " + std::to_string(int(bounds.origin.x)) + "," +
                           std::to_string(int(bounds.origin.y)) + " " +
                           std::to_string(int(bounds.size.width)) + "x" +
                           std::to_string(int(bounds.size.height));
    shown.push_back({child, widget, bounds, Describe(child, *widget) + at});
  }
}

inline std::vector<ShownControl> ShownControls(ModelMirror& mirror, WindowRef window) {
  std::vector<ShownControl> shown;
  ControlRef root = nullptr;
  Gtk::Window* onScreen = mirror.WindowFor(window);
  if (onScreen && GetRootControl(window, &root) == noErr)
    CollectShown(mirror, *onScreen, root, shown);
  return shown;
}

inline bool Overlap(const graphene_rect_t& a, const graphene_rect_t& b) {
  graphene_rect_t both;
  return graphene_rect_intersection(&a, &b, &both) && both.size.width >= 1 && both.size.height >= 1;
}

// One line per pair of shown controls drawn over each other and per control past the edge.
inline std::vector<std::string> LayoutFaults(ModelMirror& mirror, WindowRef window) {
  std::vector<std::string> faults;
  Gtk::Window* onScreen = mirror.WindowFor(window);
  if (!onScreen) return {"the window is not on screen"};
  const std::vector<ShownControl> shown = ShownControls(mirror, window);
  const graphene_rect_t whole =
      GRAPHENE_RECT_INIT(0, 0, float(onScreen->get_width()), float(onScreen->get_height()));
  for (size_t i = 0; i < shown.size(); ++i) {
    if (!graphene_rect_contains_rect(&whole, &shown[i].bounds))
      faults.push_back(shown[i].name + " runs outside the window");
    for (size_t j = i + 1; j < shown.size(); ++j)
      if (Overlap(shown[i].bounds, shown[j].bounds))
        faults.push_back(shown[i].name + " overlaps " + shown[j].name);
  }
  return faults;
}

// The widget a screen reader announces for a field or popup, or null for other controls.
inline Gtk::Widget* AnnouncedField(const ShownControl& shown) {
  const ControlKind kind = GetControlKind(shown.control);
  if (kind == ControlKind::EditText || kind == ControlKind::PasswordText) return shown.widget;
  if (kind != ControlKind::PopupButton) return nullptr;
  for (Gtk::Widget* child = shown.widget->get_first_child(); child;
       child = child->get_next_sibling())
    if (dynamic_cast<Gtk::DropDown*>(child)) return child;
  return nullptr;
}

// One line per shown field without an accessible name, and per label whose named field does not
// share its row (the label's middle within the field's height, the label before the field).
inline std::vector<std::string> NamingFaults(ModelMirror& mirror, WindowRef window) {
  std::vector<std::string> faults;
  const std::vector<ShownControl> shown = ShownControls(mirror, window);
  for (const ShownControl& field : shown) {
    Gtk::Widget* announced = AnnouncedField(field);
    if (!announced) continue;
    GtkAccessible* accessible = GTK_ACCESSIBLE(announced->gobj());
    if (!gtk_test_accessible_has_property(accessible, GTK_ACCESSIBLE_PROPERTY_LABEL)) {
      faults.push_back(field.name + " has no accessible name");
      continue;
    }
    for (const ShownControl& label : shown) {
      auto* text = dynamic_cast<Gtk::Label*>(label.widget);
      const std::string said = text ? std::string(text->get_text()) : "";
      if (said.size() < 2 || said.back() != ':') continue;
      char* mismatch = gtk_test_accessible_check_property(accessible, GTK_ACCESSIBLE_PROPERTY_LABEL,
                                                          said.substr(0, said.size() - 1).c_str());
      const bool names = mismatch == nullptr;
      g_free(mismatch);
      if (!names) continue;
      const float middle = label.bounds.origin.y + label.bounds.size.height / 2;
      const bool onRow = middle >= field.bounds.origin.y &&
                         middle <= field.bounds.origin.y + field.bounds.size.height &&
                         label.bounds.origin.x < field.bounds.origin.x;
      if (!onRow) faults.push_back(label.name + " is off the row of " + field.name);
    }
  }
  return faults;
}

}  // namespace layoutcheck
