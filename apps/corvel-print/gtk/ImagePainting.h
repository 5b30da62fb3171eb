#pragma once
// Painting the model's pictures with cairo: decoded images, and the operations a control's draw
// handlers recorded (in device coordinates of the window, origin at the bottom left).
#include <cairomm/context.h>

#include "platform/toolkit/Image.h"
#include "platform/toolkit/ToolkitTypes.h"

// Paints the image scaled into the rectangle (cairo's top-down coordinates), from its
// double-resolution copy where it has one.
void PaintImage(const Cairo::RefPtr<Cairo::Context>& cr, const CGImage& image, double x, double y,
                double width, double height);
// Replays what the control's draw handlers painted last into a context whose origin is the
// control's top left corner.
void ReplayDrawing(const Cairo::RefPtr<Cairo::Context>& cr, ControlRef control);
