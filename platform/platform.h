// The platform: everything the lesson programs need from the machine.
//
// Model
// - Logical units: origin at the top left, y grows downwards. The window
//   shows the rectangle 0..1344 x 0..756 (kViewWidth x kViewHeight), scaled
//   uniformly to fit and centred. Anything drawn outside it is clipped; the
//   programs draw below it on purpose (text measuring at y 1800).
// - Colours are palette indices 0..15; 15 is the page background.
// - The pen width (1..5, logical units) applies to lines, box outlines,
//   circles and polylines drawn after it is set.
// - A glyph cell: at font size s a half-width character's cell is s/2 wide
//   and s high, a full-width character's cell s wide and s high. Symbol
//   magnifies each cell by whole numbers across and down; the glyph fills
//   its magnified cell, and (x, y) is the top-left corner of the first cell.
//   The programs fix every advance themselves; Symbol's own advance matters
//   only inside one call.
// - A digit drawn by itself, a call a digit, may say which of the digits of
//   its number it is (NumberPlace): a face may set the digits of one number
//   closer than their cells, about the number's middle. The call alone says
//   it; a digit that says nothing stands alone.
// - Fonts are chosen by the names the programs use ("ゴシック", "ｺﾞｼｯｸ",
//   "Times New Roman", "MT Extra"); the backend maps them to real faces.
// - Drawing goes to an off-screen canvas. The window sees it when the
//   program polls the keyboard (Inkey) or idles; between polls nothing is
//   presented, so a page appears whole.
// - Closing the window throws WindowClosed out of the call that noticed it
//   (a keyboard poll or Idle). Every wait of the programs polls, so the
//   close button works from any wait.
//
// Text is UTF-8 throughout; one character is one code point.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

inline constexpr float kViewWidth = 1344;
inline constexpr float kViewHeight = 756;

// The largest canvas a window holds, in device pixels: four times the view
// each way (62 MiB, and as much again for the window's own surface). A
// larger window is held to it, so that memory and the time to paint a page
// stay bounded whatever size a desktop or another program asks for.
inline constexpr int kLargestCanvasWidth = 4 * static_cast<int>(kViewWidth);
inline constexpr int kLargestCanvasHeight = 4 * static_cast<int>(kViewHeight);

// What a piece of text is to a reader: running text, a sign-change mark
// that annotates the row below it, or a prompt of the prompt bar, which
// tells what the program waits for next: a number at the main menu's
// prompt, at a sub-menu's line or at "次のステップは１を入力。" (each followed by
// the field's label "入力", which opens the field), or any key.
enum class PieceKind { Text, SignMark, MenuPrompt, SubmenuLine, NextStepPrompt, FieldLabel, KeyPrompt };

// Ink that belongs with text beside it: a brace with the rows it embraces on
// its right, a rule with the rows just above and below it, or a figure with
// the labels drawn as part of it.
enum class FigureKind { Brace, Rule, Labelled };

struct Point {
    float x = 0;
    float y = 0;
};

// Whether the second corner of a line or box is absolute or an offset from
// the first.
enum class Corner { Absolute, Relative };

// Thrown when the pupil closes the window (or, headless, when the key
// script is used up at a wait). main() catches it and exits normally.
struct WindowClosed : std::exception {
    const char* what() const noexcept override { return "window closed"; }
};

// The program cannot show its window, its page or its text (no display, a
// face that cannot be found or loaded, a window, canvas or drawing that
// cannot be made): the message says what and why in one line. A lesson
// never runs on where nobody can see it: in a lesson such a failure ends
// on the error screen, and one before the first picture ends the program
// with a failure.
struct ShowFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The window can show nothing any more, not even the error screen. Like
// WindowClosed it passes the runtime by; main() says why and the program
// ends with a failure.
struct WindowFailure : ShowFailure {
    using ShowFailure::ShowFailure;
};

inline constexpr int kNoFill = -1;

// Where a glyph drawn by itself stands in the number it belongs to: the
// digit at `place` (from 0, the first) of a number of `digits` digits. Any
// other glyph, a lone digit among them, is the one digit of a number of one.
struct NumberPlace {
    int place = 0;
    int digits = 1;
};

struct DrawCall;  // platform/draw_call.h

// Whoever follows what a program draws as it draws it: the layout check,
// the tours. The runtime brackets each piece of text and each figure
// (Platform::BeginTextPiece ...); a backend that records its calls tells
// each of them (Drawn). Nothing is drawn differently for an observer; a
// backend need not know of any.
class DrawingObserver {
public:
    virtual ~DrawingObserver() = default;
    // The calls until EndTextPiece draw one piece of text: its glyphs and
    // the strokes of its signs, fraction bars and radicals. `source` is the
    // text as the program wrote it, `at` the top-left of its first cell. A
    // bracket inside another belongs to the outer one.
    virtual void BeginTextPiece(const std::string& source, Point at, PieceKind kind) {
        (void)source;
        (void)at;
        (void)kind;
    }
    // `penEnd`: where the piece leaves the pen (the next text of its row
    // starts there).
    virtual void EndTextPiece(Point penEnd) { (void)penEnd; }
    // The calls until EndFigure draw one figure of that kind.
    virtual void BeginFigure(FigureKind kind) { (void)kind; }
    virtual void EndFigure() {}
    // A drawing call, as the backend records it.
    virtual void Drawn(const DrawCall& call) { (void)call; }
};

// The font in force: one of the programs' font names, its size, bold and
// italic.
struct Font {
    std::string name;
    int size = 16;
    bool bold = false, italic = false;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A straight line in the pen width in force.
    virtual void Line(Point a, Point b, int colour, Corner corner = Corner::Absolute) = 0;
    // A box with the two points as opposite corners: outline in `outline`
    // (pen width in force), interior in `fill`.
    virtual void Box(Point a, Point b, int outline, int fill, Corner corner = Corner::Absolute) = 0;
    // A circle or arc. start = end = 0: the full circle. Otherwise an arc
    // from `start` to `end`, given as fractions of a turn clockwise on the
    // screen from the positive x direction (passing through 0 when end is
    // below start). `filled` with fill == kNoFill: a disc (or sector) in
    // `colour`; with a fill colour: interior in `fill`, border in `colour`.
    virtual void Circle(Point centre, float radius, int colour, float start, float end,
                        bool filled, int fill = kNoFill) = 0;
    // An open polyline through the points in order.
    virtual void Polyline(int colour, std::span<const Point> points) = 0;
    // Draws `text` in the current font, top-left of the first glyph cell at
    // `at`, each cell magnified magX across and magY down. A digit drawn by
    // itself as one of the digits of a number says which (`number`). An
    // override repeats the default.
    virtual void Symbol(Point at, const std::string& text, int magX, int magY, int colour, NumberPlace number = {}) = 0;
    // Clears the drawing area to the background colour.
    virtual void Cls() = 0;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(int size) = 0;
    virtual void SetFontBold(bool on) = 0;
    virtual void SetFontItalic(bool on) = 0;
    virtual Font GetFont() const = 0;
    // Pen width 1..5; anything else is a bad-argument runtime error.
    virtual void SetDrawWidth(int width) = 0;
    virtual int GetDrawWidth() const = 0;
    // Only mapping mode 1 (the logical units above) exists.
    virtual void SetMapMode(int mode) = 0;
    virtual void MaximizeWindow() = 0;

    // Returns at once: "" when no key is waiting, else one key as a
    // one-character text (Enter "\r", Backspace "\b", the clearing key
    // "\f", printable keys as themselves). Presents the canvas first.
    virtual std::string Inkey() = 0;
    // Waits for the window to be closed, keeping it painted; never returns
    // normally (throws WindowClosed).
    [[noreturn]] virtual void IdleUntilClosed() = 0;
    // The time of day as "hh:mm:ss" (24-hour clock).
    virtual std::string Time() = 0;
    // The program ends normally (the caller then returns out of main).
    virtual void End() = 0;
    // The runtime reached its error screen: the program ends with a
    // failure once the window closes, and logs note it.
    virtual void NoteError(int line, int code) = 0;

    // ---- the brackets of pieces and figures, told to every observer ----
    void BeginTextPiece(const std::string& source, Point at, PieceKind kind = PieceKind::Text) {
        for (DrawingObserver* observer : observers_) observer->BeginTextPiece(source, at, kind);
    }
    void EndTextPiece(Point penEnd) {
        for (DrawingObserver* observer : observers_) observer->EndTextPiece(penEnd);
    }
    void BeginFigure(FigureKind kind) {
        for (DrawingObserver* observer : observers_) observer->BeginFigure(kind);
    }
    void EndFigure() {
        for (DrawingObserver* observer : observers_) observer->EndFigure();
    }
    // Observers hear of everything from then on, in the order added; each
    // must outlive the platform's drawing.
    void AddObserver(DrawingObserver& observer) { observers_.push_back(&observer); }

protected:
    // For a backend that records its calls: tells each observer of one.
    void TellDrawn(const DrawCall& call) {
        for (DrawingObserver* observer : observers_) observer->Drawn(call);
    }

private:
    std::vector<DrawingObserver*> observers_;
};

}  // namespace platform
