// Chapter problems A, page 5: three figures of equal isosceles triangles on
// a grid, their sides read off dotted dimension arcs, and the system of the
// two perimeters.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

namespace {

// The figures' corners in grid units (across from the grid's bottom-left
// corner, up from it), by their numbers in pointX and pointY. Every small
// triangle has a base of 3 and a height of 4.
struct GridPoint {
    int index;
    float across, up;
};
constexpr GridPoint kCorners[] = {
    // figure 2: the large triangle and the inner one that cuts it into four
    {1, 3, 8}, {2, 0, 0}, {3, 6, 0}, {4, 1.5f, 4}, {5, 3, 0}, {6, 4.5f, 4},
    // figure 3: the trapezoid of four triangles
    {11, 8.5f, 4}, {12, 7, 0}, {13, 10, 0}, {14, 11.5f, 4}, {15, 13, 0}, {16, 14.5f, 4},
    // figure 1: one triangle
    {21, 8, 11}, {22, 6.5f, 7}, {23, 9.5f, 7},
};

}  // namespace

void TirosamLessons::ShowTrianglePerimetersPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 108, 30);
    ShowChapterPlates(page, L, Same, "P54 章の問題A", "5");

    // The grid is asked only for its origin: in the background colour it
    // draws no line.
    rt.gridLeft = 72;
    rt.gridTop = 100;
    rt.gridColumns = 10;
    rt.boxHeight = 11;
    rt.gridCell = 40;
    rt.boxColour = 15;
    rt.DrawGrid();
    page.penWidth(5);
    // Only the corners the figures use are placed: a corner converted on
    // every visit without being set again would grow without end.
    for (const GridPoint& p : kCorners) {
        pointX(p.index) = rt.gridOriginX + rt.gridCell * p.across;
        pointY(p.index) = rt.gridOriginY - rt.gridCell * p.up;
    }

    // A closed outline through the numbered corners, width 5, in colour 0.
    auto polygon = [this](std::initializer_list<int> corners) {
        int i = 0;
        for (int corner : corners) {
            ++i;
            rt.polygonPoints(i, 1) = pointX(corner);
            rt.polygonPoints(i, 2) = pointY(corner);
        }
        rt.polygonCount = static_cast<float>(i);
        rt.polygonPenWidth = 5;
        rt.boxColour = 0;
        rt.figureLabel.clear();
        rt.DrawPolygon();
    };
    // The dotted arc over the side from corner p to corner q, 20 high, on
    // the right of that walk (side 1) or on its left (side -1).
    auto arc = [this](int p, int q, float side, float step, const char* label, float nudgeX = 0) {
        rt.vertexX = pointX(p);
        rt.vertexY = pointY(p);
        rt.rayAX = pointX(q);
        rt.rayAY = pointY(q);
        rt.labelSide = side;
        rt.boxWidth = step;
        rt.rowGap = 20;
        rt.figureLabel = label;
        rt.labelNudgeX = nudgeX;
        rt.DrawDimensionArc();
    };
    auto arcColours = [this] {
        rt.textColour = 3;
        rt.boxColour = 3;
    };

    page.text(pointX(1) - 80, pointY(1) - 25, 0, "図2");
    polygon({1, 2, 3});
    polygon({4, 5, 6});
    // 30 above the corner, clear of the dots of the arc that starts there.
    page.text(pointX(11) - 80, pointY(11) - 30, 0, "図3");
    polygon({11, 12, 13, 14});
    polygon({14, 15, 16});
    rt.Line(pointX(11), pointY(11), pointX(13), pointY(13), 0);
    rt.Line(pointX(13), pointY(13), pointX(15), pointY(15), 0);
    page.text(pointX(21) - 80, pointY(21) - 25, 0, "図1");
    polygon({21, 22, 23});
    page.key();

    rt.leftMargin = 760;
    rt.cursorY = 30;
    page.text(L, Down(50), 0, "図2の周の長さを");
    page.text(C, Same, 3, "16cm,");
    page.text(L, Down(50), 0, "図3の周の長さを");
    page.text(C, Same, 3, "14cm");
    page.text(C, Same, 0, "とし、").key();

    page.text(L, Down(50), 0, "アの長さを");
    page.text(C, Same, 3, "xcm,");
    page.text(L, Down(50), 0, "イの長さを");
    page.text(C, Same, 3, "ycm");
    page.text(C, Same, 0, "とすると");
    arcColours();
    arc(21, 22, 1, 6, "x");
    arc(22, 23, 1, 8, "y");
    arc(23, 21, 1, 6, "x");
    page.key();

    arcColours();
    arc(1, 2, 1, 3, "2x");
    arc(2, 3, 1, 4, "2y");
    arc(3, 1, 1, 5, "2x", 1);  // a unit right, off the dots at its foot
    page.text(L, Down(50), 7, "図2から ").key();
    page.text(C, Same, 3, "4x+2y=16").key();

    arcColours();
    arc(11, 12, 1, 8, "x");
    arc(12, 15, 1, 4, "2y");
    arc(15, 16, 1, 8, "x");
    arc(11, 16, -1, 5, "2y");
    page.text(L, Down(50), 7, "図3から ").key();
    page.text(C, Same, 3, "2x+4y=14").key();

    page.text(L, Down(50), 3, "");  // only brings the cursor to the next row
    page.system(C, Same, 0, "4x+2y=16…①", "2x+4y=14…②");
}

}  // namespace tirosam
