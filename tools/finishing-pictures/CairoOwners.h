#pragma once
// Scoped owners of cairo's surfaces and drawing contexts: each is destroyed exactly once.
#include <cairo.h>

#include <memory>

struct SurfaceDestroyer {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfaceOwner = std::unique_ptr<cairo_surface_t, SurfaceDestroyer>;

struct ContextDestroyer {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using ContextOwner = std::unique_ptr<cairo_t, ContextDestroyer>;

struct PatternDestroyer {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using PatternOwner = std::unique_ptr<cairo_pattern_t, PatternDestroyer>;
