#pragma once
// Tab and Shift-Tab move through a window's controls in the order the window's control tree
// gives them (a pane's controls in the order its interface file lists them), not by where GTK
// finds them on screen. The content is built in that order, so the widget tree's order is the
// model's; a stop is any widget that can take the focus and is shown and enabled.
#include <gtkmm/window.h>

// Moves the focus to the next (or previous) stop after the focused widget, wrapping around;
// false when the window has no stop.
bool MoveFocusInControlOrder(Gtk::Window& window, bool forward);
