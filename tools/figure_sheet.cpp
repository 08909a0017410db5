// figure-sheet: draws the runtime's figure routines with their worked
// figures on the headless platform and saves two pages as PNGs, for looking
// at the figures as a pupil would see them: the diagram routines (grids,
// polygons, dimension arcs, marks) and the library routines (bold labels,
// the coordinate plane and graphs, arrows, geometry, whole numbers).
//
//   figure-sheet OUT.png [PAGE2.png]      (page 2 defaults to OUT-2.png)
#include "tools/figure_sheet.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <string>

#include "platform/headless_platform.h"

namespace figure_sheet {

void Caption(Runtime& rt, float x, float y, const std::string& text) {
    rt.pf.SetFontSize(16);
    rt.pf.SetFontBold(false);
    rt.Symbol(x, y, text, 1, 1, 8);
}

void Text(Runtime& rt, float x, float y, float colour, const std::string& text) {
    rt.textColour = colour;
    rt.penX = x;
    rt.penY = y;
    rt.textArg = text;
    rt.DrawMarkupText();
}

}  // namespace figure_sheet

namespace {

using figure_sheet::Caption;
using figure_sheet::Text;
using runtime::Runtime;

void Arc(Runtime& rt, float px, float py, float qx, float qy, float side, float step, const std::string& label) {
    rt.vertexX = px, rt.vertexY = py, rt.rayAX = qx, rt.rayAY = qy;
    rt.labelSide = side;
    rt.boxWidth = step;
    rt.figureLabel = label;
    rt.DrawDimensionArc();
}

void Polygon(Runtime& rt, std::initializer_list<platform::Point> corners) {
    int i = 1;
    for (const platform::Point& p : corners) {
        rt.polygonPoints(i, 1) = p.x;
        rt.polygonPoints(i, 2) = p.y;
        ++i;
    }
    rt.polygonCount = static_cast<float>(corners.size());
    rt.DrawPolygon();
}

// The triangle figures of the chapter problem on perimeters: corners in
// grid units, dimension arcs on every outer side.
void TrianglePerimeters(Runtime& rt) {
    rt.gridLeft = 72, rt.gridTop = 100, rt.gridCell = 40, rt.gridColumns = 10, rt.boxHeight = 11;
    rt.boxColour = 13;  // drawn here to show the grid; the page itself passes 15
    rt.DrawGrid();
    Caption(rt, 72, 700, "DrawGrid, DrawPolygon, DrawDimensionArc: the triangle figures on a grid");
    auto at = [&](float u, float v) {
        return platform::Point{rt.gridOriginX + rt.gridCell * u, rt.gridOriginY - rt.gridCell * v};
    };
    const platform::Point p1 = at(3, 8), p2 = at(0, 0), p3 = at(6, 0), p4 = at(1.5f, 4), p5 = at(3, 0),
                          p6 = at(4.5f, 4);
    const platform::Point p11 = at(8.5f, 4), p12 = at(7, 0), p13 = at(10, 0), p14 = at(11.5f, 4),
                          p15 = at(13, 0), p16 = at(14.5f, 4);
    const platform::Point p21 = at(8, 11), p22 = at(6.5f, 7), p23 = at(9.5f, 7);

    rt.SetDrawWidth(5);
    Text(rt, p1.x - 80, p1.y - 25, 0, "図2");
    rt.polygonPenWidth = 5, rt.boxColour = 0;
    Polygon(rt, {p1, p2, p3});
    Polygon(rt, {p4, p5, p6});
    Text(rt, p11.x - 80, p11.y - 25, 0, "図3");
    Polygon(rt, {p11, p12, p13, p14});
    Polygon(rt, {p14, p15, p16});
    rt.Line(p11.x, p11.y, p13.x, p13.y, 0);
    rt.Line(p13.x, p13.y, p15.x, p15.y, 0);
    Text(rt, p21.x - 80, p21.y - 25, 0, "図1");
    Polygon(rt, {p21, p22, p23});

    rt.textColour = 3, rt.boxColour = 3, rt.rowGap = 20;
    auto arc = [&](platform::Point p, platform::Point q, float side, float step, const char* label) {
        rt.rowGap = 20;
        rt.textColour = 3;
        Arc(rt, p.x, p.y, q.x, q.y, side, step, label);
    };
    arc(p21, p22, 1, 6, "x");
    arc(p22, p23, 1, 8, "y");
    arc(p23, p21, 1, 6, "x");
    arc(p1, p2, 1, 3, "2x");
    arc(p2, p3, 1, 4, "2y");
    arc(p3, p1, 1, 5, "2x");
    arc(p11, p12, 1, 8, "x");
    arc(p12, p15, 1, 4, "2y");
    arc(p15, p16, 1, 8, "x");
    arc(p11, p16, -1, 5, "2y");
    rt.SetDrawWidth(3);
}

// The dimension arc of a 400-unit segment on both sides, 37 dots each.
void DimensionArcs(Runtime& rt) {
    Caption(rt, 1180, 130, "DrawDimensionArc");
    rt.SetDrawWidth(1);
    rt.Line(760, 140, 1160, 140, 0);
    rt.SetDrawWidth(3);
    rt.boxColour = 5, rt.textColour = 5, rt.rowGap = 60;
    Arc(rt, 760, 140, 1160, 140, 1, 5, "400m");
    rt.boxColour = 7, rt.textColour = 7, rt.rowGap = 3;
    Arc(rt, 760, 140, 1160, 140, -1, 8, "ﾀ1/2ﾀkm");
}

// Chevrons, ticks, the three angle marks and the angle's size.
void Marks(Runtime& rt) {
    rt.SetDrawWidth(2);
    Caption(rt, 730, 262, "DrawChevronMarks, DrawTickMarks");
    rt.Line(730, 300, 930, 300, 0);
    rt.segmentStartX = 730, rt.segmentStartY = 300, rt.segmentEndX = 930, rt.segmentEndY = 300;
    rt.ratioFirst = 1, rt.ratioSecond = 1, rt.markRadius = 10, rt.markCount = 2, rt.boxColour = 5;
    rt.DrawChevronMarks();
    rt.Line(730, 360, 930, 360, 0);
    rt.segmentStartY = 360, rt.segmentEndY = 360;
    rt.tickSpacing = 8, rt.markCount = 3, rt.tickOffset = -(3 + 1) * 8 / 2.0f, rt.markRadius = 10;
    rt.DrawTickMarks();
    rt.Line(730, 420, 930, 470, 0);
    rt.segmentStartX = 730, rt.segmentStartY = 420, rt.segmentEndX = 930, rt.segmentEndY = 470;
    rt.ratioFirst = 1, rt.ratioSecond = 2, rt.markCount = 1, rt.markRadius = 12;
    rt.DrawChevronMarks();
    rt.tickSpacing = 8, rt.markCount = 2, rt.tickOffset = -12, rt.markRadius = 10;
    rt.DrawTickMarks();

    // A right triangle: the right angle, an angle measured in degrees with
    // two arcs, and a filled sector.
    Caption(rt, 1170, 380, "DrawAngleMark,");
    Caption(rt, 1170, 398, "FormatAngleDegrees,");
    Caption(rt, 1170, 416, "DrawRightAngleMark");
    rt.SetDrawWidth(3);
    rt.Poly(0, {{980, 460}, {1150, 460}, {980, 290}, {980, 460}});
    rt.vertexX = 980, rt.vertexY = 460, rt.rayAX = 1150, rt.rayAY = 460, rt.rayBX = 980, rt.rayBY = 290;
    rt.markRadius = 20, rt.boxColour = 5;
    rt.DrawRightAngleMark();
    rt.vertexX = 1150, rt.vertexY = 460, rt.rayAX = 980, rt.rayAY = 290, rt.rayBX = 980, rt.rayBY = 460;
    rt.FormatAngleDegrees();
    rt.figureLabel = rt.angleText + "%";
    rt.markRadius = 56, rt.markCount = 2, rt.boxFill = 5, rt.textColour = 5;
    rt.DrawAngleMark();
    rt.vertexX = 980, rt.vertexY = 290, rt.rayAX = 980, rt.rayAY = 460, rt.rayBX = 1150, rt.rayBY = 460;
    rt.markRadius = 40, rt.markCount = 0, rt.boxColour = 3, rt.boxFill = 11, rt.textColour = 3;
    rt.figureLabel = "a";
    rt.DrawAngleMark();
}

// Outlines with letters and names at their corners.
void LabelledPolygons(Runtime& rt) {
    Caption(rt, 730, 505, "DrawPolygon with LabelPolygonLetters and LabelPolygonNames");
    rt.polygonPenWidth = 3, rt.boxColour = 0, rt.textColour = 0, rt.markRadius = 6;
    rt.figureLabel = "A";
    Polygon(rt, {{760, 700}, {940, 700}, {980, 590}, {800, 580}});
    rt.vertexNames(1) = "A町";
    rt.vertexNames(2) = "B町";
    rt.vertexNames(3) = "C町";
    rt.polygonPenWidth = 2, rt.boxColour = 1, rt.textColour = 1, rt.markRadius = 4;
    rt.figureLabel = "1";
    Polygon(rt, {{1060, 690}, {1270, 690}, {1170, 580}});
}

// Draws one page on a fresh rendering platform and writes it.
bool WritePage(const std::string& path, const std::function<void(Runtime&)>& draw) {
    platform::HeadlessOptions options;
    options.render = true;
    options.width = 2688;
    options.height = 1512;
    platform::HeadlessPlatform headless(options);
    runtime::ProgramData program;
    program.title = "figures";
    Runtime rt(headless, program);
    rt.StartProgram();
    rt.BoxAt(0, 0, 1760, 1800, 15, 15);
    draw(rt);
    if (headless.WritePng(path)) return true;
    std::fprintf(stderr, "figure-sheet: cannot write %s\n", path.c_str());
    return false;
}

void DiagramPage(Runtime& rt) {
    TrianglePerimeters(rt);
    DimensionArcs(rt);
    Marks(rt);
    LabelledPolygons(rt);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: figure-sheet OUT.png [PAGE2.png]\n");
        return 2;
    }
    const std::string first = argv[1];
    std::string second = argc == 3 ? argv[2] : first;
    if (argc == 2) {
        const size_t dot = second.rfind(".png");
        second = dot == std::string::npos ? second + "-2.png" : second.substr(0, dot) + "-2.png";
    }
    try {
        if (!WritePage(first, DiagramPage) || !WritePage(second, figure_sheet::LibraryPage)) return 1;
    } catch (const basic::RuntimeError& error) {
        std::fprintf(stderr, "figure-sheet: runtime error %d at line %d\n", error.code, error.line);
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "figure-sheet: %s\n", error.what());
        return 1;
    }
    return 0;
}
