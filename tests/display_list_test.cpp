// The display list repaints the view exactly as it was drawn, and does not
// grow while the program waits at a blinking cursor.
#include <cstring>

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

}  // namespace
