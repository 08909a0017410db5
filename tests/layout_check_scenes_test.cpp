// The layout check's eye on single scenes: each threshold of
// tools/ink_thresholds.h pinned by a pair of scenes just inside and just
// outside it, and the rules of what belongs to what (a row going on, a
// line written in several calls, a cell's frame, a rule, a brace, a term,
// a column sum's rule), each reach that decides an owner pinned alike.
#include <gmock/gmock.h>

#include "platform/glyph_placement.h"
#include "runtime/layout_metrics.h"
#include "tools/column_sums.h"
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

constexpr int kBracePen = 5;

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
    // A brace as the check sees one: a figure of its kind, here a stem at
    // x from `top` to `bottom` and serifs reaching kSerif right of it, in
    // the brace's pen.
    void Brace(double x, double top, double bottom) {
        ink.BeginFigure(platform::FigureKind::Brace);
        ink.Add(Line(x, top, x, bottom, kBracePen));
        ink.Add(Line(x, top, x + kSerif, top, kBracePen));
        ink.Add(Line(x, bottom, x + kSerif, bottom, kBracePen));
        ink.EndFigure();
    }
    static constexpr double kSerif = 12;
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
// times as far from the row above ("1234") as from the row below; a mark
// more than 40 above a row notes none.
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
    // With the ink of "5" up to 40 under its foot, the row is still the one
    // it notes, only too far; beyond, the mark notes no row. (The row above
    // out of reach.)
    const double fiveLower = InkOf(100, 150, "56=78", [](const std::string& ch) { return ch == "5"; }).y0 - top;
    constexpr double kOutOfReach = 100;
    EXPECT_THAT(mark(1, 39.5 - fiveLower, kOutOfReach), HasSubstr("above the row it annotates"));
    EXPECT_THAT(mark(1, 40.5 - fiveLower, kOutOfReach), HasSubstr("stands over a blank"));
}

// Which ink makes the rows around a mark (ending 1 before "5" of row "56"
// at (300, 150), its foot 4 over the row): the row above counts within 54
// to either side (two half-width cells), a descender of it within 6 of the
// mark's sides; the line of the row below is read from its digits within
// 200 to either side.
TEST(LayoutCheckScenes, TheRowsAroundAMarkAreReadNearIt) {
    const double top = InkOf(300, 150, "56", IsDigit).y0;
    const double right = InkOf(300, 150, "56").x0 - 1;
    const double left = right - runtime::BarLength(runtime::kSignMarkStrokes);
    const double foot = top - 4, markTop = foot - runtime::kSignMarkStrokes.pen;
    // A row `text` above, the ink of its glyphs `which` ending `aside` left
    // of the mark, its digits' foot `up` over the mark's top.
    auto above = [&](const std::string& text, const std::function<bool(const std::string&)>& which, double aside,
                     double up) {
        Scene scene;
        const double x = 100 + left - aside - InkOf(100, 100, text, which).x1;
        const double y = 100 + markTop - up - InkOf(100, 100, text, IsDigit).y1;
        scene.Piece(static_cast<float>(x), static_cast<float>(y), text);
        scene.Piece(300, 150, "56");
        scene.Mark(right, foot);
        return scene.Findings();
    };
    EXPECT_THAT(above("12", nullptr, 53.5, 5), HasSubstr("is nearer the row above"));
    EXPECT_EQ(above("12", nullptr, 54.5, 5), "");
    // "y" reaches below the digits' foot, 8 over the mark (far enough).
    const auto isY = [](const std::string& ch) { return ch == "y"; };
    EXPECT_GT(InkOf(100, 100, "1y", isY).y1, InkOf(100, 100, "1y", IsDigit).y1 + 2);
    EXPECT_THAT(above("1y", isY, 5.5, 8), HasSubstr("is nearer the row above"));
    EXPECT_EQ(above("1y", isY, 6.5, 8), "");
    // A mark 10 over the row reads where a digit of the row set 7 higher
    // (as a sum's operator is set lower) raises its line within reach.
    auto digitHigherAt = [&](double aside) {
        Scene scene;
        scene.Piece(300, 150, "56");
        scene.Piece(static_cast<float>(100 + right + aside - InkOf(100, 143, "9").x0), 143, "9");
        scene.Mark(right, top - 10);
        return scene.Findings();
    };
    EXPECT_EQ(digitHigherAt(199.5), "");
    EXPECT_THAT(digitHigherAt(200.5), HasSubstr("stands 10 above the row it annotates"));
}

// Which glyphs make one term, for a mark just before the later of two
// glyphs of row "5 6" (mark ending 1 before "6", over the blank): a digit
// ending less than 24 before it, in a piece set less than 8 off its
// baseline (the sum's operator stands 6 below its row), makes "6" part of
// its term, and the mark stands inside it.
TEST(LayoutCheckScenes, ADigitWithin24BeforeAGlyphInItsRowIsOfItsTerm) {
    const double top = InkOf(100, 150, "6").y0;
    auto markBefore6 = [&](double gap, double lower) {
        Scene scene;
        scene.Piece(100, static_cast<float>(150 + lower), "5");
        const double six = InkOf(100, 150 + lower, "5").x1 + gap;  // where the ink of "6" begins
        scene.Piece(static_cast<float>(six - InkOf(0, 150, "6").x0), 150, "6");
        scene.Mark(six - 1, top - 3);
        std::string marks;  // the pieces themselves may stand as columns
        for (const layout::Finding& f : scene.ink.Look())
            if (f.kind == layout::Kind::SignMark) marks += f.what;
        return marks;
    };
    EXPECT_THAT(markBefore6(23.5, 0), HasSubstr("stands over a blank"));
    EXPECT_EQ(markBefore6(24.5, 0), "");
    EXPECT_THAT(markBefore6(14, 7.5), HasSubstr("stands over a blank"));
    EXPECT_EQ(markBefore6(14, 8.5), "");
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

// Which texts share a line: a piece begun at most 6 off the baseline of
// the text before it (a sum's bracket stands 6 below its row) goes on its
// line, and may stand closer than 34; texts whose bands (48) share less
// than a quarter of a row are on different lines, and may stand closer
// than 10.
TEST(LayoutCheckScenes, TextsWithin6OfABaselineAndSharingAQuarterRowShareALine) {
    const double end = InkOf(100, 100, "12").x1;
    const double lead = InkOf(0, 100, "34").x0;
    auto besideAt = [&](double gap, double lower) {
        Scene scene;
        scene.Piece(100, 100, "12");
        scene.Piece(static_cast<float>(end + gap - lead), static_cast<float>(100 + lower), "34");
        return scene.Findings();
    };
    EXPECT_EQ(besideAt(20, 6), "");
    EXPECT_THAT(besideAt(20, 6.5), HasSubstr("\"12\" (100,100) stands beside another column (20.0) \"34\""));
    EXPECT_THAT(besideAt(5, 35.5), HasSubstr("\"12\" (100,100) stands beside (5.0) \"34\""));
    EXPECT_EQ(besideAt(5, 36.5), "");
}

// A brace embraces the rows that start from 2 left of its ink's right end
// (under its serifs) to 15 right of it: text written just after them,
// before the brace, is the system's label; after rows further off, it is
// another column crowding the brace.
TEST(LayoutCheckScenes, ABraceEmbracesRowsStartingFrom2LeftTo15RightOfIt) {
    constexpr double kBraceX = 200;
    constexpr double kBraceEnd = kBraceX + Scene::kSerif;  // the right end of its ink (strokes end square)
    auto labelAfterRowsAt = [&](double start) {
        Scene scene;
        scene.Brace(kBraceX, 100, 220);
        // Rows between the serifs, clear of them.
        scene.Piece(static_cast<float>(kBraceEnd + start), 110, "12");
        scene.Piece(static_cast<float>(kBraceEnd + start), 160, "34");
        scene.Piece(120, 130, "56");  // its ink ends about 30 before the brace
        return scene.Findings();
    };
    EXPECT_EQ(labelAfterRowsAt(14.5), "");
    EXPECT_THAT(labelAfterRowsAt(15.5), HasSubstr("\"56\" (120,130) stands beside another column"));
    EXPECT_EQ(labelAfterRowsAt(-2), "");
    EXPECT_THAT(labelAfterRowsAt(-2.5), HasSubstr("\"56\" (120,130) stands beside another column"));
}

// A rule owns the rows just above and below it: text 5.5 above its own
// rule is clear of it (3), and crowds it at 2.5. (Only text nearer than 6
// can crowd a line, so the rule's reach, 12, shows no further.)
TEST(LayoutCheckScenes, TextKeeps3FromTheRuleJustUnderIt) {
    const layout::Rect text = InkOf(100, 100, "12");
    auto ruleBelow = [&](double gap) {
        Scene scene;
        scene.Piece(100, 100, "12");
        scene.ink.BeginFigure(platform::FigureKind::Rule);
        scene.ink.Add(Line(80, text.y1 + gap + 1.5, 200, text.y1 + gap + 1.5, 3));
        scene.ink.EndFigure();
        return scene.Findings();
    };
    EXPECT_EQ(ruleBelow(5.5), "");
    EXPECT_THAT(ruleBelow(2.5), HasSubstr("\"12\" (100,100) is close to its own (2.5) line"));
}

// A box's edge running along a cell's side, its middle less than 3 off
// (the next cell's, drawn as a box of its own), is a frame of the cell:
// the cell's text keeps 3 from it, not 6.
TEST(LayoutCheckScenes, AnEdgeWithin3OfACellsSideIsItsFrame) {
    const double inkTop = InkOf(100, 100, "12").y0 - 100;
    auto underEdgeOff = [&](double off) {
        Scene scene;
        scene.ink.Add(Box(60, 80, 240, 180, 0, 15));
        // The box above covers the cell's top edge with its own bottom one.
        const double edge = 80 + off;
        scene.ink.Add(Box(40, 0, 260, static_cast<float>(edge), 0, 15));
        scene.Piece(100, static_cast<float>(edge + 1.5 + 4 - inkTop), "12");  // 4 under that edge
        return scene.Findings();
    };
    EXPECT_EQ(underEdgeOff(2.5), "");
    EXPECT_THAT(underEdgeOff(3.5), HasSubstr("is close to (4.0) box frame of box (40,0)-(260,83.5)"));
}

// --- Column sums ---

// A written sum by hand: "=" of the upper row at x 300, of the lower row a
// place right (at 327), the ")" at (200, 156) a bracket's drop below the
// lower row, and a rule `step` below the ")".
class SumScene {
public:
    explicit SumScene(double step) {
        Equals("2x+y=5", 300, 100);
        sums.BeginPiece(")", {200, 156});
        sums.Add(Text(200, 156, ")"));
        sums.EndPiece();
        Equals("2x+6y=10", 327, 150);
        const auto ruleY = static_cast<float>(156 + step);
        DrawCall rule = Line(200, ruleY, 500, ruleY, 3);
        sums.Add(rule);
    }
    int Read() const {
        layout::ReadCounts read;
        sums.CountRead(read);
        return read.runtimeSums;
    }
    layout::ColumnSums sums;

private:
    void Equals(const std::string& row, float x, float y) {
        sums.BeginPiece(row, {x - 100, y});
        sums.Add(Text(x, y, "="));
        sums.EndPiece();
    }
};

// The rule lies at most 100 below the ")" (a row step is 50); an erase
// takes the ")" away, and the sum with it, when it covers the point 10
// right of and 20 below the top-left of its cell.
TEST(LayoutCheckScenes, ASumIsRuledWithin100AndErasedThrough10By20OfItsBracket) {
    EXPECT_EQ(SumScene(100).Read(), 1);
    EXPECT_EQ(SumScene(100.5).Read(), 0);
    auto foundAfterErase = [](float right, float bottom) {
        SumScene scene(44);
        scene.sums.Add(Box(150, 120, right, bottom, 15, 15));
        return scene.sums.Look().size();
    };
    EXPECT_EQ(foundAfterErase(209.5, 190), 1u);
    EXPECT_EQ(foundAfterErase(210, 190), 0u);
    EXPECT_EQ(foundAfterErase(260, 175.5), 1u);
    EXPECT_EQ(foundAfterErase(260, 176), 0u);
}

}  // namespace
