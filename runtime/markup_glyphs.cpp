// The glyph drawer of markup text. Each character is drawn by the first
// rule of the table below that takes it: a glyph in a magnified cell (its
// font, place against the pen, magnification and advance), or strokes of a
// small function. Control characters change the walker's state, and the
// radical sign and the box draw without an overline step.
#include <optional>

#include "runtime/digit_places.h"
#include "runtime/runtime.h"

namespace runtime {

namespace {

const char* const kGothic = "ゴシック";

// The typed characters shown as mathematical signs.
std::string Substitute(const std::string& ch) {
    if (ch == "%") return "°";
    if (ch == "*") return "×";
    if (ch == "/") return "÷";
    if (ch == "@") return "±";
    if (ch == "!") return "√";
    return ch;
}

bool IsDoubleByteChar(const std::string& ch) { return basic::Len(ch) == 2; }

// What a rule looks at: the character and the walker's state.
struct Context {
    const std::string& ch;
    bool inFraction, raised, escaped, name;
};

// The bold of the Gothic face around a rule's glyph.
enum class Bold { AsItStands, On, OnThenOff };
// The flag a rule uses up.
enum class Flag { None, Raise, Escape };

// A glyph in a cell: the font set before it (a face other than the Gothic
// one is left again after it, a size other than the standing one goes back
// to 16), where the cell stands against the pen, its magnification, and
// the pen's advance. No magnification: nothing is drawn, the pen advances.
struct Cell {
    const char* face;
    int size;
    Bold bold;
    bool italic;
    float dx, dy;
    int magX, magY;
    float advance;
};

// Signs drawn as strokes; each returns the pen's advance.
using Strokes = float (*)(Runtime& rt, float x, float y, bool beforeFraction);

struct GlyphRule {
    bool (*takes)(const Context&);
    Cell cell;
    Strokes strokes;  // drawn instead of the cell when set
    Flag usesUp;
};

bool Is(const Context& c, const char* ch) { return c.ch == ch; }
bool IsLetterOfAFormula(const Context& c) { return (Is(c, "a") || Is(c, "x") || Is(c, "c")) && !c.name; }
bool IsSign(const Context& c) { return Is(c, "-") || Is(c, "+"); }

// Signs are drawn as strokes, sized to the digits' ink: small enough that
// a row of them fits between two rows of an equation without touching
// either. In a fraction part they lie across the middle of the part's
// digits, 16 down; a sign just before a fraction lies on its bar.
float FractionPartSign(Runtime& rt, float x, float y, bool) {
    const bool plus = rt.curChar == "+";
    rt.SetDrawWidth(kFractionPartSign.pen);
    rt.StrokeSign(kFractionPartSign, x, y + (plus ? kFractionPartSign.plusY : kFractionPartSign.minusY), plus,
                  rt.textColour);
    rt.SetDrawWidth(3);
    return kFractionPartAdvance;
}

// In running text a "-" lies across the digits' middle, 20 down, and the
// bar of a "+" a unit lower.
float BodySign(Runtime& rt, float x, float y, bool beforeFraction) {
    const bool plus = rt.curChar == "+";
    const float across = y + (beforeFraction ? kFractionBarDrop : plus ? kBodySign.plusY : kBodySign.minusY);
    rt.SetDrawWidth(kBodySign.pen);
    rt.StrokeSign(kBodySign, x, across, plus, rt.textColour);
    rt.SetDrawWidth(3);
    return kHalfWidthAdvance;
}

constexpr Strokes kNoStrokes = nullptr;
constexpr Cell kNoCell{};

// In order: the first rule that takes a character draws it.
// clang-format off
const GlyphRule kGlyphRules[] = {
    // character class                                                   face               size bold              italic  dx   dy  mag    advance
    {[](const Context& c) { return Is(c, "."); },                        {nullptr,             0, Bold::AsItStands, false, -3,  14,  3, 2, kPointAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return Is(c, "'") || Is(c, "°"); },          {nullptr,             0, Bold::AsItStands, false,  0,   0,  3, 3, kPrimeAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return Is(c, "="); },                        {kGothic,   kEqualsSize, Bold::On,         false, kEqualsDx, 0, 3, 3, kEqualsAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return c.raised; },                          {nullptr,             8, Bold::AsItStands, false,  0, -10,  6, 3, kSmallCellAdvance}, kNoStrokes, Flag::Raise},
    {[](const Context& c) { return c.escaped && c.inFraction; },         {nullptr,             8, Bold::AsItStands, false,  0,  -4,  6, 3, kSmallCellAdvance}, kNoStrokes, Flag::Escape},
    {[](const Context& c) { return c.escaped; },                         {nullptr,             0, Bold::AsItStands, false,  0,   0,  3, 2, kSmallCellAdvance}, kNoStrokes, Flag::Escape},
    {[](const Context& c) { return IsLetterOfAFormula(c) && c.inFraction; },
                                                                         {"Times New Roman",   8, Bold::AsItStands, true,   4, -16, 12, 5, kFractionPartAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return IsLetterOfAFormula(c); },             {"Times New Roman",   8, Bold::AsItStands, true, kItalicLetterDx, kItalicLetterDy, 10, 7, kHalfWidthAdvance}, kNoStrokes, Flag::None},
    // A name's l is a plain l, in the cell that a script l takes.
    {[](const Context& c) { return Is(c, "l") && c.name; },              {nullptr,             0, Bold::AsItStands, false,  0,   0,  3, 3, kScriptLAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return Is(c, "l"); },                        {"MT Extra",         16, Bold::OnThenOff,  false,  0,   0,  6, 3, kScriptLAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return IsSign(c) && c.inFraction; },         kNoCell, FractionPartSign, Flag::None},
    {[](const Context& c) { return IsSign(c); },                         kNoCell, BodySign, Flag::None},
    {[](const Context& c) { return (Is(c, "×") || Is(c, "÷") || Is(c, "±")) && !c.inFraction; },
                                                                         {nullptr,             0, Bold::AsItStands, false, -4,   0,  2, 3, kHalfWidthAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return Is(c, " "); },                        {nullptr,             0, Bold::AsItStands, false,  0,   0,  0, 0, kHalfWidthAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return IsDoubleByteChar(c.ch) && c.inFraction; },
                                                                         {nullptr,            11, Bold::AsItStands, false,  0,   0,  3, 3, kFractionDoubleByteAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return IsDoubleByteChar(c.ch); },            {nullptr,             0, Bold::AsItStands, false,  0,   0,  2, 3, kDoubleByteAdvance}, kNoStrokes, Flag::None},
    {[](const Context& c) { return c.inFraction; },                      {nullptr,             0, Bold::AsItStands, false,  0,   0,  4, 2, kFractionPartAdvance}, kNoStrokes, Flag::None},
    {[](const Context&) { return true; },                                {nullptr,             0, Bold::AsItStands, false,  0,   0,  3, 3, kHalfWidthAdvance}, kNoStrokes, Flag::None},
};
// clang-format on

// The control characters and the two signs drawn without an overline
// step: they change the walker's state and leave the pen where they put it.
bool DrawControl(Runtime& rt, float x, float y, bool inFraction) {
    if (rt.curChar == "^") {
        rt.escapeFlag = 1;
    } else if (rt.curChar == "\\") {
        rt.raiseFlag = 1;
    } else if (rt.curChar == "ﾝ") {
        rt.radicalMode = 0;
    } else if (rt.curChar == "√") {
        rt.SetDrawWidth(3);
        if (inFraction) {
            rt.Poly(rt.textColour, {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
            rt.radicalMode = 11;
            rt.glyphX = x + 26;
        } else {
            rt.Poly(rt.textColour, {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
            rt.radicalMode = 1;
            rt.glyphX = x + 28;
        }
        rt.radicalStartX = rt.glyphX;
    } else if (rt.curChar == "&") {
        rt.SetDrawWidth(5);
        rt.Poly(rt.textColour, {{x + 4, y + 40}, {x + 11, y + 8}, {x + 32, y + 8}, {x + 25, y + 40}, {x + 4, y + 40}});
        rt.SetDrawWidth(3);
        rt.glyphX = x + 36;
        rt.radicalStartX = rt.glyphX;
    } else {
        return false;
    }
    return true;
}

}  // namespace

void Runtime::DrawMarkupGlyphs() {
    const TextPiece piece(*this, strArg);
    glyphX = penX;
    glyphY = penY;
    const PenWidthScope keepWidth(*this);
    const std::vector<std::string> run = basic::Chars(strArg);
    const float count = static_cast<float>(run.size());
    pf.SetFontName(kGothic);
    pf.SetFontSize(16);
    pf.SetFontBold(true);
    const bool inFraction = fractionMode == 1;

    formatIndex = 1;
    do {
        curChar = run.empty() ? std::string() : run[static_cast<size_t>(formatIndex) - 1];
        curChar = Substitute(curChar);
        const float x = glyphX, y = glyphY;
        if (DrawControl(*this, x, y, inFraction)) continue;

        const Context context{curChar, inFraction, raiseFlag == 1, escapeFlag == 1, lettersOfAName};
        const GlyphRule* rule = kGlyphRules;
        while (!rule->takes(context)) ++rule;
        float advance;
        if (rule->strokes) {
            advance = rule->strokes(*this, x, y, signBeforeFraction);
        } else {
            const Cell& cell = rule->cell;
            {
                // Most glyphs are drawn in the font the run stands in.
                std::optional<FontScope> keepFont;
                if (cell.face || cell.size || cell.italic || cell.bold != Bold::AsItStands) {
                    keepFont.emplace(*this);
                    if (cell.face) pf.SetFontName(cell.face);
                    if (cell.size) pf.SetFontSize(cell.size);
                    if (cell.bold != Bold::AsItStands) pf.SetFontBold(true);
                    if (cell.italic) pf.SetFontItalic(true);
                }
                // An empty character (an empty text) draws nothing.
                if (cell.magX > 0 && !curChar.empty())
                    Symbol(x + cell.dx, y + cell.dy, curChar, cell.magX, cell.magY, textColour,
                           PlaceInNumber(run, static_cast<size_t>(formatIndex) - 1));
            }
            // Bold, once a rule sets it, stays for the rest of the run; the
            // script l leaves it off.
            if (cell.bold == Bold::On) pf.SetFontBold(true);
            if (cell.bold == Bold::OnThenOff) pf.SetFontBold(false);
            advance = cell.advance;
        }
        if (rule->usesUp == Flag::Raise) raiseFlag = 0;
        if (rule->usesUp == Flag::Escape) escapeFlag = 0;
        glyphX = x + advance;

        // Overline of an open radical, from where it started to this glyph.
        if (radicalMode == 1 || radicalMode == 11 || (radicalMode == 22 && !inFraction)) {
            const float lift = radicalMode == 1 ? 4 : radicalMode == 11 ? 6 : 14;
            SetDrawWidth(3);
            Line(radicalStartX, y - lift, glyphX, y - lift, textColour);
        } else {
            radicalStartX = glyphX;
        }
    } while (++formatIndex <= count);

    penX = glyphX;
    penY = glyphY;
    pf.SetFontBold(false);
}

}  // namespace runtime
