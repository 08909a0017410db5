#include "platform/canvas.h"

#include <algorithm>
#include <cmath>


namespace platform {

namespace {

// Chosen so that every role reads on white: headings 3, answers 5, labels 7;
// prompt text 9 on the plates 4 and 12; the menu panel 10 behind 13 and 15;
// label cells 13, header cells 14, highlighted cells 11.
const Rgb kPalette[16] = {
    {0.00, 0.00, 0.00},  // 0 black: body text, equations
    {0.00, 0.00, 0.55},  // 1 navy
    {0.00, 0.50, 0.00},  // 2 green
    {0.05, 0.30, 0.70},  // 3 blue: headings, instructions
    {0.12, 0.37, 0.56},  // 4 steel blue: key-wait plate
    {0.80, 0.05, 0.05},  // 5 red: answers, typed digits
    {0.60, 0.33, 0.00},  // 6 brown
    {0.10, 0.45, 0.15},  // 7 dark green: labels, set-up lines
    {0.50, 0.50, 0.50},  // 8 grey
    {1.00, 0.97, 0.70},  // 9 pale yellow: prompt text on plates
    {0.13, 0.20, 0.40},  // 10 dark navy: menu panel
    {0.66, 0.90, 1.00},  // 11 light cyan: highlighted cells
    {0.56, 0.18, 0.31},  // 12 maroon: next-step plate
    {0.98, 0.80, 0.90},  // 13 light pink: frames, label cells, menu entries
    {1.00, 0.94, 0.62},  // 14 light yellow: header cells
    {1.00, 1.00, 1.00},  // 15 white: background
};

constexpr double kTurn = 2 * 3.14159265358979323846;

}  // namespace

const Rgb& PaletteColour(int index) { return kPalette[index & 15]; }

Canvas::Canvas(FontBook& fonts, int width, int height)
    : fonts_(fonts),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      scale_(std::min(width_ / kViewWidth, height_ / kViewHeight)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)),
      cr_(cairo_create(surface_)) {
    cairo_translate(cr_, (width_ - kViewWidth * scale_) / 2, (height_ - kViewHeight * scale_) / 2);
    cairo_scale(cr_, scale_, scale_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    Clear();
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColour(int index) {
    const Rgb& c = PaletteColour(index);
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
}

void Canvas::Clear() {
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
}

void Canvas::Render(const DrawCall& c) {
    cairo_set_line_width(cr_, c.width);
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
            cairo_rectangle(cr_, x, y, w, h);
            SetColour(c.fill == kNoFill ? c.colour : c.fill);
            cairo_fill_preserve(cr_);
            SetColour(c.colour);
            cairo_stroke(cr_);
            break;
        }
        case DrawKind::Circle: {
            const Point& m = c.points[0];
            bool full = c.start == 0 && c.end == 0;
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
}

void Canvas::RenderText(const DrawCall& c) {
    if (c.text.empty()) return;
    const FaceSpec& face = FaceFor(c.face);
    cairo_scaled_font_t* font = fonts_.Scaled(face, c.bold, c.italic, c.size, std::max(c.magX, 1),
                                              std::max(c.magY, 1), scale_);
    std::string text = c.text;
    if (face.scriptL) {
        std::string mapped;
        for (char ch : text) mapped += ch == 'l' ? std::string("\u2113") : std::string(1, ch);
        text = mapped;
    }
    cairo_set_scaled_font(cr_, font);
    SetColour(c.colour);
    cairo_move_to(cr_, c.points[0].x, c.points[0].y + face.baselineFactor * c.size * std::max(c.magY, 1));
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
}

void Canvas::Replay(const std::vector<DrawCall>& calls) {
    Clear();
    for (const DrawCall& call : calls) Render(call);
}

void Canvas::Flush() { cairo_surface_flush(surface_); }

bool Canvas::WritePng(const std::string& path) {
    Flush();
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
