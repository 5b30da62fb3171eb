#include "platform/toolkit/GraphicsContext.h"

#include <algorithm>

CGPoint CGPointApplyAffineTransform(CGPoint p, const CGAffineTransform& t) {
  return {t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty};
}

CGRect CGRectApplyAffineTransform(const CGRect& r, const CGAffineTransform& t) {
  const CGPoint corners[4] = {
      CGPointApplyAffineTransform(r.origin, t),
      CGPointApplyAffineTransform({r.origin.x + r.size.width, r.origin.y}, t),
      CGPointApplyAffineTransform({r.origin.x, r.origin.y + r.size.height}, t),
      CGPointApplyAffineTransform({r.origin.x + r.size.width, r.origin.y + r.size.height}, t)};
  double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
  for (const CGPoint& p : corners) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGAffineTransform CGAffineTransformInvert(const CGAffineTransform& t) {
  const double det = t.a * t.d - t.b * t.c;
  if (det == 0) return t;  // not invertible: unchanged, as the platform does
  CGAffineTransform inv;
  inv.a = t.d / det;
  inv.b = -t.b / det;
  inv.c = -t.c / det;
  inv.d = t.a / det;
  inv.tx = -(inv.a * t.tx + inv.c * t.ty);
  inv.ty = -(inv.b * t.tx + inv.d * t.ty);
  return inv;
}

void CGContext::Translate(double tx, double ty) {
  CGAffineTransform& m = mState.ctm;
  m.tx += m.a * tx + m.c * ty;
  m.ty += m.b * tx + m.d * ty;
}

void CGContext::Scale(double sx, double sy) {
  CGAffineTransform& m = mState.ctm;
  m.a *= sx;
  m.b *= sx;
  m.c *= sy;
  m.d *= sy;
}

void CGContext::ClearRect(const CGRect& rect) {
  mOps.push_back({DrawOperation::Kind::ClearRect, ToDevice(rect), {}, nullptr});
}

void CGContext::FillRect(const CGRect& rect) {
  mOps.push_back({DrawOperation::Kind::FillRect, ToDevice(rect), mState.fill, nullptr});
}

void CGContext::DrawImage(const CGRect& rect, const CGImageRef& image) {
  if (!image) return;
  mOps.push_back({DrawOperation::Kind::DrawImage, ToDevice(rect), {}, image});
}
