#pragma once
// Drawing a sheet of paper seen from the front, and the staples and punch holes on it.
// Coordinates are pixels of the picture, y downwards.
#include <cairo.h>

#include "PictureCatalog.h"

struct Box {
  double x;
  double y;
  double width;
  double height;
};

// The paper: a white sheet with an outline and a soft shadow.
void DrawSheet(cairo_t* cr, const Box& sheet);
// Grey lines standing for the printed text, `inset` pixels inside the area on every side.
void DrawTextLines(cairo_t* cr, const Box& area, double inset);
// The inset that keeps text clear of the margins where staples and holes go.
inline constexpr double kSheetTextInset = 17;
// A staple seen from the front: a short dark bar from (x1, y1) to (x2, y2).
void DrawStapleBar(cairo_t* cr, double x1, double y1, double x2, double y2);
void DrawStaples(cairo_t* cr, const Box& sheet, const StapleFinishing& staples);
void DrawPunchHoles(cairo_t* cr, const Box& sheet, const PunchFinishing& punch);
