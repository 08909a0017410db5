// The display list repaints the view exactly as it was drawn, does not
// grow while the program waits at a blinking cursor, starts afresh at a
// clear of the whole view, and is kept while a window has no surface yet;
// the fonts of a window resized again and again stay few.
#include <cstring>
#include <limits>

#include "lessons/kanovel/kanovel.h"
#include "platform/canvas.h"
#include "platform/headless_platform.h"
#include "tests/test_support.h"

namespace {

using platform::DrawCall;
using platform::DrawKind;

DrawCall Disc(float x, float y, int colour) {
    DrawCall c;
    c.kind = DrawKind::Circle;
    c.points = {{x, y}};
    c.radius = 4;
    c.colour = colour;
    c.filled = true;
    c.width = 3;
    return c;
}

DrawCall Box(float x1, float y1, float x2, float y2, int colour) {
    DrawCall c;
    c.kind = DrawKind::Box;
    c.points = {{x1, y1}, {x2, y2}};
    c.colour = colour;
    c.fill = colour;
    c.width = 3;
    return c;
}

TEST(DisplayList, BlinkingCursorAndErasedTextsDoNotPileUp) {
    platform::DisplayList list;
    DrawCall text;
    text.kind = DrawKind::Text;
    text.points = {{100, 100}};
    text.text = "7";
    text.magX = text.magY = 1;
    list.Add(text);
    for (int i = 0; i < 1000; ++i) list.Add(Disc(1064, 656, i % 2 ? 15 : 5));
    EXPECT_EQ(list.Calls().size(), 2u);
    list.Add(Box(0, 50, 300, 200, 15));  // erases the text
    EXPECT_EQ(list.Calls().size(), 2u);
    list.Add(text);
    list.Add(Box(0, 50, 100, 200, 15));  // covers only part of it
    EXPECT_EQ(list.Calls().size(), 4u);
    // A clear of the whole view, a box or a CLS, starts the list afresh:
    // one page's calls are not repainted under the next.
    list.Add(Box(0, 0, platform::kViewWidth, platform::kViewHeight, 15));
    EXPECT_EQ(list.Calls().size(), 1u);
    list.Add(text);
    DrawCall cls;
    cls.kind = DrawKind::Cls;
    list.Add(cls);
    EXPECT_EQ(list.Calls().size(), 1u);
}

TEST(DisplayList, ReplayPaintsTheSameView) {
    // A real page run: every call drawn as it came, against the list drawn
    // again on a fresh canvas.
    platform::HeadlessOptions options;
    options.keys = std::string("3\r2\r") + std::string(7, ' ') + "12345";
    options.time = "10:20:30";
    options.render = true;
    platform::HeadlessPlatform pf(options);
    try {
        kanovel::Run(pf);
    } catch (const platform::WindowClosed&) {
    }
    platform::FontBook fonts;
    platform::Canvas live(fonts, 1344, 756), replayed(fonts, 1344, 756);
    for (const DrawCall& call : pf.Calls()) live.Render(call);
    replayed.Replay(pf.Display().Calls());
    live.Flush();
    replayed.Flush();
    EXPECT_LT(pf.Display().Calls().size(), pf.Calls().size());
    const int bytes = cairo_image_surface_get_stride(live.Surface()) * 756;
    EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(live.Surface()), cairo_image_surface_get_data(replayed.Surface()),
                          static_cast<size_t>(bytes)),
              0);
}

// A line that runs far off the view still marks the canvas up to its edge
// as drawn on, so the window shows the part of it that is in view.
TEST(DisplayList, FarCoordinatesMarkTheCanvasUpToItsEdge) {
    platform::FontBook fonts;
    platform::Canvas canvas(fonts, 1344, 756);
    canvas.TakeDirty();
    DrawCall line;
    line.kind = DrawKind::Line;
    line.points = {{100, 100}, {1e30f, 100}};
    line.width = 3;
    canvas.Render(line);
    const platform::Canvas::Area area = canvas.TakeDirty();
    EXPECT_LT(area.x, 100);
    EXPECT_EQ(area.x + area.w, 1344);
    line.points = {{std::numeric_limits<float>::quiet_NaN(), 100}, {-1e30f, -1e30f}};
    canvas.Render(line);
    const platform::Canvas::Area none = canvas.TakeDirty();
    EXPECT_EQ(none.w, 0);
}

// A platform that draws but has no canvas yet, as a window before its
// surface exists.
class WithoutCanvasYet : public platform::HeadlessPlatform {
public:
    WithoutCanvasYet() : HeadlessPlatform(Rendering()) { canvas_.reset(); }

private:
    static platform::HeadlessOptions Rendering() {
        platform::HeadlessOptions options;
        options.render = true;
        return options;
    }
};

TEST(DisplayList, IsKeptWhileThereIsNoCanvasYet) {
    WithoutCanvasYet pf;
    platform::Platform& drawing = pf;
    drawing.Box({0, 50}, {300, 200}, 3, 15);
    drawing.Symbol({100, 100}, "7", 1, 1, 0);
    EXPECT_EQ(pf.Display().Calls().size(), 2u);
}

TEST(ScaledFonts, OnlyTheLatestDeviceScalesAreKept) {
    platform::FontBook fonts;
    const platform::FaceSpec& gothic = platform::FaceFor("ゴシック");
    for (int resize = 0; resize < 100; ++resize) {
        const double scale = 1 + resize / 64.0;
        fonts.Scaled(gothic, false, false, 24, 48, scale);
        fonts.Scaled(gothic, true, false, 24, 48, scale);
    }
    EXPECT_EQ(fonts.ScaledFonts(), 2 * platform::FontBook::kKeptScales);
}

}  // namespace
