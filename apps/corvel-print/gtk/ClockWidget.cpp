// Clocks: the time of day as labelled hour and minute fields (24-hour), and under them the
// clock's date in the locale's form. Editing a field sets the clock in the model as the user's
// edit, keeping the rest of its date; the model may refuse it, and the fields then show its time
// again.
#include <glibmm/datetime.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>
#include <gtkmm/spinbutton.h>

#include <array>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/UserActions.h"

namespace {

struct TimeField {
  const char* label;
  int16_t LongDateRec::*field;
  double maximum;
};

constexpr std::array<TimeField, 2> kFields = {{
    {"_Hour", &LongDateRec::hour, 23},
    {"_Minute", &LongDateRec::minute, 59},
}};

// The date in the locale's short form ("%x"), or nothing for a date GLib cannot represent.
std::string LocaleDate(const LongDateRec& date) {
  const Glib::DateTime day =
      Glib::DateTime::create_local(date.year, date.month, date.day, 0, 0, 0.0);
  return day ? day.format("%x").raw() : std::string();
}

class ClockWidget : public ControlWidget {
 public:
  ClockWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mGrid.set_column_spacing(6);
    mGrid.set_row_spacing(6);
    for (size_t i = 0; i < kFields.size(); ++i) {
      Gtk::SpinButton& spin = mSpins[i];
      spin.set_range(0, kFields[i].maximum);
      spin.set_increments(1, 5);
      spin.set_numeric(true);
      spin.set_wrap(true);
      spin.set_width_chars(2);
      spin.signal_value_changed().connect([this] { Edited(); });
      mLabels[i].set_text_with_mnemonic(kFields[i].label);
      mLabels[i].set_mnemonic_widget(spin);  // also makes it the field's accessible name
      mLabels[i].set_margin_start(i ? 6 : 0);
      mGrid.attach(mLabels[i], int(2 * i), 0);
      mGrid.attach(spin, int(2 * i + 1), 0);
    }
    mDate.set_xalign(0);
    mDate.add_css_class("dim-label");
    mGrid.attach(mDate, 0, 1, int(2 * kFields.size()), 1);
  }
  Gtk::Widget& Outer() override { return mGrid; }

 private:
  void Refresh() override {
    LongDateRec date;
    if (GetClockDateTime(mControl, &date) != noErr) return;
    for (size_t i = 0; i < kFields.size(); ++i) mSpins[i].set_value(date.*kFields[i].field);
    mDate.set_text(LocaleDate(date));
  }

  void Edited() {
    LongDateRec date;
    if (GetClockDateTime(mControl, &date) != noErr) return;
    for (size_t i = 0; i < kFields.size(); ++i)
      date.*kFields[i].field = int16_t(mSpins[i].get_value_as_int());
    Act([this, date] { UserSetClock(mControl, date); });
  }

  Gtk::Grid mGrid;
  std::array<Gtk::Label, kFields.size()> mLabels;
  std::array<Gtk::SpinButton, kFields.size()> mSpins;
  Gtk::Label mDate;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeClockWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ClockWidget>(control, input);
}
