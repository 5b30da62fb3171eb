#include "PrintApplication.h"

#include <glib.h>
#include <glibmm/miscutils.h>

Glib::RefPtr<Gtk::Application> PrintApplication() {
  static const Glib::RefPtr<Gtk::Application> application = [] {
    // What the window system and the accessibility bus call the program.
    if (!g_get_prgname()) g_set_prgname("corvel-print");
    Glib::set_application_name(kPrintApplicationName);
    // Not unique: each corvel-print shows its own dialog, also beside another one's.
    auto created =
        Gtk::Application::create(kPrintApplicationId, Gio::Application::Flags::NON_UNIQUE);
    try {
      if (created->register_application()) return created;
    } catch (const Glib::Error& error) {
      g_message("corvel-print: running as an unregistered application: %s", error.what());
    }
    return Glib::RefPtr<Gtk::Application>();
  }();
  return application;
}
