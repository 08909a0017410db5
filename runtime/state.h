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

// Framed boxes, table cells, the brace height and some figure routines.
struct BoxStyle {
    float boxWidth = 0, boxHeight = 0;
    float boxColour = 0, boxFill = 0;
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

// Polygon corners and names for the figure routines.
struct PolygonShape {
    Array2<float> polygonPoints;
    Array<std::string> vertexNames;
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
    float savedPenWidth = 0;
    float savedTextColour = 0;
    float seedValue = 0;
    std::string programTitle;
};

}  // namespace runtime
