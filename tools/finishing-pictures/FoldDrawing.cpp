#include "FoldDrawing.h"

#include <cmath>
#include <vector>

#include "CairoOwners.h"

namespace {

constexpr double kPageTextInset = 8;  // a booklet page is half a sheet wide

// One panel of a folded sheet seen edge-on: its depth and where it runs, as fractions of the
// profile box. Consecutive panels meet in a fold at the end of the first.
struct Panel {
  double level;
  double from;
  double to;
};

struct FoldShape {
  FoldKind kind;
  std::vector<double> foldLines;  // across the front view, as fractions of its width
  std::vector<Panel> panels;
};

const std::vector<FoldShape>& FoldShapes() {
  static const std::vector<FoldShape> shapes = {
      {FoldKind::None, {}, {{0.5, 0.1, 0.9}}},
      {FoldKind::Saddle, {0.5}, {{0.25, 0.1, 0.9}, {0.75, 0.9, 0.1}}},
      // Three equal panels folded alternately, like the letter Z.
      {FoldKind::TriFoldZ,
       {1.0 / 3, 2.0 / 3},
       {{0.15, 0.1, 0.9}, {0.5, 0.9, 0.1}, {0.85, 0.1, 0.9}}},
      // A long sheet folded to half its length: back, then forward again at the quarter.
      {FoldKind::Z, {0.5, 0.75}, {{0.85, 0.1, 0.9}, {0.5, 0.9, 0.5}, {0.15, 0.5, 0.9}}},
      // Three panels, both ends folded in over each other.
      {FoldKind::TriFoldC,
       {1.0 / 3, 2.0 / 3},
       {{0.85, 0.1, 0.9}, {0.15, 0.9, 0.1}, {0.5, 0.1, 0.75}}},
  };
  return shapes;
}

void SetFoldColour(cairo_t* cr) { cairo_set_source_rgb(cr, 0.16, 0.36, 0.69); }

void DrawDashedLine(cairo_t* cr, double x1, double y1, double x2, double y2) {
  constexpr double kDash[] = {3, 2};
  SetFoldColour(cr);
  cairo_set_line_width(cr, 1.5);
  cairo_set_dash(cr, kDash, 2, 0);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// A fold seen edge-on: half a circle from (x, y1) to (x, y2), bulging right or left.
void AddFoldArc(cairo_t* cr, double x, double y1, double y2, bool bulgesRight) {
  const double radius = std::abs(y2 - y1) / 2, centre = (y1 + y2) / 2;
  const double start = y1 < y2 ? -M_PI / 2 : M_PI / 2;
  if ((y1 < y2) == bulgesRight)
    cairo_arc(cr, x, centre, radius, start, -start);
  else
    cairo_arc_negative(cr, x, centre, radius, start, -start);
}

void DrawProfile(cairo_t* cr, const Box& box, const std::vector<Panel>& panels) {
  auto px = [&](double f) { return box.x + f * box.width; };
  auto py = [&](double f) { return box.y + f * box.height; };
  cairo_move_to(cr, px(panels.front().from), py(panels.front().level));
  for (size_t i = 0; i < panels.size(); ++i) {
    const Panel& panel = panels[i];
    cairo_line_to(cr, px(panel.to), py(panel.level));
    if (i + 1 < panels.size())
      AddFoldArc(cr, px(panel.to), py(panel.level), py(panels[i + 1].level), panel.to > panel.from);
  }
  SetFoldColour(cr);
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

}  // namespace

void DrawBooklet(cairo_t* cr, const Box& sheet, const BookletFinishing& booklet) {
  DrawSheet(cr, sheet);
  const double spine = sheet.x + sheet.width / 2;
  // The right-hand page turns away from the reader: a light shade from the spine.
  const PatternOwner shade(cairo_pattern_create_linear(spine, 0, sheet.x + sheet.width, 0));
  cairo_pattern_add_color_stop_rgba(shade.get(), 0, 0, 0, 0, 0.14);
  cairo_pattern_add_color_stop_rgba(shade.get(), 1, 0, 0, 0, 0);
  cairo_set_source(cr, shade.get());
  cairo_rectangle(cr, spine, sheet.y + 1, sheet.width / 2 - 1, sheet.height - 2);
  cairo_fill(cr);
  for (double pageLeft : {sheet.x, spine})
    DrawTextLines(cr, Box{pageLeft, sheet.y, sheet.width / 2, sheet.height}, kPageTextInset);
  DrawDashedLine(cr, spine, sheet.y + 2, spine, sheet.y + sheet.height - 2);
  if (!booklet.stapled) return;
  for (double at : {0.28, 0.72}) {
    const double y = sheet.y + sheet.height * at;
    DrawStapleBar(cr, spine, y - 5, spine, y + 5);
  }
}

void DrawFold(cairo_t* cr, const Box& front, const Box& profile, FoldKind fold) {
  DrawSheet(cr, front);
  DrawTextLines(cr, front, kSheetTextInset);
  for (const FoldShape& shape : FoldShapes()) {
    if (shape.kind != fold) continue;
    for (double at : shape.foldLines) {
      const double x = front.x + front.width * at;
      DrawDashedLine(cr, x, front.y + 2, x, front.y + front.height - 2);
    }
    DrawProfile(cr, profile, shape.panels);
  }
}
