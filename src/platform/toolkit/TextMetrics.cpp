#include "platform/toolkit/TextMetrics.h"

#include <dlfcn.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string>

#include "support/Logging.h"

namespace {

// The text engine is opened on the first measurement, not at start: a headless run that measures
// nothing then never maps pango, cairo and the X and font libraries beneath them. The handle
// stays open for the life of the process, like the measuring context made from it.
struct TextEngine {
  decltype(&pango_cairo_font_map_new) newFontMap;
  decltype(&pango_cairo_font_map_set_resolution) setResolution;
  decltype(&pango_font_map_create_context) createContext;
  decltype(&pango_layout_new) newLayout;
  decltype(&pango_font_description_new) newFont;
  decltype(&pango_font_description_set_family) setFamily;
  decltype(&pango_font_description_set_absolute_size) setAbsoluteSize;
  decltype(&pango_font_description_set_weight) setWeight;
  decltype(&pango_font_description_free) freeFont;
  decltype(&pango_layout_set_font_description) setLayoutFont;
  decltype(&pango_layout_set_text) setText;
  decltype(&pango_layout_get_extents) getExtents;
  decltype(&g_object_unref) unref;
  decltype(&g_utf8_make_valid) makeValid;
  decltype(&g_free) free;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(dlsym(library, name));
  return *function != nullptr;
}

std::unique_ptr<TextEngine> OpenTextEngine() {
  void* library = dlopen("libpangocairo-1.0.so.0", RTLD_LAZY | RTLD_LOCAL);
  if (!library) {
    sys_log("Text cannot be measured, the text engine did not load: %s", dlerror());
    return nullptr;
  }
  auto e = std::make_unique<TextEngine>();
  const bool resolved =
      Resolve(library, "pango_cairo_font_map_new", &e->newFontMap) &&
      Resolve(library, "pango_cairo_font_map_set_resolution", &e->setResolution) &&
      Resolve(library, "pango_font_map_create_context", &e->createContext) &&
      Resolve(library, "pango_layout_new", &e->newLayout) &&
      Resolve(library, "pango_font_description_new", &e->newFont) &&
      Resolve(library, "pango_font_description_set_family", &e->setFamily) &&
      Resolve(library, "pango_font_description_set_absolute_size", &e->setAbsoluteSize) &&
      Resolve(library, "pango_font_description_set_weight", &e->setWeight) &&
      Resolve(library, "pango_font_description_free", &e->freeFont) &&
      Resolve(library, "pango_layout_set_font_description", &e->setLayoutFont) &&
      Resolve(library, "pango_layout_set_text", &e->setText) &&
      Resolve(library, "pango_layout_get_extents", &e->getExtents) &&
      Resolve(library, "g_object_unref", &e->unref) &&
      Resolve(library, "g_utf8_make_valid", &e->makeValid) && Resolve(library, "g_free", &e->free);
  if (!resolved) {
    sys_log("Text cannot be measured, the text engine lacks a function: %s", dlerror());
    return nullptr;
  }
  return e;
}

// The text engine, null when it cannot be loaded (said once in the system log).
const TextEngine* Engine() {
  static const std::unique_ptr<TextEngine> engine = OpenTextEngine();
  return engine.get();
}

// One measuring context for the process, created on first use; no display is needed.
PangoContext* MeasuringContext(const TextEngine& e) {
  static PangoContext* const context = [&e] {
    PangoFontMap* fontMap = e.newFontMap();
    e.setResolution(reinterpret_cast<PangoCairoFontMap*>(fontMap), 72.0);
    PangoContext* made = e.createContext(fontMap);
    e.unref(fontMap);  // the context holds its font map
    return made;
  }();
  return context;
}

// Without the engine: an average glyph of six tenths of the size, so that layouts still grow
// with their texts.
int32_t EstimateTextWidth(std::string_view utf8, int16_t pixelSize) {
  return int32_t((utf8.size() * pixelSize * 6 + 9) / 10);
}

}  // namespace

int32_t MeasureTextWidth(std::string_view utf8, int16_t pixelSize, bool bold) {
  if (utf8.empty() || pixelSize <= 0) return 0;
  const TextEngine* e = Engine();
  if (!e) return EstimateTextWidth(utf8, pixelSize);
  const auto unref = [e](gpointer object) { e->unref(object); };
  std::unique_ptr<PangoLayout, decltype(unref)> layout(e->newLayout(MeasuringContext(*e)), unref);
  const auto freeFont = [e](PangoFontDescription* font) { e->freeFont(font); };
  std::unique_ptr<PangoFontDescription, decltype(freeFont)> font(e->newFont(), freeFont);
  e->setFamily(font.get(), kToolkitFontFamily);
  e->setAbsoluteSize(font.get(), double(pixelSize) * PANGO_SCALE);
  e->setWeight(font.get(), bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  e->setLayoutFont(layout.get(), font.get());
  // Pango wants valid UTF-8; invalid bytes are measured as replacement characters.
  const std::string text(utf8);
  gchar* valid = e->makeValid(text.data(), gssize(text.size()));
  e->setText(layout.get(), valid, -1);
  e->free(valid);
  PangoRectangle logical;
  e->getExtents(layout.get(), nullptr, &logical);
  return int32_t((logical.width + PANGO_SCALE - 1) / PANGO_SCALE);
}
