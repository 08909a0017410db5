// The runtime's door to the platform's drawing calls.
#include <cmath>

#include "runtime/runtime.h"

namespace runtime {

namespace {

// Colours are kept as numbers like everything else; the platform takes a
// whole palette index.
int Colour(float value) { return basic::Cint(value); }

}  // namespace

Runtime::Runtime(platform::Platform& platform, ProgramData data) : pf(platform), program(std::move(data)) {}

void Runtime::Line(float x1, float y1, float x2, float y2, float colour) {
    if (Measuring()) return;
    pf.Line({x1, y1}, {x2, y2}, Colour(colour));
}

void Runtime::BoxFromTo(float x1, float y1, float x2, float y2, float outline, float fill) {
    if (Measuring()) return;
    pf.Box({x1, y1}, {x2, y2}, Colour(outline), Colour(fill));
}

void Runtime::BoxAt(float x, float y, float w, float h, float outline, float fill) {
    if (Measuring()) return;
    pf.Box({x, y}, {w, h}, Colour(outline), Colour(fill), platform::Corner::Relative);
}

void Runtime::Poly(float colour, std::initializer_list<Point> points) {
    if (Measuring()) return;
    pf.Polyline(Colour(colour), std::span<const Point>(points.begin(), points.size()));
}

void Runtime::Circle(float x, float y, float radius, float colour, float start, float end, bool filled,
                     float fill) {
    if (Measuring()) return;
    pf.Circle({x, y}, radius, Colour(colour), start, end, filled,
              fill == platform::kNoFill ? platform::kNoFill : Colour(fill));
}

void Runtime::Symbol(float x, float y, const std::string& text, int magX, int magY, float colour,
                     platform::NumberPlace number) {
    if (Measuring()) return;
    pf.Symbol({x, y}, text, magX, magY, Colour(colour), number);
}

Runtime::TextPiece::TextPiece(Runtime& rt, const std::string& source, platform::PieceKind kind)
    : rt_(rt), open_(!rt.Measuring()) {
    if (open_) rt_.pf.BeginTextPiece(source, {rt.penX, rt.penY}, kind);
}

Runtime::TextPiece::~TextPiece() {
    if (open_) rt_.pf.EndTextPiece({rt_.penX, rt_.penY});
}

Runtime::FigurePart::FigurePart(Runtime& rt, platform::FigureKind kind) : rt_(rt), open_(!rt.Measuring()) {
    if (open_) rt_.pf.BeginFigure(kind);
}

Runtime::FigurePart::~FigurePart() {
    if (open_) rt_.pf.EndFigure();
}

void Runtime::SetDrawWidth(float width) { pf.SetDrawWidth(basic::Cint(width)); }

void Runtime::StrokeSign(const SignStrokes& strokes, float x, float barY, bool plus, float colour) {
    Line(x + strokes.x0, barY, x + strokes.x1, barY, colour);
    if (plus)
        Line(x + strokes.uprightX, barY - strokes.uprightHalf, x + strokes.uprightX, barY + strokes.uprightHalf,
             colour);
}

Runtime::FontScope::~FontScope() {
    rt_.pf.SetFontName(font_.name);
    rt_.pf.SetFontSize(font_.size);
    rt_.pf.SetFontBold(font_.bold);
    rt_.pf.SetFontItalic(font_.italic);
}

}  // namespace runtime
