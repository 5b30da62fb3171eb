// Clocks: one spin button per part of the date and time. Editing a part sets the whole date in
// the model as the user's edit; the model may refuse it, and the spins then show its date again.
#include <gtkmm/box.h>
#include <gtkmm/spinbutton.h>

#include <array>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/UserActions.h"

namespace {

struct ClockPart {
  int16_t LongDateRec::*field;
  double minimum;
  double maximum;
};

constexpr std::array<ClockPart, 6> kParts = {{
    {&LongDateRec::year, 1904, 2040},
    {&LongDateRec::month, 1, 12},
    {&LongDateRec::day, 1, 31},
    {&LongDateRec::hour, 0, 23},
    {&LongDateRec::minute, 0, 59},
    {&LongDateRec::second, 0, 59},
}};

class ClockWidget : public ControlWidget {
 public:
  ClockWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    for (size_t i = 0; i < kParts.size(); ++i) {
      mSpins[i].set_range(kParts[i].minimum, kParts[i].maximum);
      mSpins[i].set_increments(1, 1);
      mSpins[i].set_numeric(true);
      mSpins[i].set_width_chars(kParts[i].maximum >= 1000 ? 4 : 2);
      mSpins[i].signal_value_changed().connect([this] { Edited(); });
      mBox.append(mSpins[i]);
    }
  }
  Gtk::Widget& Outer() override { return mBox; }

 private:
  void Refresh() override {
    LongDateRec date;
    if (GetClockDateTime(mControl, &date) != noErr) return;
    for (size_t i = 0; i < kParts.size(); ++i) mSpins[i].set_value(date.*kParts[i].field);
  }

  void Edited() {
    LongDateRec date;
    for (size_t i = 0; i < kParts.size(); ++i)
      date.*kParts[i].field = int16_t(mSpins[i].get_value_as_int());
    Act([this, date] { UserSetClock(mControl, date); });
  }

  Gtk::Box mBox{Gtk::Orientation::HORIZONTAL, 2};
  std::array<Gtk::SpinButton, kParts.size()> mSpins;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeClockWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ClockWidget>(control, input);
}
