#include "platform/canvas.h"

#include "platform/glyph_placement.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace platform {

namespace {

// Chosen so that every role reads on white: headings 3, answers 5, labels 7;
// prompt text 9 on the plates 4 and 12; the menu panel 10 behind 13 and 15;
// label cells 13, header cells 14, highlighted cells 11. Text reaches a
// contrast ratio of 4.5 on what lies beneath it (answers 5 on highlighted
// cells 11 included), so it reads from the back of a classroom. Colour 13 is
// text on the dark plates 3, 4 and 10 (4.7 to 5.4) and also on white, on the
// error screen: no pink reaches 4.5 on both, so it is a middle pink at 3.1
// on white, and 3, 4 and 10 are dark enough for it.
const Rgb kPalette[16] = {
    {0.00, 0.00, 0.00},  // 0 black: body text, equations
    {0.00, 0.00, 0.55},  // 1 navy
    {0.00, 0.50, 0.00},  // 2 green
    {0.02, 0.13, 0.44},  // 3 blue: headings, instructions
    {0.06, 0.15, 0.28},  // 4 steel blue: key-wait plate
    {0.76, 0.04, 0.04},  // 5 red: answers, typed digits
    {0.60, 0.33, 0.00},  // 6 brown
    {0.10, 0.45, 0.15},  // 7 dark green: labels, set-up lines
    {0.50, 0.50, 0.50},  // 8 grey
    {1.00, 0.97, 0.70},  // 9 pale yellow: prompt text on plates
    {0.07, 0.11, 0.27},  // 10 dark navy: menu panel
    {0.72, 0.93, 1.00},  // 11 light cyan: highlighted cells
    {0.56, 0.18, 0.31},  // 12 maroon: next-step plate
    {0.92, 0.39, 0.63},  // 13 pink: frames, label cells, menu entries, plate text
    {1.00, 0.94, 0.62},  // 14 light yellow: header cells
    {1.00, 1.00, 1.00},  // 15 white: background
};

constexpr double kTurn = 2 * 3.14159265358979323846;

// A device coordinate within 0..limit. A logical coordinate far off the
// view (or not a number) would make the cast to int meaningless.
int WithinCanvas(double device, int limit) {
    if (!(device > 0)) return 0;
    return device < limit ? static_cast<int>(device) : limit;
}

}  // namespace

const Rgb& PaletteColour(int index) { return kPalette[index & 15]; }

Canvas::Canvas(FontBook& fonts, int width, int height)
    : fonts_(fonts),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      scale_(std::min(width_ / kViewWidth, height_ / kViewHeight)),
      offsetX_((width_ - kViewWidth * scale_) / 2),
      offsetY_((height_ - kViewHeight * scale_) / 2),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)),
      cr_(cairo_create(surface_)) {
    // A surface that could not be made has no pixels; whoever shows them
    // would read from nowhere.
    cairo_status_t status = cairo_surface_status(surface_);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_status(cr_);
    if (status != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw CanvasFailure("cannot make a " + SizeText() + " canvas: " + cairo_status_to_string(status));
    }
    StartContext();
    Clear();
}

void Canvas::StartContext() {
    cairo_translate(cr_, offsetX_, offsetY_);
    cairo_scale(cr_, scale_, scale_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_rectangle(cr_, 0, 0, kViewWidth, kViewHeight);
    cairo_clip(cr_);
}

void Canvas::Check() {
    const cairo_status_t status = cairo_status(cr_);
    if (status == CAIRO_STATUS_SUCCESS) return;
    batch_.clear();
    KeepBatchFont(nullptr);
    cairo_destroy(cr_);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) == CAIRO_STATUS_SUCCESS) StartContext();
    MarkAllDirty();
    throw CanvasFailure("cannot draw on the " + SizeText() + " canvas: " + cairo_status_to_string(status));
}

std::string Canvas::SizeText() const { return std::to_string(width_) + "x" + std::to_string(height_); }

Canvas::~Canvas() {
    KeepBatchFont(nullptr);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColour(int index) {
    const Rgb& c = PaletteColour(index);
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
}

void Canvas::Clear() {
    batch_.clear();
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    SetColour(15);
    cairo_paint(cr_);
    cairo_restore(cr_);
    // Only the view is drawn on; the margins of a window of another shape
    // stay background.
    cairo_reset_clip(cr_);
    cairo_rectangle(cr_, 0, 0, kViewWidth, kViewHeight);
    cairo_clip(cr_);
    MarkAllDirty();
}

void Canvas::Touch(double x0, double y0, double x1, double y1) {
    const int left = WithinCanvas(std::floor(offsetX_ + std::min(x0, x1) * scale_) - 2, width_);
    const int top = WithinCanvas(std::floor(offsetY_ + std::min(y0, y1) * scale_) - 2, height_);
    const int right = WithinCanvas(std::ceil(offsetX_ + std::max(x0, x1) * scale_) + 2, width_);
    const int bottom = WithinCanvas(std::ceil(offsetY_ + std::max(y0, y1) * scale_) + 2, height_);
    if (right <= left || bottom <= top) return;
    if (dirty_.w == 0) {
        dirty_ = {left, top, right - left, bottom - top};
        return;
    }
    int r = std::max(dirty_.x + dirty_.w, right), b = std::max(dirty_.y + dirty_.h, bottom);
    dirty_.x = std::min(dirty_.x, left);
    dirty_.y = std::min(dirty_.y, top);
    dirty_.w = r - dirty_.x;
    dirty_.h = b - dirty_.y;
}

Canvas::Area Canvas::TakeDirty() {
    FlushGlyphs();
    Area area = dirty_;
    dirty_ = {};
    return area;
}

void Canvas::Render(const DrawCall& c) {
    if (c.kind != DrawKind::Text) FlushGlyphs();
    cairo_set_line_width(cr_, c.width);
    if (c.kind == DrawKind::Circle) {
        const Point& m = c.points[0];
        Touch(m.x - c.radius - c.width, m.y - c.radius - c.width, m.x + c.radius + c.width, m.y + c.radius + c.width);
    } else if (c.kind == DrawKind::Text) {
        // Glyph cells are at most one em wide per character; italic letters
        // and accents may reach out of their cells.
        double em = static_cast<double>(c.size) * std::max(c.magX, c.magY);
        double chars = static_cast<double>(c.text.size());
        Touch(c.points[0].x - em, c.points[0].y - em, c.points[0].x + (chars + 1) * em,
              c.points[0].y + 2 * em);
    } else {
        if (!c.points.empty()) {
            double x0 = c.points[0].x, y0 = c.points[0].y, x1 = x0, y1 = y0;
            for (const Point& p : c.points) {
                x0 = std::min<double>(x0, p.x);
                y0 = std::min<double>(y0, p.y);
                x1 = std::max<double>(x1, p.x);
                y1 = std::max<double>(y1, p.y);
            }
            Touch(x0 - c.width, y0 - c.width, x1 + c.width, y1 + c.width);
        }
    }
    switch (c.kind) {
        case DrawKind::Cls:
            Clear();
            break;
        case DrawKind::Line:
            SetColour(c.colour);
            cairo_move_to(cr_, c.points[0].x, c.points[0].y);
            cairo_line_to(cr_, c.points[1].x, c.points[1].y);
            cairo_stroke(cr_);
            break;
        case DrawKind::Box: {
            double x = std::min(c.points[0].x, c.points[1].x), y = std::min(c.points[0].y, c.points[1].y);
            double w = std::fabs(c.points[1].x - c.points[0].x), h = std::fabs(c.points[1].y - c.points[0].y);
            // Boxes are drawn without smoothing: an erasing box then covers
            // every pixel of what it erases, with no faint edge left behind.
            cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
            cairo_rectangle(cr_, x, y, w, h);
            SetColour(c.fill == kNoFill ? c.colour : c.fill);
            cairo_fill_preserve(cr_);
            SetColour(c.colour);
            cairo_stroke(cr_);
            cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
            break;
        }
        case DrawKind::Circle: {
            const Point& m = c.points[0];
            const bool full = c.start == 0 && c.end == 0;
            const double outer = c.radius + c.width / 2.0;
            // A full circle whose border covers its centre, or a disc all in
            // one colour, is a solid disc out to the border's outer edge
            // (stroking so small a circle would leave a hole in it).
            if (IsSolidDisc(c)) {
                // Unsmoothed, like boxes, so that a disc drawn again in the
                // background colour (the number field's cursor) leaves no ring.
                cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
                cairo_new_path(cr_);
                cairo_arc(cr_, m.x, m.y, outer, 0, kTurn);
                SetColour(c.colour);
                cairo_fill(cr_);
                cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
                break;
            }
            cairo_new_path(cr_);
            if (full) {
                cairo_arc(cr_, m.x, m.y, c.radius, 0, kTurn);
                cairo_close_path(cr_);
            } else {
                if (c.filled) cairo_move_to(cr_, m.x, m.y);
                cairo_arc(cr_, m.x, m.y, c.radius, c.start * kTurn, c.end * kTurn);
                if (c.filled) cairo_close_path(cr_);
            }
            if (c.filled) {
                SetColour(c.fill == kNoFill ? c.colour : c.fill);
                cairo_fill_preserve(cr_);
            }
            SetColour(c.colour);
            cairo_stroke(cr_);
            break;
        }
        case DrawKind::Poly:
            if (c.points.empty()) break;
            SetColour(c.colour);
            cairo_move_to(cr_, c.points[0].x, c.points[0].y);
            for (size_t i = 1; i < c.points.size(); ++i) cairo_line_to(cr_, c.points[i].x, c.points[i].y);
            cairo_stroke(cr_);
            break;
        case DrawKind::Text:
            RenderText(c);
            break;
    }
    Check();
}

void Canvas::RenderText(const DrawCall& c) {
    if (c.text.empty()) return;
    // Texts come a glyph at a time; those that share a font and colour are
    // shown together.
    if (c.colour != batchColour_) FlushGlyphs();
    batchColour_ = c.colour;
    for (const PlacedGlyph& placed : PlaceGlyphs(fonts_, c, scale_)) {
        if (placed.font != batchFont_) {
            FlushGlyphs();
            KeepBatchFont(placed.font);
        }
        batch_.push_back(placed.glyph);
    }
}

// The glyphs waiting to be shown hold their font: the font book may let it
// go meanwhile (a font that has failed is made again, the fonts of an older
// scale are dropped), and glyphs shown in a font let go would be lost.
void Canvas::KeepBatchFont(cairo_scaled_font_t* font) {
    if (font) cairo_scaled_font_reference(font);
    if (batchFont_) cairo_scaled_font_destroy(batchFont_);
    batchFont_ = font;
}

void Canvas::FlushGlyphs() {
    if (batch_.empty()) return;
    cairo_set_scaled_font(cr_, batchFont_);
    SetColour(batchColour_);
    cairo_show_glyphs(cr_, batch_.data(), static_cast<int>(batch_.size()));
    batch_.clear();
    Check();
}

void Canvas::Replay(const std::vector<DrawCall>& calls) {
    Clear();
    for (const DrawCall& call : calls) Render(call);
}

void Canvas::Flush() {
    FlushGlyphs();
    cairo_surface_flush(surface_);
}

bool Canvas::WritePng(const std::string& path) {
    Flush();
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
