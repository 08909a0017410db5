// The shared state of a program: plain records whose fields the routines
// read and write by name. Callers set inputs, call a routine, and read its
// outputs. Everything starts at 0 or empty.
#pragma once

#include <string>

#include "platform/basic.h"

namespace runtime {

using basic::Array;
using basic::Array2;

// Where and what the next text is.
struct TextPen {
    std::string textArg;
    float penX = 0, penY = 0;
    float textColour = 0;
};

// Where a page (or the solver) goes on writing.
struct PageCursor {
    float cursorX = 0, cursorY = 0;
    float leftMargin = 0;
    float columnX = 0;
    float resultX = 0;
};

// Framed boxes and table cells; the figure routines borrow the same fields.
struct BoxStyle {
    // A box's or cell's width; also the height of a brace (DrawLeftBrace),
    // the angle step of a dimension arc's dots (DrawDimensionArc) and the
    // number of dots a function graph is plotted with (PlotCurveDots).
    float boxWidth = 0;
    // A box's or cell's height; also a grid's count of rows (DrawGrid).
    float boxHeight = 0;
    // A box's frame; also the colour in which the figure routines draw
    // their lines, edges, arrows, marks and a dimension arc's dots; a
    // coordinate grid draws its thin lines unless it is 0.
    float boxColour = 0;
    // A box's interior; also the colour of a grid's heavy lines, of angle
    // arcs and sectors, of graph points, lines and their labels, and the
    // text colour of the solver's closing rows (the answer's colour when
    // the coefficient is 1).
    float boxFill = 0;
    float textWidth = 0;  // the measured width of a text
};

// The one number field and what the pupil typed.
struct NumberEntry {
    float promptX = 0, promptY = 0;
    std::string inputText;
    float inputValue = 0;
    std::string keyChar;  // the last keyboard poll, empty when no key waited
    float inputX = 0, inputY = 0;
};

// The two rows and the operator of a written column sum.
struct ColumnSum {
    std::string upperRow, lowerRow;
    std::string rowOperator;
    // The distance between a sum's rows; also the height of a dimension
    // arc (DrawDimensionArc) and of the half-ellipse an angle is built on
    // (ConstructAngle).
    float rowGap = 0;
};

// A fraction reduced by its gcd, with its class and markup texts.
struct FractionResult {
    float fracNum = 0, fracDen = 0;
    float fracSign = 0;
    float fracGcd = 0, fracLcm = 0;
    float fracKind = 0;
    std::string fracResult, fracResultSigned, fracEqText;
    float fracProduct = 0;  // reduced numerator times denominator, set for class 3 only
};

// The two fractions of a sum and its step texts; the common denominator is
// left in fracDen, the first term's text in upperRow and the second term's
// in fracResult.
struct FractionSum {
    float fracNum1 = 0, fracDen1 = 0;
    float fracNum2 = 0, fracDen2 = 0;
    float scaledNum1 = 0, scaledNum2 = 0;
    float sumNum = 0;
    std::string scaledText1Signed, sumText, sumTextSigned, sumTermsText;
    std::string scaledText1Plain, scaledText2Plain;
};

// The renderer state that lives from one text to the next.
struct MarkupState {
    float fractionMode = 0;
    float escapeFlag = 0;
    float raiseFlag = 0;
    float radicalMode = 0;
    float radicalStartX = 0;
    std::string curChar;
    float glyphX = 0, glyphY = 0;
    float charX = 0;
    // Set by the walker while the sign it hands on stands just before a
    // fraction: such a sign is drawn on the fraction's bar.
    bool signBeforeFraction = false;
    // Set while a name is drawn (the program's title in the main menu): its
    // a, x, c and l are letters of the name, not formula letters.
    bool lettersOfAName = false;
};

// The system a1*x + b1*y = c1, a2*x + b2*y = c2 handed to the elimination
// solver (solverCoef 1..4 = a1, b1, a2, b2; solverConst 1..2 = c1, c2), with
// its options and results.
struct LinearSystem {
    Array<float> solverCoef, solverConst;
    std::string eq1Label, eq2Label;
    float solverContinue = 0;
    float answerHidden = 0;
    std::string xText, yText;
    std::string xTextParen, yTextParen;  // the same, in brackets when negative
};

// What the elimination solver works with from step to step and leaves for
// the page: the equation that receives the value found first, the rows it
// lays out and where it writes the value beside the column sum.
struct SolverWork {
    float solverSubstEq = 0;  // 1: the value found first goes into ①, 2: into ②
    std::string substLabel;   // the label of that equation
    float lcmX = 0, lcmY = 0; // lcm of |a1| and |a2|, of |b1| and |b2|
    float sumResultX = 0;     // 10 right of the column sum's rule
    // The pieces of the two rows being laid out: x term, y term of each row
    // in 1..4, "=" and the constant in 5 and 6.
    Array<std::string> rowText = Array<std::string>(10);
};

// Numbers and their display texts without blanks.
struct ValueTexts {
    Array<float> workNum, auxNum;
    Array<std::string> workText, auxText;
};

// Points, label placement and marks of the figure routines. Angles are in
// radians counter-clockwise as seen on the screen (the y axis taken upwards).
struct FigureGeometry {
    // A vertex and a point on each of its two rays; for a segment, its
    // start P (the vertex) and end Q (ray A).
    float vertexX = 0, vertexY = 0;
    float rayAX = 0, rayAY = 0;
    float rayBX = 0, rayBY = 0;
    // One-shot label parameters: every label drawn sets them back to rest.
    std::string figureLabel;
    float labelFlip = 0;    // -1 exchanges the two rays
    float markRadius = 0;   // distance of a label from its vertex; size of a mark
    float labelNudgeX = 0, labelNudgeY = 0;
    float labelStyle = 0;   // 1 draws the label bold
    float labelSide = 0;    // side of a dimension arc: > 0 right of P to Q
    // Directions worked out from the points.
    float rayAngleA = 0, rayAngleB = 0;
    float arcFractionA = 0, arcFractionB = 0;
    float bisectorAngle = 0;
    float segmentAngle = 0;
    float angleDegrees = 0;
    std::string angleText;
    // A marked segment and its marks.
    float segmentStartX = 0, segmentStartY = 0;
    float segmentEndX = 0, segmentEndY = 0;
    float ratioFirst = 0, ratioSecond = 0;
    float markCount = 0;
    float tickSpacing = 0;
    float tickOffset = 0;
};

// Polygon corners and names for the figure routines.
struct PolygonShape {
    Array2<float> polygonPoints;  // corner i: x at (i, 1), y at (i, 2)
    Array<std::string> vertexNames;
    float polygonCount = 0;
    float polygonPenWidth = 0;
    // The label distance an outline keeps for all its corner labels (each
    // label resets markRadius).
    float polygonLabelDistance = 0;
};

// A grid on the page and the origin from which figures are placed on it.
struct GridFrame {
    float gridLeft = 0, gridTop = 0;
    float gridCell = 0;
    float gridColumns = 0;
    float gridOriginX = 0, gridOriginY = 0;
    float gridFrameLeft = 0, gridFrameTop = 0;
    float gridFrameRight = 0, gridFrameBottom = 0;
    // The coordinate plane: the value one cell stands for along each axis,
    // and the extents (values before the plane is drawn, cells after).
    float gridStepX = 0, gridStepY = 0;
    float gridMinX = 0, gridMaxX = 0;
    float gridMinY = 0, gridMaxY = 0;
    float tickLabelSize = 0;     // font size of the axis numbers
    float tickLabelsHidden = 0;  // -1: the heavy lines without numbers, once
};

// A labelled point or a function graph on the coordinate plane.
struct GraphPlot {
    float graphKind = 0;  // 1 y = a/x, 2 y = a*x^2, 4 a*x + b*y = c, else y = a*x + b
    float graphCoefA = 0, graphCoefB = 0, graphCoefC = 0;
    float plotPointX = 0, plotPointY = 0;
    float plotPointRadius = 0;
    float plotLabelNudgeX = 0, plotLabelNudgeY = 0;  // one-shot
};

// Arrows, and the slope triangle drawn with them.
struct ArrowFigure {
    float arrowEndX = 0, arrowEndY = 0;  // the start is (vertexX, vertexY)
    float arrowDirection = 0;            // -1: the head at the start; one-shot
    float arrowHeads = 0;                // 2: a head at each end; one-shot
    float slopeX1 = 0, slopeY1 = 0;
    float slopeX2 = 0, slopeY2 = 0;
    std::string slopeLabels;  // "y" in byte 1 labels the run, in byte 2 the rise
    std::string runText, riseText;
};

// Points, lines and what is found from them.
struct PlaneGeometry {
    float pointAX = 0, pointAY = 0;
    float pointBX = 0, pointBY = 0;
    float pointCX = 0, pointCY = 0;
    float pointDX = 0, pointDY = 0;
    float footX = 0, footY = 0;
    float intersectX = 0, intersectY = 0;
    float linesParallel = 0;  // 1 when the two lines have no crossing
    float clipX = 0, clipY = 0;
    float arcAngle = 0;       // degrees
    float anglePointX = 0, anglePointY = 0;
};

// Square roots, small prime factors and divisors of whole numbers.
struct WholeNumbers {
    WholeNumbers() { primeFactors.Dim(10, 2); }
    float radicand = 0;
    float rootCoef = 0;
    std::string rootCoefText, rootText, rootEqText, radicalText;
    float factorNumber = 0;
    Array<float> smallPrimes{10};
    Array2<float> primeFactors;  // row i: prime, exponent; row 10: what is left
    float factorCount = 0;
    float divisorNumber = 0;
    float divisorCount = 0;
    Array<float> divisorList{40}, coDivisorList{40};
    float divisorHalfCount = 0;
};

// Lesson scratch arrays that the runtime allocates.
struct ScratchArrays {
    Array<float> coefPool, rowY, colX;
    Array<std::string> fracText;
};

// Working values that several routines share.
struct SharedScratch {
    std::string strArg;
    float textLen = 0;
    float loopIndex = 0;
    float formatIndex = 0;
    float savedTextColour = 0;
    float seedValue = 0;
    std::string programTitle;
};

}  // namespace runtime
