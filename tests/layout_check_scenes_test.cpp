// The layout check's eye on single scenes: each threshold of
// tools/ink_thresholds.h pinned by a pair of scenes just inside and just
// outside it, and the rules of what belongs to what (a row going on, a
// line written in several calls, a cell's frame, a rule, a brace).
#include <gmock/gmock.h>

#include "platform/glyph_placement.h"
#include "runtime/layout_metrics.h"
#include "tools/ink_scene.h"

namespace {

using platform::DrawCall;
using platform::DrawKind;
using testing::HasSubstr;

platform::FontBook& Fonts() {
    static platform::FontBook fonts;
    return fonts;
}

// Running text as the runtime draws it: bold magnified cells.
DrawCall Text(float x, float y, const std::string& text, int colour = 0) {
    DrawCall call;
    call.kind = DrawKind::Text;
    call.points = {{x, y}};
    call.text = text;
    call.face = "ゴシック";
    call.magX = 3;
    call.magY = 3;
    call.bold = true;
    call.colour = colour;
    return call;
}

DrawCall Box(float x0, float y0, float x1, float y1, int outline, int fill) {
    DrawCall call;
    call.kind = DrawKind::Box;
    call.points = {{x0, y0}, {x1, y1}};
    call.colour = outline;
    call.fill = fill;
    call.width = 3;
    return call;
}

DrawCall Line(double x0, double y0, double x1, double y1, int width) {
    DrawCall call;
    call.points = {{static_cast<float>(x0), static_cast<float>(y0)}, {static_cast<float>(x1), static_cast<float>(y1)}};
    call.width = width;
    return call;
}

// Where a text drawn at (x, y) leaves its ink: all its glyphs, or only
// those that pass `which`.
layout::Rect InkOf(float x, float y, const std::string& text,
                   const std::function<bool(const std::string&)>& which = nullptr) {
    layout::Rect ink{1e300, 1e300, -1e300, -1e300};
    for (const platform::GlyphInk& g : platform::InkOfGlyphs(Fonts(), Text(x, y, text))) {
        if (which && !which(g.character)) continue;
        ink = {std::min(ink.x0, g.x0), std::min(ink.y0, g.y0), std::max(ink.x1, g.x1), std::max(ink.y1, g.y1)};
    }
    return ink;
}

bool IsDigit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

// A scene, and what the check finds in it: "kind: what" of each finding.
class Scene {
public:
    // A piece of text of its own: no later piece continues its row.
    void Piece(float x, float y, const std::string& text, int colour = 0) {
        ink.BeginPiece(text, {x, y});
        ink.Add(Text(x, y, text, colour));
        ink.EndPiece({x + 1000, y});
    }
    // A sign-change mark "-" whose ink ends at `right` with its foot at
    // `foot`, drawn in the marks' pen.
    void Mark(double right, double foot) {
        const double y = foot - runtime::kSignMarkStrokes.pen / 2.0;
        const double left = right - runtime::BarLength(runtime::kSignMarkStrokes);
        ink.BeginPiece("-", {static_cast<float>(left), static_cast<float>(y)}, platform::PieceKind::SignMark);
        ink.Add(Line(left, y, right, y, runtime::kSignMarkStrokes.pen));
        ink.EndPiece();
    }
    std::string Findings() {
        std::string found;
        for (const layout::Finding& f : ink.Look())
            found += std::string(layout::KindName(f.kind)) + ": " + f.what + "\n";
        return found;
    }
    layout::InkScene ink{Fonts()};
};

// --- Touching, cut off, faint ---

TEST(LayoutCheckScenes, SeesTouchingInkCutTextAndFaintText) {
    layout::InkScene scene(Fonts());
    scene.Add(Text(100, 100, "12"));
    scene.Add(Text(100, 125, "34"));  // 25 below: the rows' ink meets
    scene.Add(Text(400, 100, "56"));
    scene.Add(Box(380, 120, 500, 200, 15, 15));  // erases the lower part of "56"
    scene.Add(Text(700, 100, "78", 14));          // light yellow on white
    scene.Add(Text(100, 300, "90"));
    scene.Add(Text(100, 300, "90", 3));  // drawn again in another colour: the same ink
    std::vector<layout::Kind> kinds;
    // (The rows 25 apart also crowd each other: the room test looks at that.)
    for (const layout::Finding& f : scene.Look())
        if (f.kind != layout::Kind::Crowding) kinds.push_back(f.kind);
    std::sort(kinds.begin(), kinds.end());
    EXPECT_EQ(kinds, (std::vector<layout::Kind>{layout::Kind::Collision, layout::Kind::CutOff,
                                                layout::Kind::Colour}));
    // A full-screen clear leaves nothing to find.
    scene.Add(Box(0, 0, 1344, 756, 15, 15));
    EXPECT_TRUE(scene.Look().empty());
}

// A text and a level line under it that is not its own: closer than 2 the
// inks touch; closer than 6 the text crowds the line.
TEST(LayoutCheckScenes, TextTouchesALineBelow2AndCrowdsItBelow6) {
    const layout::Rect text = InkOf(100, 100, "12");
    auto lineBelow = [&](double gap) {
        Scene scene;
        scene.Piece(100, 100, "12");
        scene.ink.Add(Line(80, text.y1 + gap + 0.5, 200, text.y1 + gap + 0.5, 1));
        return scene.Findings();
    };
    EXPECT_THAT(lineBelow(1.5), HasSubstr("collision: \"12\" (100,100) touches line"));
    EXPECT_THAT(lineBelow(2.5), HasSubstr("crowding: \"12\" (100,100) is close to (2.5) line"));
    EXPECT_THAT(lineBelow(5.5), HasSubstr("crowding: \"12\" (100,100) is close to (5.5) line"));
    EXPECT_EQ(lineBelow(6.5), "");
}

// A text in a framed cell keeps 3 from the frame, its own.
TEST(LayoutCheckScenes, TextKeeps3FromItsOwnFrame) {
    const layout::Rect text = InkOf(100, 100, "12");
    auto underFrame = [&](double gap) {
        Scene scene;
        // The top edge's ink ends half the pen width below the box's top.
        const double top = text.y0 - gap - 1.5;
        scene.ink.Add(Box(60, static_cast<float>(top), 240, 180, 0, 15));
        scene.Piece(100, 100, "12");
        return scene.Findings();
    };
    EXPECT_THAT(underFrame(2.5), HasSubstr("crowding: \"12\" (100,100) is close to its own (2.5) box frame"));
    EXPECT_EQ(underFrame(3.5), "");
}

// A later opaque box reaching more than 2 into a text's ink cuts it; less
// is the border of an erase ending beside it.
TEST(LayoutCheckScenes, ABoxReachingMoreThan2IntoTextCutsItOff) {
    const layout::Rect text = InkOf(100, 100, "12");
    auto eraseBelow = [&](double depth) {
        Scene scene;
        scene.Piece(100, 100, "12");
        // An erase's box reaches half its pen width beyond its corners.
        scene.ink.Add(Box(60, static_cast<float>(text.y1 - depth + 1.5), 240, 300, 15, 15));
        return scene.Findings();
    };
    EXPECT_EQ(eraseBelow(1.5), "");
    EXPECT_THAT(eraseBelow(2.5), HasSubstr("cut off: \"12\" (100,100) cut by box"));
}

// Text on a plate needs 4.5:1: the palette's two pairs nearest it, one
// either side.
TEST(LayoutCheckScenes, TextBelow4_5To1OnItsPlateIsFaint) {
    EXPECT_LT(layout::Contrast(2, 14), 4.5);  // green on light yellow
    EXPECT_GT(layout::Contrast(2, 14), 4.4);
    EXPECT_GT(layout::Contrast(6, 11), 4.5);  // brown on light cyan
    EXPECT_LT(layout::Contrast(6, 11), 4.6);
    auto onPlate = [](int colour, int plate) {
        Scene scene;
        scene.ink.Add(Box(60, 80, 240, 180, plate, plate));
        scene.Piece(100, 100, "12", colour);
        return scene.Findings();
    };
    EXPECT_THAT(onPlate(2, 14), HasSubstr("colour: \"12\" (100,100) colour 2 on 14"));
    EXPECT_EQ(onPlate(6, 11), "");
}

// --- Sign-change marks ---

// Sign-change marks over a lower row "56=78" (one glyph each 24 from
// x 100), 50 below "12=34": just before the first glyph of a term and just
// above the row reads; over a first glyph (a bar on the digit), over "=",
// inside a term, too far before a term or high in the band does not.
TEST(LayoutCheckScenes, SeesSignMarksThatDoNotReadWithTheirTerm) {
    // The findings of a scene of the two rows and one mark.
    auto look = [&](float cellX, float lift) {
        layout::InkScene scene(Fonts());
        scene.Add(Text(100, 100, "12=34"));
        scene.Add(Text(100, 150, "56=78"));
        scene.BeginPiece("-", {cellX, 125 - lift}, platform::PieceKind::SignMark);
        DrawCall bar;
        bar.points = {{cellX + 6, 150 - lift}, {cellX + 18, 150 - lift}};
        bar.colour = 3;
        bar.width = 4;
        scene.Add(bar);
        scene.EndPiece();
        std::string found;
        for (const layout::Finding& f : scene.Look()) {
            EXPECT_EQ(f.kind, layout::Kind::SignMark) << f.what;
            found += f.what;
        }
        return found;
    };
    EXPECT_EQ(look(84, 0), "");   // ends 1.2 before "5"
    EXPECT_EQ(look(156, 0), "");  // ends 1.2 before "7", over the end of "="
    EXPECT_THAT(look(100, 0), HasSubstr("over \"5\", the first glyph of its term"));
    EXPECT_THAT(look(148, 0), HasSubstr("over \"=\""));
    EXPECT_THAT(look(124, 0), HasSubstr("inside a term"));
    EXPECT_THAT(look(78, 0), HasSubstr("over a blank"));  // ends 7.2 before "5"
    EXPECT_THAT(look(84, 8), HasSubstr("above the row it annotates"));
}

// How far a mark may stand from the term it notes, over the lower row
// "56=78" at y 150: its ink ends at most 6 above the row's digits, at most
// 6 before the first ink of a term without a sign, and stands at least 1.5
// times as far from the row above ("1234") as from the row below.
TEST(LayoutCheckScenes, SignMarksStandWithin6OfTheirTermAndNearerItThanTheRowAbove) {
    const double top = InkOf(100, 150, "56=78", IsDigit).y0;  // the lower row's line
    const double five = InkOf(100, 150, "56=78").x0;        // where "5" begins
    // A mark ending `before` left of "5" with its foot `above` over the row,
    // under "1234" whose foot lies `up` over the mark.
    auto mark = [&](double before, double above, double up) {
        const double markTop = top - above - runtime::kSignMarkStrokes.pen;
        const float upperY = static_cast<float>(100 + (markTop - up - InkOf(100, 100, "1234").y1));
        Scene scene;
        scene.Piece(100, upperY, "1234");
        scene.Piece(100, 150, "56=78");
        scene.Mark(five - before, top - above);
        return scene.Findings();
    };
    constexpr double kFar = 30;  // a row above far enough to leave the mark alone
    EXPECT_EQ(mark(1, 5.5, kFar), "");
    EXPECT_THAT(mark(1, 6.5, kFar), HasSubstr("stands 6.5 above the row it annotates"));
    EXPECT_EQ(mark(5.5, 3, kFar), "");
    EXPECT_THAT(mark(6.5, 3, kFar), HasSubstr("stands over a blank"));
    EXPECT_THAT(mark(1, 4, 5.5), HasSubstr("is nearer the row above (5.5) than the row below (4)"));
    EXPECT_EQ(mark(1, 4, 6.5), "");
}

// --- Room around text ---

// Room around text: half a character beside another text of its band
// unless it continues that text's row, 6 from ink not its own, 3 from its
// own cell frame, brace or rule.
TEST(LayoutCheckScenes, SeesTextCrowdingWhatItDoesNotBelongTo) {
    layout::InkScene scene(Fonts());
    auto piece = [&](float x, float y, const std::string& text, float endX) {
        scene.BeginPiece(text, {x, y});
        scene.Add(Text(x, y, text));
        scene.EndPiece({endX, y});
    };
    piece(100, 100, "12", 148);
    piece(148, 100, "34", 196);  // the same row goes on where the pen stopped
    piece(200, 100, "56", 248);  // another text 6 beside it
    piece(100, 300, "78", 148);
    scene.Add(Line(100, 341, 200, 341, 3));  // 4 under a text: a line that is not its own
    scene.Add(Box(400, 300, 500, 350, 0, 15));
    piece(402, 302, "90", 450);  // in a cell, 4 from its frame
    scene.BeginFigure(platform::FigureKind::Rule);
    scene.Add(Line(600, 341, 700, 341, 3));  // the rule of the row just above it
    scene.EndFigure();
    piece(600, 300, "12", 648);
    std::vector<std::string> found;
    for (const layout::Finding& f : scene.Look()) {
        EXPECT_EQ(f.kind, layout::Kind::Crowding) << f.what;
        found.push_back(f.what.substr(0, f.what.find(" (")));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"\"34\"", "\"78\""}));
}

// Two texts side by side on one line stand half a character (10) apart,
// and a full-width character (34) where they are not one line written in
// several calls; a line written in two calls, or two cells with a rule
// between them, may stand closer.
TEST(LayoutCheckScenes, TextsStand10ApartAnd34BetweenColumns) {
    // Where "12" drawn at x 100 ends its ink, and how far right of its pen
    // the ink of "34" begins.
    const double end = InkOf(100, 100, "12").x1;
    const double lead = InkOf(0, 100, "34").x0;
    enum class Between { OtherLine, Nothing, Rule };
    auto findings = [&](double gap, Between between) {
        Scene scene;
        scene.Piece(100, 100, "12");
        if (between != Between::Nothing) scene.Piece(100, 300, "56");  // another line drawn in between
        if (between == Between::Rule) scene.ink.Add(Line(end + gap / 2, 80, end + gap / 2, 160, 1));
        scene.Piece(static_cast<float>(end + gap - lead), 100, "34");
        return scene.Findings();
    };
    EXPECT_THAT(findings(9.5, Between::Nothing), HasSubstr("\"12\" (100,100) stands beside (9.5) \"34\""));
    EXPECT_EQ(findings(10.5, Between::Nothing), "");
    EXPECT_THAT(findings(33.5, Between::OtherLine), HasSubstr("stands beside another column (33.5) \"34\""));
    EXPECT_EQ(findings(34.5, Between::OtherLine), "");
    EXPECT_EQ(findings(20, Between::Rule), "");
}

}  // namespace
