// The figure grid with its origin, and polygon outlines with corner labels.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class GridPolygonTest : public RuntimeTest {
protected:
    void Grid(float colour) {
        rt.gridLeft = 72, rt.gridTop = 100, rt.gridCell = 40, rt.gridColumns = 10, rt.boxHeight = 11;
        rt.boxColour = colour;
        rt.DrawGrid();
    }
    void Corners(std::initializer_list<platform::Point> corners) {
        int i = 1;
        for (const platform::Point& p : corners) {
            rt.polygonPoints(i, 1) = p.x;
            rt.polygonPoints(i, 2) = p.y;
            ++i;
        }
        rt.polygonCount = static_cast<float>(corners.size());
    }
};

TEST_F(GridPolygonTest, BackgroundColourGivesOnlyTheOrigin) {
    rt.boxFill = 6;
    Grid(15);
    EXPECT_TRUE(pf.Calls().empty());
    EXPECT_EQ(rt.boxFill, 6);
    EXPECT_EQ(rt.gridOriginX, 72);
    EXPECT_EQ(rt.gridOriginY, 540);
    EXPECT_EQ(rt.gridFrameLeft, 72);
    EXPECT_EQ(rt.gridFrameTop, 100);
    EXPECT_EQ(rt.gridFrameRight, 472);
    EXPECT_EQ(rt.gridFrameBottom, 540);
}

TEST_F(GridPolygonTest, EveryFifthLineFromTheOriginIsHeavy) {
    rt.SetDrawWidth(2);
    Grid(7);
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 11u + 12u);
    for (int i = 0; i <= 10; ++i) {
        const float x = 72 + 40.0f * i;
        ExpectLine(lines[i], x, 100, x, 540);
        const bool heavy = i % 5 == 0;
        EXPECT_EQ(lines[i].width, heavy ? 3 : 1) << x;
        EXPECT_EQ(lines[i].colour, heavy ? 14 : 7) << x;
    }
    for (int j = 0; j <= 11; ++j) {
        const DrawCall& line = lines[11 + j];
        const float y = 540 - 40.0f * j;
        ExpectLine(line, 72, y, 472, y);
        const bool heavy = j % 5 == 0;  // 540, 340 and 140; the top line at 100 is light
        EXPECT_EQ(line.width, heavy ? 3 : 1) << y;
        EXPECT_EQ(line.colour, heavy ? 14 : 7) << y;
    }
    EXPECT_EQ(rt.boxFill, 14);
    EXPECT_EQ(rt.GetDrawWidth(), 2);
    EXPECT_EQ(rt.gridOriginY, 540);
}

// A count of lines that a single cannot step through would never end.
TEST_F(GridPolygonTest, CountsWithoutEndAreBadArgumentsBeforeAnythingIsDrawn) {
    for (auto [columns, rows] : {std::pair{16777216.0f, 11.0f}, {10.0f, 3e9f}}) {
        pf.ClearRecord();
        rt.gridLeft = 72, rt.gridTop = 100, rt.gridCell = 40, rt.gridColumns = columns, rt.boxHeight = rows;
        rt.boxColour = 7;
        EXPECT_EQ(FailureCode([this] { rt.DrawGrid(); }), basic::kBadArgument) << columns << " " << rows;
        EXPECT_TRUE(pf.Calls().empty());
    }
}

TEST_F(GridPolygonTest, OutlineRunsEdgeByEdgeBackToTheFirstCorner) {
    rt.SetDrawWidth(2);
    Corners({{100, 300}, {300, 300}, {200, 100}});
    rt.polygonPenWidth = 5, rt.boxColour = 0, rt.markRadius = 12;
    rt.figureLabel = "";
    rt.DrawPolygon();
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 3u);
    ExpectLine(lines[0], 100, 300, 300, 300);
    ExpectLine(lines[1], 300, 300, 200, 100);
    ExpectLine(lines[2], 200, 100, 100, 300);
    for (const DrawCall& line : lines) EXPECT_EQ(line.width, 5);
    EXPECT_TRUE(CallsOf(DrawKind::Text).empty());
    EXPECT_EQ(rt.markRadius, 12);
    EXPECT_EQ(rt.GetDrawWidth(), 2);
}

TEST_F(GridPolygonTest, LettersAtEveryCornerOutsideTheFigure) {
    rt.SetDrawWidth(1);
    // A square listed counter-clockwise as seen on the screen.
    Corners({{100, 300}, {300, 300}, {300, 100}, {100, 100}});
    rt.polygonPenWidth = 3, rt.boxColour = 0, rt.markRadius = 10, rt.textColour = 7;
    rt.figureLabel = "A";
    rt.DrawPolygon();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(DrawnText(), "ABCD");
    for (const DrawCall& text : texts) EXPECT_EQ(text.colour, 7);
    // Corner 1 takes its rays towards corners 2 and 3, exchanged: the label
    // stands off to the lower left, at the kept distance.
    ExpectAt(texts[0].points[0], 100 - (10 + 13.5f) * 0.92388f - 13.5f, 300 + (10 + 22) * 0.382683f - 22);
    // The last corner took its rays towards corners 1 and 2.
    ExpectAt({rt.rayAX, rt.rayAY}, 100, 300);
    ExpectAt({rt.rayBX, rt.rayBY}, 300, 300);
    EXPECT_EQ(rt.figureLabel, "");
    EXPECT_EQ(rt.markRadius, 0);
    EXPECT_EQ(rt.labelFlip, 0);
    EXPECT_EQ(rt.GetDrawWidth(), 1);
}

TEST_F(GridPolygonTest, NamesComeFromTheList) {
    Corners({{100, 300}, {300, 300}, {200, 100}});
    rt.vertexNames(1) = "P";
    rt.vertexNames(2) = "Q";
    rt.vertexNames(3) = "R";
    rt.polygonPenWidth = 1, rt.markRadius = 4;
    rt.figureLabel = "1";
    rt.DrawPolygon();
    EXPECT_EQ(DrawnText(), "PQR");
    EXPECT_EQ(rt.figureLabel, "");
}

TEST_F(GridPolygonTest, TriangleLabelsSideByCornerOrder) {
    // Counter-clockwise corners put each label outside; clockwise inside.
    auto centreOfFirstLabel = [&](bool counterClockwise) {
        pf.ClearRecord();
        if (counterClockwise) Corners({{100, 300}, {300, 300}, {200, 100}});
        else Corners({{100, 300}, {200, 100}, {300, 300}});
        rt.polygonPenWidth = 1, rt.markRadius = 0;
        rt.figureLabel = "A";
        rt.DrawPolygon();
        const platform::Point corner = CallsOf(DrawKind::Text).at(0).points[0];
        return platform::Point{corner.x + 13.5f, corner.y + 22};
    };
    const platform::Point outside = centreOfFirstLabel(true);
    EXPECT_LT(outside.x, 100);
    EXPECT_GT(outside.y, 300);
    const platform::Point inside = centreOfFirstLabel(false);
    EXPECT_GT(inside.x, 100);
    EXPECT_LT(inside.y, 300);
}

TEST_F(GridPolygonTest, MoreCornersThanTheTableHoldsIsAnIndexError) {
    rt.polygonCount = 11;
    rt.polygonPenWidth = 1;
    EXPECT_EQ(FailureCode([&] { rt.DrawPolygon(); }), basic::kSubscriptOutOfRange);
}

}  // namespace
