// Page 2 of figure-sheet: the runtime's library routines that no lesson
// calls yet, each with the worked examples it is described with.
#include <string>

#include "tools/figure_sheet.h"

namespace figure_sheet {

namespace {

// A plane from -8 to 6 across and -6 to 6 up, with the function families,
// a labelled point and a slope triangle on the line.
void GraphsOnAPlane(Runtime& rt) {
    rt.gridLeft = 60, rt.gridTop = 70, rt.gridCell = 25;
    rt.gridStepX = 1, rt.gridStepY = 1;
    rt.gridMinX = -8, rt.gridMaxX = 6, rt.gridMinY = -6, rt.gridMaxY = 6;
    rt.boxColour = 7;
    rt.DrawCoordinateGrid();
    Caption(rt, 60, 390, "DrawCoordinateGrid, PlotFunctionGraph,");
    Caption(rt, 60, 408, "PlotLabelledPoint, DrawSlopeTriangle");

    auto graph = [&](float kind, float a, float b, float c, float colour, const std::string& label, float nudgeX,
                     float nudgeY) {
        rt.graphKind = kind, rt.graphCoefA = a, rt.graphCoefB = b, rt.graphCoefC = c;
        rt.boxFill = colour;
        rt.figureLabel = label;
        rt.plotLabelNudgeX = nudgeX, rt.plotLabelNudgeY = nudgeY;
        rt.PlotFunctionGraph();
    };
    graph(3, 0.5f, 1, 0, 5, "y=ﾀ1/2ﾀx+1", 6, -40);
    graph(2, -0.25f, 0, 0, 3, "y=-ﾀ1/4ﾀx^2", 34, -60);
    graph(1, 6, 0, 0, 2, "y=ﾀ6/xﾀ", 6, -10);
    graph(4, 2, 0, 10, 12, "x=5", 0, -44);

    rt.plotPointX = -6, rt.plotPointY = 4, rt.plotPointRadius = 5;
    rt.boxFill = 0;
    rt.figureLabel = "A";
    rt.PlotLabelledPoint();

    // From (-4, -1) to (2, 2) on y = x/2 + 1.
    rt.slopeX1 = rt.gridOriginX - 4 * rt.gridCell, rt.slopeY1 = rt.gridOriginY + rt.gridCell;
    rt.slopeX2 = rt.gridOriginX + 2 * rt.gridCell, rt.slopeY2 = rt.gridOriginY - 2 * rt.gridCell;
    rt.slopeLabels = "yy";
    rt.DrawSlopeTriangle();
    rt.SetDrawWidth(3);
}

// A plane whose cells stand for tenths, labelled with decimals.
void DecimalPlane(Runtime& rt) {
    rt.gridLeft = 60, rt.gridTop = 470, rt.gridCell = 18;
    rt.gridStepX = 0.1f, rt.gridStepY = 0.1f;
    rt.gridMinX = -1, rt.gridMaxX = 1, rt.gridMinY = -0.5f, rt.gridMaxY = 0.5f;
    rt.boxColour = 7;
    rt.tickLabelsHidden = -1;
    rt.DrawCoordinateGrid();
    rt.DrawDecimalAxisLabels();
    Caption(rt, 60, 700, "DrawCoordinateGrid with hidden numbers,");
    Caption(rt, 60, 718, "then DrawDecimalAxisLabels");
}

void BoldLabels(Runtime& rt) {
    Caption(rt, 630, 14, "DrawBoldLabel, DrawBoldTextCell,");
    Caption(rt, 630, 32, "DrawTwoRowBoldTextCell");
    rt.penX = 630, rt.penY = 60, rt.textColour = 0;
    rt.textArg = "x=4.5,y=6.5";
    rt.DrawBoldLabel();
    rt.SetDrawWidth(2);
    rt.penX = 630, rt.penY = 100;
    rt.boxWidth = 100, rt.boxHeight = 50, rt.boxColour = 13, rt.boxFill = 14, rt.textColour = 0;
    for (const char* text : {"(1)", "x=2", "メニュー"}) {
        rt.strArg = text;
        rt.DrawBoldTextCell();
    }
    rt.penX = 630, rt.penY = 170;
    rt.boxWidth = 120, rt.boxHeight = 100, rt.boxFill = 11;
    rt.upperRow = "x=2", rt.lowerRow = "(1)";
    rt.DrawTwoRowBoldTextCell();
    rt.upperRow = "y=3", rt.lowerRow = "";
    rt.DrawTwoRowBoldTextCell();
    rt.SetDrawWidth(3);
}

void Arrows(Runtime& rt) {
    Caption(rt, 970, 240, "DrawArrowLine");
    auto arrow = [&](float x1, float y1, float x2, float y2, float direction, float heads, float colour) {
        rt.vertexX = x1, rt.vertexY = y1, rt.arrowEndX = x2, rt.arrowEndY = y2;
        rt.arrowDirection = direction, rt.arrowHeads = heads;
        rt.markRadius = 16, rt.boxColour = colour;
        rt.DrawArrowLine();
    };
    arrow(980, 270, 1140, 270, 0, 0, 1);
    arrow(980, 300, 1140, 300, -1, 0, 5);
    arrow(980, 330, 1140, 330, 0, 2, 3);
    arrow(1180, 340, 1300, 260, 0, 0, 1);
}

void PlaneGeometry(Runtime& rt) {
    Caption(rt, 630, 420, "MarkFootOfPerpendicular, IntersectLines,");
    Caption(rt, 630, 438, "ClipLineToAxes, ConstructAngle");
    rt.SetDrawWidth(2);
    // The foot of the perpendicular from C, with its right angle.
    rt.pointAX = 640, rt.pointAY = 700, rt.pointBX = 800, rt.pointBY = 580;
    rt.pointCX = 660, rt.pointCY = 540;
    rt.Line(rt.pointAX, rt.pointAY, rt.pointBX, rt.pointBY, 0);
    rt.MarkFootOfPerpendicular();
    rt.Line(rt.pointCX, rt.pointCY, rt.footX, rt.footY, 5);
    rt.Circle(rt.pointCX, rt.pointCY, 4, 5, 0, 0, true);
    rt.vertexX = rt.footX, rt.vertexY = rt.footY;
    rt.rayAX = rt.pointBX, rt.rayAY = rt.pointBY, rt.rayBX = rt.pointCX, rt.rayBY = rt.pointCY;
    rt.markRadius = 12, rt.boxColour = 5;
    rt.DrawRightAngleMark();

    // Two lines and their crossing.
    rt.pointAX = 820, rt.pointAY = 520, rt.pointBX = 950, rt.pointBY = 690;
    rt.pointCX = 820, rt.pointCY = 690, rt.pointDX = 950, rt.pointDY = 590;
    rt.Line(rt.pointAX, rt.pointAY, rt.pointBX, rt.pointBY, 0);
    rt.Line(rt.pointCX, rt.pointCY, rt.pointDX, rt.pointDY, 0);
    rt.IntersectLines();
    rt.Circle(rt.intersectX, rt.intersectY, 7, 5, 0, 0, false);

    // Lines from A run on to an edge x = 1320 and to an edge y = 440.
    rt.SetDrawWidth(1);
    rt.Line(970, 440, 1320, 440, 8);
    rt.Line(1320, 440, 1320, 620, 8);
    rt.SetDrawWidth(2);
    rt.pointAX = 1000, rt.pointAY = 600, rt.pointBX = 1080, rt.pointBY = 580;
    rt.pointCX = 1320, rt.pointCY = -1;
    rt.ClipLineToAxes();
    rt.Line(rt.pointAX, rt.pointAY, rt.clipX, rt.clipY, 3);
    rt.pointBX = 1040, rt.pointBY = 540;
    rt.pointCX = -1, rt.pointCY = 440;
    rt.ClipLineToAxes();
    rt.Line(rt.pointAX, rt.pointAY, rt.clipX, rt.clipY, 2);
    rt.Circle(rt.pointAX, rt.pointAY, 4, 0, 0, 0, true);

    // Points every 15 degrees on the half-ellipse over a segment.
    rt.Line(1000, 720, 1300, 720, 0);
    for (float angle = 0; angle <= 180; angle += 15) {
        rt.vertexX = 1000, rt.vertexY = 720, rt.rayAX = 1300, rt.rayAY = 720;
        rt.rowGap = 60;
        rt.arcAngle = angle;
        rt.ConstructAngle();
        rt.Circle(rt.anglePointX, rt.anglePointY, 4, angle == 90 ? 5 : 1, 0, 0, true);
    }
}

void WholeNumbers(Runtime& rt) {
    Caption(rt, 970, 14, "SimplifySquareRoot, FactorIntoSmallPrimes,");
    Caption(rt, 970, 32, "ListDivisors of 12 as pairs");
    rt.radicand = 72;
    rt.SimplifySquareRoot();
    Text(rt, 970, 60, 0, rt.rootEqText + rt.rootText);

    rt.factorNumber = 360;
    rt.FactorIntoSmallPrimes();
    std::string product = "360=";
    for (int row = 1; row <= static_cast<int>(rt.factorCount); ++row) {
        if (row > 1) product += "*";
        rt.strArg = basic::Str(rt.primeFactors(row, 1));
        rt.StripSpaces();
        product += rt.strArg;
        if (rt.primeFactors(row, 2) > 1) {
            rt.strArg = basic::Str(rt.primeFactors(row, 2));
            rt.StripSpaces();
            product += "^" + rt.strArg;
        }
    }
    Text(rt, 970, 120, 3, product);

    rt.divisorNumber = 12;
    rt.ListDivisors();
    std::string pairs;
    for (int i = 1; i <= static_cast<int>(rt.divisorHalfCount); ++i) {
        rt.strArg = basic::Str(rt.divisorList(i)) + "*" + basic::Str(rt.coDivisorList(i));
        rt.StripSpaces();
        pairs += (i > 1 ? " " : "") + rt.strArg;
    }
    Text(rt, 970, 180, 5, pairs);
}

}  // namespace

void LibraryPage(Runtime& rt) {
    GraphsOnAPlane(rt);
    DecimalPlane(rt);
    BoldLabels(rt);
    Arrows(rt);
    PlaneGeometry(rt);
    WholeNumbers(rt);
}

}  // namespace figure_sheet
