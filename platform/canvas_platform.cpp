#include "platform/canvas_platform.h"

#include "platform/basic.h"

namespace platform {

namespace {

void CheckColour(int colour) {
    if (colour < 0 || colour > 15) basic::Fail(basic::kBadArgument);
}

Point Second(Point a, Point b, Corner corner) {
    return corner == Corner::Relative ? Point{a.x + b.x, a.y + b.y} : b;
}

}  // namespace

DrawCall CanvasPlatform::Start(DrawKind kind, int colour) {
    CheckColour(colour);
    DrawCall call;
    call.kind = kind;
    call.colour = colour;
    call.width = width_;
    return call;
}

void CanvasPlatform::Line(Point a, Point b, int colour, Corner corner) {
    DrawCall call = Start(DrawKind::Line, colour);
    call.points = {a, Second(a, b, corner)};
    Emit(call);
}

void CanvasPlatform::Box(Point a, Point b, int outline, int fill, Corner corner) {
    DrawCall call = Start(DrawKind::Box, outline);
    if (fill != kNoFill) CheckColour(fill);
    call.fill = fill == kNoFill ? outline : fill;
    call.points = {a, Second(a, b, corner)};
    Emit(call);
}

void CanvasPlatform::Circle(Point centre, float radius, int colour, float start, float end, bool filled,
                            int fill) {
    DrawCall call = Start(DrawKind::Circle, colour);
    if (fill != kNoFill) CheckColour(fill);
    call.points = {centre};
    call.radius = radius;
    call.start = start;
    call.end = end;
    call.filled = filled;
    call.fill = fill;
    Emit(call);
}

void CanvasPlatform::Polyline(int colour, std::span<const Point> points) {
    DrawCall call = Start(DrawKind::Poly, colour);
    call.points.assign(points.begin(), points.end());
    Emit(call);
}

void CanvasPlatform::Symbol(Point at, const std::string& text, int magX, int magY, int colour, NumberPlace number) {
    if (magX < 1 || magY < 1) basic::Fail(basic::kBadArgument);
    DrawCall call = Start(DrawKind::Text, colour);
    call.points = {at};
    call.text = text;
    call.face = fontName_;
    call.size = fontSize_;
    call.bold = bold_;
    call.italic = italic_;
    call.magX = magX;
    call.magY = magY;
    call.number = number;
    Emit(call);
}

void CanvasPlatform::Cls() {
    DrawCall call;
    call.kind = DrawKind::Cls;
    Emit(call);
}

void CanvasPlatform::SetFontSize(int size) {
    if (size < 1 || size > 200) basic::Fail(basic::kBadArgument);
    fontSize_ = size;
}

void CanvasPlatform::SetDrawWidth(int width) {
    if (width < 1 || width > 5) basic::Fail(basic::kBadArgument);
    width_ = width;
}

void CanvasPlatform::SetMapMode(int mode) {
    if (mode != 1) basic::Fail(basic::kBadArgument);
}

void CanvasPlatform::NoteError(int line, int code) {
    errorShown_ = true;
    errorLine_ = line;
    errorCode_ = code;
}

void CanvasPlatform::Emit(const DrawCall& call) {
    TellDrawn(call);
    // The display list serves to paint a canvas again: a platform that
    // draws (it has fonts) keeps it also while it has no canvas, as a
    // window without its surface yet, so that the next canvas shows
    // everything. A platform that never draws keeps nothing.
    if (!fonts_) return;
    display_.Add(call);
    if (canvas_) canvas_->Render(call);
}

}  // namespace platform
