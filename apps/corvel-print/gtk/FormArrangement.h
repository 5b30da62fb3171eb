#pragma once
// The form rule of FormLayout applied to the widgets of one container: each widget is measured as
// the toolkit draws it, moved in its Gtk::Fixed to the place the rule gives, and each field with
// a label on its row is named after that label for assistive tools (a screen reader says
// "Owner", not "text field"). Titles and texts arrive after the build, so it runs again after
// every change the window shows.
#include <gtkmm/fixed.h>

#include <string>
#include <vector>

#include "ControlWidget.h"

struct FormMember {
  ControlWidget* widget;
  Rect bounds;  // the control's bounds in its container
};

class FormArrangement {
 public:
  FormArrangement(Gtk::Fixed& layout, std::vector<FormMember> members)
      : mLayout(&layout), mMembers(std::move(members)) {}
  // Lays the form out again when a text, a title or a widget's least width changed since the
  // last time; otherwise leaves every widget alone (a popup's open list stays where it is).
  void Arrange();

 private:
  std::string ShownState() const;

  Gtk::Fixed* mLayout;
  std::vector<FormMember> mMembers;
  std::string mArrangedFor;
};
