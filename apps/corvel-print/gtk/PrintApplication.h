#pragma once
// The view's identity towards the desktop and assistive technologies: one GTK application with
// its id and its name, made once GTK is initialised. Windows that belong to it are announced as
// its windows instead of an unnamed program's.
#include <gtkmm/application.h>

inline constexpr const char* kPrintApplicationId = "com.corvel.PrintDialog";
inline constexpr const char* kPrintApplicationName = "Corvel Print";

// The application, registered and named on the first call; null when it could not be registered
// (the windows then stay without one, and the program's name is set all the same).
Glib::RefPtr<Gtk::Application> PrintApplication();
