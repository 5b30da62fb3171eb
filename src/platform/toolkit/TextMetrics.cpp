#include "platform/toolkit/TextMetrics.h"

#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace {

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
struct FontDescriptionFree {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

// One measuring context for the process, created on first use; no display is needed.
PangoContext* MeasuringContext() {
  static std::unique_ptr<PangoFontMap, GObjectUnref> fontMap(pango_cairo_font_map_new());
  static std::unique_ptr<PangoContext, GObjectUnref> context([] {
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap.get()), 72.0);
    return pango_font_map_create_context(fontMap.get());
  }());
  return context.get();
}

}  // namespace

int32_t MeasureTextWidth(std::string_view utf8, int16_t pixelSize, bool bold) {
  if (utf8.empty() || pixelSize <= 0) return 0;
  std::unique_ptr<PangoLayout, GObjectUnref> layout(pango_layout_new(MeasuringContext()));
  std::unique_ptr<PangoFontDescription, FontDescriptionFree> font(pango_font_description_new());
  pango_font_description_set_family(font.get(), kToolkitFontFamily);
  pango_font_description_set_absolute_size(font.get(), double(pixelSize) * PANGO_SCALE);
  pango_font_description_set_weight(font.get(), bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout.get(), font.get());
  // Pango wants valid UTF-8; invalid bytes are measured as replacement characters.
  const std::string text(utf8);
  gchar* valid = g_utf8_make_valid(text.data(), gssize(text.size()));
  pango_layout_set_text(layout.get(), valid, -1);
  g_free(valid);
  PangoRectangle logical;
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  return int32_t((logical.width + PANGO_SCALE - 1) / PANGO_SCALE);
}
