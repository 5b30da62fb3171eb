#pragma once
// Scoped owners of cairo's surfaces and drawing contexts: each is destroyed exactly once.
#include <cairo.h>

#include <memory>

#include "support/COwner.h"

using SurfaceOwner = COwner<cairo_surface_t, cairo_surface_destroy>;
using ContextOwner = COwner<cairo_t, cairo_destroy>;
using PatternOwner = COwner<cairo_pattern_t, cairo_pattern_destroy>;
