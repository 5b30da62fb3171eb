#include "FocusOrder.h"

#include <algorithm>
#include <vector>

namespace {

// The stops under `widget` in tree order: a focusable widget stands for everything inside it.
void CollectStops(Gtk::Widget& widget, std::vector<Gtk::Widget*>& stops) {
  if (!widget.is_drawable() || !widget.is_sensitive()) return;
  if (widget.get_focusable() && widget.get_can_focus()) {
    stops.push_back(&widget);
    return;
  }
  for (Gtk::Widget* child = widget.get_first_child(); child; child = child->get_next_sibling())
    CollectStops(*child, stops);
}

// The stop that holds the focused widget, or stops.end().
std::vector<Gtk::Widget*>::iterator StopOfFocus(Gtk::Window& window,
                                                std::vector<Gtk::Widget*>& stops) {
  Gtk::Widget* focus = window.get_focus();
  if (!focus) return stops.end();
  return std::find_if(stops.begin(), stops.end(), [focus](Gtk::Widget* stop) {
    return stop == focus || focus->is_ancestor(*stop);
  });
}

}  // namespace

bool MoveFocusInControlOrder(Gtk::Window& window, bool forward) {
  std::vector<Gtk::Widget*> stops;
  if (Gtk::Widget* content = window.get_child()) CollectStops(*content, stops);
  if (stops.empty()) return false;
  if (!forward) std::reverse(stops.begin(), stops.end());
  auto current = StopOfFocus(window, stops);
  const size_t start = current == stops.end() ? 0 : size_t(current - stops.begin()) + 1;
  // A stop that turns the focus down (GTK knows better) is passed over.
  for (size_t i = 0; i < stops.size(); ++i)
    if (stops[(start + i) % stops.size()]->grab_focus()) return true;
  return false;
}
