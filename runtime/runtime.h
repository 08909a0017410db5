// The lesson runtime: the shared state of one program and the routines
// that work on it. The programs' routines take no arguments and return
// nothing: callers set the shared fields, call, and read the fields
// afterwards. Helpers of our own that serve them (WaitKeyOnPlate,
// TextBoxTextAt, the drawing doors and the scope guards) take arguments.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/basic.h"
#include "platform/platform.h"
#include "runtime/layout_metrics.h"
#include "runtime/state.h"

namespace runtime {

using platform::Point;

// What makes one program differ from the other at the main menu.
struct ProgramData {
    std::string title;                    // shown in the menu title
    std::array<std::string, 8> entries;   // the eight menu lines
    int auxUpper = 80;                    // upper bound of auxNum
    // Entries 1..6 of the menu; an empty one returns at once.
    std::array<std::function<void()>, 6> lessons;
};

class Runtime : public TextPen,
                public PageCursor,
                public BoxStyle,
                public NumberEntry,
                public ColumnSum,
                public FractionResult,
                public FractionSum,
                public MarkupState,
                public LinearSystem,
                public SolverWork,
                public ValueTexts,
                public FigureGeometry,
                public PolygonShape,
                public GridFrame,
                public GraphPlot,
                public ArrowFigure,
                public PlaneGeometry,
                public WholeNumbers,
                public ScratchArrays,
                public SharedScratch {
public:
    Runtime(platform::Platform& platform, ProgramData program);

    platform::Platform& pf;
    ProgramData program;
    basic::Random random;

    // Runs the program: start-up, then the main menu until entry 8. A
    // runtime error shows the error screen, which waits for the window to
    // close (platform::WindowClosed leaves this function).
    void Run();

    // ---- start-up, main menu, error screen ----
    void StartProgram();
    void ShowMainMenu();
    [[noreturn]] void ReportRuntimeError(int line, int code);
    void ReseedFromClock();
    void FlushKeys();

    // ---- prompt bar, number entry, key waits ----
    void AskMenuNumber();
    void ClearMenuPrompt();
    void AskSubmenuChoice();
    void ClearPromptBar();
    void ShowPromptWaitKey();
    void AskNextStep();
    void ReadNumberField();
    void EditNumberInput();
    void ParseTypedNumber();
    void WaitAnyKey();
    // The plate with textArg at x `textX` on the prompt bar, a key, then the
    // bar from its corner to (eraseRight, eraseBottom) erased; colour and pen
    // width as they were.
    void WaitKeyOnPlate(const PlateBox& plate, float textX, float eraseRight, float eraseBottom);
    // Erases a box placed from the number field's origin.
    void EraseFromField(const FieldBox& box);
    // textArg as prompt text at the pen, telling the platform what kind of
    // prompt it is.
    void DrawPrompt(platform::PieceKind kind);

    // ---- simple text of prompts ----
    void MapToFullWidth();
    void StripSpaces();
    void DrawSimpleGlyphs();
    void DrawSimpleText();

    // ---- markup renderer ----
    void DrawMarkupText();
    void DrawMarkupGlyphs();
    void DrawStackedFraction();

    // ---- text measuring and framed boxes ----
    void MeasureText();
    void DrawTextBox();
    // Where DrawTextBox puts `text` in a box of boxWidth by boxHeight at
    // (x0, y0): centred across (from the left edge when wider), its row
    // centred down (50 high with a fraction, 44 without).
    Point TextBoxTextAt(float x0, float y0, const std::string& text);
    void DrawTextBoxOnBaseline();
    void DrawTwoLineTextBox();

    // ---- fractions, value texts, sign strings, brace and column sum ----
    void ReduceFraction();
    void ComputeGcdLcm();
    void StripMarkup();
    void AddFractions();
    void MakeValueTexts();
    void ClearWorkArea();
    void ClearInputBand();
    void FlipLeadingSign();
    void StripLeadingPlus();
    void StripLeadingSign();
    void ParenthesizeIfNegative();
    void DrawLeftBrace();
    void DrawColumnSum();
    // The row of sign-change marks of a column subtraction: textArg's marks
    // at penX + 27 per character, each drawn for the lower row's term it
    // flips (lowerRow at resultX, as DrawColumnSum left them).
    void DrawSignRow();
    // One sign-change mark (textArg "+" or "-") for the term strArg whose
    // first glyph cell starts at penX in the row 25 below penY: over the
    // term's sign, or just before its first glyph when it has none.
    void DrawSignMark();

    // ---- figure routines: vertex labels, dimension arcs, grids, polygons ----
    void ComputeSegmentAngle();
    void ComputeRayAngles();
    void PlaceVertexLabel();
    void DrawDimensionArc();
    void DrawGrid();
    void DrawPolygon();
    void LabelPolygonLetters();
    void LabelPolygonNames();

    // ---- library routines: marks, bold labels, coordinate grid and graphs,
    // arrows, geometry, whole numbers. No page calls them (the figure sheet
    // and the tests do), so a change here reaches no lesson; the few other
    // such routines are listed in docs/RUNTIME.md. ----
    void DrawChevronMarks();
    void DrawTickMarks();
    void DrawAngleMark();
    void FormatAngleDegrees();
    void DrawRightAngleMark();
    void DrawBoldLabel();
    void MeasureBoldText();
    void DrawBoldTextCell();
    void DrawTwoRowBoldTextCell();
    void DrawCoordinateGrid();
    void DrawDecimalAxisLabels();
    void PlotLabelledPoint();
    void PlotFunctionGraph();
    void PlotCurveDots();
    void DrawVerticalGraphLine();
    void DrawArrowLine();
    void DrawSlopeTriangle();
    void LabelRun();
    void LabelRise();
    void MarkFootOfPerpendicular();
    void IntersectLines();
    void ClipLineToAxes();
    void ConstructAngle();
    void SimplifySquareRoot();
    void FactorIntoSmallPrimes();
    void ListDivisors();

    // ---- drawing, as the routines pass it to the platform ----
    // While a text is being measured nothing reaches the screen; font and
    // pen changes still do, so measuring leaves the same state as drawing.
    bool Measuring() const { return measuringDepth_ > 0; }
    void Line(float x1, float y1, float x2, float y2, float colour);
    // A box with corners (x1, y1) and (x2, y2).
    void BoxFromTo(float x1, float y1, float x2, float y2, float outline, float fill);
    // A box at (x, y) of size w by h.
    void BoxAt(float x, float y, float w, float h, float outline, float fill);
    // Erases (x1, y1)-(x2, y2) with the background colour.
    void Erase(float x1, float y1, float x2, float y2) { BoxFromTo(x1, y1, x2, y2, 15, 15); }
    // A plate in its frame and fill; the same box erased.
    void DrawPlate(const PlateBox& p) {
        BoxFromTo(p.x0, p.y0, p.x1, p.y1, static_cast<float>(p.frame), static_cast<float>(p.fill));
    }
    void ErasePlate(const PlateBox& p) { Erase(p.x0, p.y0, p.x1, p.y1); }
    void Poly(float colour, std::initializer_list<Point> points);
    void Circle(float x, float y, float radius, float colour, float start, float end, bool filled,
                float fill = platform::kNoFill);
    // A digit drawn by itself says which of its number's digits it is.
    void Symbol(float x, float y, const std::string& text, int magX, int magY, float colour,
                platform::NumberPlace number = {});
    void SetDrawWidth(float width);
    float GetDrawWidth() const { return static_cast<float>(pf.GetDrawWidth()); }
    // The bar of a sign of the kind `strokes` in a cell at x, at barY, and
    // for a "+" its upright, in the pen width in force.
    void StrokeSign(const SignStrokes& strokes, float x, float barY, bool plus, float colour);

    // Tells the platform that the calls of its lifetime draw one piece of
    // text starting at the pen (Platform::BeginTextPiece); nothing while
    // measuring.
    class TextPiece {
    public:
        TextPiece(Runtime& rt, const std::string& source, platform::PieceKind kind = platform::PieceKind::Text);
        ~TextPiece();
        TextPiece(const TextPiece&) = delete;
        TextPiece& operator=(const TextPiece&) = delete;

    private:
        Runtime& rt_;
        bool open_;
    };

    // Keeps the pen width in force at its start and puts it back at its end
    // (or at Restore): for a routine that changes the width for its own
    // strokes and leaves it as it found it.
    class PenWidthScope {
    public:
        explicit PenWidthScope(Runtime& rt) : rt_(rt), width_(rt.GetDrawWidth()) {}
        ~PenWidthScope() { Restore(); }
        void Restore() const { rt_.SetDrawWidth(width_); }
        PenWidthScope(const PenWidthScope&) = delete;
        PenWidthScope& operator=(const PenWidthScope&) = delete;

    private:
        Runtime& rt_;
        float width_;
    };

    // Keeps the font in force at its start (name, size, bold, italic) and
    // puts it back at its end: for a glyph drawn in a face or size of its own.
    class FontScope {
    public:
        explicit FontScope(Runtime& rt) : rt_(rt), font_(rt.pf.GetFont()) {}
        ~FontScope();
        FontScope(const FontScope&) = delete;
        FontScope& operator=(const FontScope&) = delete;

    private:
        Runtime& rt_;
        platform::Font font_;
    };

    // Tells the platform that the calls of its lifetime draw one figure
    // (Platform::BeginFigure); nothing while measuring.
    class FigurePart {
    public:
        FigurePart(Runtime& rt, platform::FigureKind kind);
        ~FigurePart();
        FigurePart(const FigurePart&) = delete;
        FigurePart& operator=(const FigurePart&) = delete;

    private:
        Runtime& rt_;
        bool open_;
    };

protected:
    int measuringDepth_ = 0;
};

}  // namespace runtime
