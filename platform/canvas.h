// A cairo image surface that shows the logical view scaled to its size.
#pragma once

#include <cairo.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/draw_call.h"
#include "platform/fonts.h"

namespace platform {

// RGB of palette index 0..15.
struct Rgb {
    double r, g, b;
};
const Rgb& PaletteColour(int index);

// A canvas could not be made, or drawn on; the message says how large and
// why ("cannot make a 1920x1080 canvas: out of memory").
struct CanvasFailure : ShowFailure {
    using ShowFailure::ShowFailure;
};

class Canvas {
public:
    // A surface of width x height device pixels; the view is scaled
    // uniformly to fit and centred. Throws CanvasFailure when the surface
    // cannot be made (too large, or the memory is short).
    Canvas(FontBook& fonts, int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Throws CanvasFailure when the drawing fails (memory short), and
    // FontFailure when a text's face does: cairo would draw nothing more
    // after either. The canvas can be drawn on again after the throw.
    void Render(const DrawCall& call);
    // Clears to the background and draws the calls in order.
    void Replay(const std::vector<DrawCall>& calls);
    // Any text drawn since the last flush reaches the surface.
    void Flush();

    // The device-pixel rectangle drawn on since the last call (empty when
    // nothing was), so that only that part needs to reach the window.
    struct Area {
        int x = 0, y = 0, w = 0, h = 0;
    };
    Area TakeDirty();
    // Everything counts as drawn on (after an expose).
    void MarkAllDirty() { dirty_ = {0, 0, width_, height_}; }

    cairo_surface_t* Surface() { return surface_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool WritePng(const std::string& path);

private:
    // The drawing context, scaled to the view.
    void StartContext();
    // After a drawing has failed, the context draws nothing more: the
    // failure is thrown and a new context is started.
    void Check();
    std::string SizeText() const;
    void SetColour(int index);
    void Clear();
    void RenderText(const DrawCall& call);
    void FlushGlyphs();
    void KeepBatchFont(cairo_scaled_font_t* font);
    // Widens the dirty area by a logical rectangle (generously).
    void Touch(double x0, double y0, double x1, double y1);

    FontBook& fonts_;
    int width_, height_;
    double scale_;
    double offsetX_, offsetY_;
    Area dirty_;
    std::vector<cairo_glyph_t> batch_;  // glyphs not yet shown
    cairo_scaled_font_t* batchFont_ = nullptr;
    int batchColour_ = 0;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace platform
