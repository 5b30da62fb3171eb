#pragma once
// Drawing the booklet and fold pictures: an open booklet with its spine, and a folded sheet seen
// from the front (fold lines) above the same sheet seen edge-on (how its panels lie).
#include <cairo.h>

#include "PictureCatalog.h"
#include "SheetDrawing.h"

void DrawBooklet(cairo_t* cr, const Box& sheet, const BookletFinishing& booklet);
// `front` holds the sheet, `profile` the edge-on view below it.
void DrawFold(cairo_t* cr, const Box& front, const Box& profile, FoldKind fold);
