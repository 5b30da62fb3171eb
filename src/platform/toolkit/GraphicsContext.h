#pragma once
// A recording drawing context. Draw handlers paint into it; the operations are kept, in device
// coordinates, so that tests can inspect them and a view can replay them on screen.
// Device space has its origin at the bottom left of the port, the vertical axis pointing up.
#include <vector>

#include "platform/toolkit/Image.h"
#include "platform/toolkit/ToolkitTypes.h"

struct CGPoint {
  double x = 0;
  double y = 0;
};
struct CGSize {
  double width = 0;
  double height = 0;
};
struct CGRect {
  CGPoint origin;
  CGSize size;
  friend bool operator==(const CGRect& a, const CGRect& b) {
    return a.origin.x == b.origin.x && a.origin.y == b.origin.y && a.size.width == b.size.width &&
           a.size.height == b.size.height;
  }
};

inline CGRect CGRectMake(double x, double y, double w, double h) { return {{x, y}, {w, h}}; }

// x' = a*x + c*y + tx, y' = b*x + d*y + ty
struct CGAffineTransform {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

CGPoint CGPointApplyAffineTransform(CGPoint p, const CGAffineTransform& t);
// The smallest rectangle holding the transformed corners of r.
CGRect CGRectApplyAffineTransform(const CGRect& r, const CGAffineTransform& t);
CGAffineTransform CGAffineTransformInvert(const CGAffineTransform& t);

struct CGColor {
  double red = 0, green = 0, blue = 0, alpha = 1;
};

struct DrawOperation {
  enum class Kind { ClearRect, FillRect, DrawImage };
  Kind kind;
  CGRect deviceRect;  // where the operation lands, device coordinates
  CGColor color;      // FillRect
  CGImageRef image;   // DrawImage
};

class CGContext {
 public:
  CGContext(double width, double height) : mWidth(width), mHeight(height) {}

  double Width() const { return mWidth; }
  double Height() const { return mHeight; }
  const CGAffineTransform& CTM() const { return mState.ctm; }
  const std::vector<DrawOperation>& Operations() const { return mOps; }

  void Translate(double tx, double ty);
  void Scale(double sx, double sy);
  void SetFillColor(const CGColor& color) { mState.fill = color; }
  void ClearRect(const CGRect& rect);
  void FillRect(const CGRect& rect);
  void DrawImage(const CGRect& rect, const CGImageRef& image);

 private:
  struct State {
    CGAffineTransform ctm;
    CGColor fill;
  };
  CGRect ToDevice(const CGRect& r) const { return CGRectApplyAffineTransform(r, mState.ctm); }

  double mWidth;
  double mHeight;
  State mState;
  std::vector<DrawOperation> mOps;
};

// The familiar call names, for the code that draws.
inline void CGContextTranslateCTM(CGContextRef c, double tx, double ty) { c->Translate(tx, ty); }
inline void CGContextScaleCTM(CGContextRef c, double sx, double sy) { c->Scale(sx, sy); }
inline CGAffineTransform CGContextGetCTM(CGContextRef c) { return c->CTM(); }
inline void CGContextClearRect(CGContextRef c, CGRect r) { c->ClearRect(r); }
inline void CGContextFillRect(CGContextRef c, CGRect r) { c->FillRect(r); }
inline void CGContextDrawImage(CGContextRef c, CGRect r, const CGImageRef& i) {
  c->DrawImage(r, i);
}
inline void CGContextSetRGBFillColor(CGContextRef c, double r, double g, double b, double a) {
  c->SetFillColor({r, g, b, a});
}
