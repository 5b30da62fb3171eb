#include "SheetDrawing.h"

#include <cmath>

namespace {

constexpr double kMarkInset = 8;  // from the sheet's edge to a staple's or hole's centre
constexpr double kStapleHalfLength = 5;
constexpr double kHoleRadius = 3;

// Where a staple sits, as fractions of the span between the insets, and the bar's direction.
// A corner staple is slanted across its corner; edge staples run along their edge.
constexpr struct {
  StaplePlace place;
  double anchorX, anchorY;
  double directionX, directionY;
} kStaplePlaces[] = {
    {StaplePlace::TopLeft, 0, 0, 1, -1}, {StaplePlace::BottomLeft, 0, 1, 1, 1},
    {StaplePlace::TopRight, 1, 0, 1, 1}, {StaplePlace::BottomRight, 1, 1, 1, -1},
    {StaplePlace::Top, 0.5, 0, 1, 0},    {StaplePlace::Bottom, 0.5, 1, 1, 0},
    {StaplePlace::Left, 0, 0.5, 0, 1},   {StaplePlace::Right, 1, 0.5, 0, 1},
};

// Distance between neighbouring holes as a fraction of the punched edge, by hole count.
constexpr double kHoleSpacing[] = {0, 0, 0.42, 0.30, 0.22};

// Where the holes of one edge line up: the first hole's centre and the step to the next.
constexpr struct {
  SheetEdge edge;
  double anchorX, anchorY;  // 0 or 1 across the edge, 0.5 along it
  double alongX, alongY;
} kPunchEdges[] = {{SheetEdge::Left, 0, 0.5, 0, 1},
                   {SheetEdge::Right, 1, 0.5, 0, 1},
                   {SheetEdge::Top, 0.5, 0, 1, 0}};

// The point at fractions (fx, fy) of the sheet, between insets on every side.
void InsetPoint(const Box& sheet, double fx, double fy, double& x, double& y) {
  x = sheet.x + kMarkInset + fx * (sheet.width - 2 * kMarkInset);
  y = sheet.y + kMarkInset + fy * (sheet.height - 2 * kMarkInset);
}

void DrawStapleAt(cairo_t* cr, double x, double y, double dx, double dy) {
  const double scale = kStapleHalfLength / std::hypot(dx, dy);
  DrawStapleBar(cr, x - dx * scale, y - dy * scale, x + dx * scale, y + dy * scale);
}

}  // namespace

void DrawSheet(cairo_t* cr, const Box& sheet) {
  cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
  cairo_rectangle(cr, sheet.x + 1.5, sheet.y + 1.5, sheet.width, sheet.height);
  cairo_fill(cr);
  cairo_rectangle(cr, sheet.x + 0.5, sheet.y + 0.5, sheet.width - 1, sheet.height - 1);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.29, 0.29, 0.29);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void DrawTextLines(cairo_t* cr, const Box& area, double inset) {
  cairo_set_source_rgb(cr, 0.74, 0.74, 0.74);
  cairo_set_line_width(cr, 2);
  const double left = area.x + inset, right = area.x + area.width - inset;
  int line = 0;
  for (double y = area.y + inset; y <= area.y + area.height - inset; y += 5, ++line) {
    // Every fourth line ends short, like the last line of a paragraph.
    const double end = line % 4 == 3 ? left + (right - left) * 0.6 : right;
    cairo_move_to(cr, left, y);
    cairo_line_to(cr, end, y);
  }
  cairo_stroke(cr);
}

void DrawStapleBar(cairo_t* cr, double x1, double y1, double x2, double y2) {
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
  cairo_set_line_width(cr, 2.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

void DrawStaples(cairo_t* cr, const Box& sheet, const StapleFinishing& staples) {
  for (const auto& place : kStaplePlaces) {
    if (place.place != staples.place) continue;
    double x, y;
    InsetPoint(sheet, place.anchorX, place.anchorY, x, y);
    if (staples.count == 1) {
      DrawStapleAt(cr, x, y, place.directionX, place.directionY);
      continue;
    }
    // Two staples along the edge, a fifth of its length either side of its middle.
    const double offsetX = place.directionX * sheet.width * 0.2;
    const double offsetY = place.directionY * sheet.height * 0.2;
    for (double side : {-1.0, 1.0})
      DrawStapleAt(cr, x + side * offsetX, y + side * offsetY, place.directionX, place.directionY);
  }
}

void DrawPunchHoles(cairo_t* cr, const Box& sheet, const PunchFinishing& punch) {
  if (punch.holes < 2 || punch.holes > 4) return;
  for (const auto& edge : kPunchEdges) {
    if (edge.edge != punch.edge) continue;
    double x, y;
    InsetPoint(sheet, edge.anchorX, edge.anchorY, x, y);
    const double stepX = edge.alongX * sheet.width * kHoleSpacing[punch.holes];
    const double stepY = edge.alongY * sheet.height * kHoleSpacing[punch.holes];
    const double first = -(punch.holes - 1) / 2.0;
    for (int hole = 0; hole < punch.holes; ++hole) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + (first + hole) * stepX, y + (first + hole) * stepY, kHoleRadius, 0,
                2 * M_PI);
    }
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.22);
    cairo_fill(cr);
  }
}
