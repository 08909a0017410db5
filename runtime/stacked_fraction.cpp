// A fraction of a markup text: numerator over denominator, each centred
// over a bar as long as the wider of the two.
#include "runtime/runtime.h"

namespace runtime {

namespace {

bool Holds(const std::string& text, const char* ch) { return basic::KInstr(1, text, ch) > 0; }

}  // namespace

void Runtime::DrawStackedFraction() {
    const TextPiece piece(*this, strArg);
    const float fractionX = penX, fractionY = penY;
    const PenWidthScope keepWidth(*this);
    const std::string body = strArg;
    const bool bodyHasRadical = Holds(body, "!") || Holds(body, "√");

    // A body without "/" never comes from the programs' own texts; it is
    // shown as an empty numerator over the whole body.
    const int slash = basic::KInstr(1, body, "/");
    const std::string numeratorText = slash == 0 ? std::string() : basic::KLeft(body, slash - 1);
    const std::string denominatorText = slash == 0 ? body : basic::KMid(body, slash + 1);

    fractionMode = 1;
    strArg = numeratorText;
    MeasureText();
    const float numeratorWidth = textWidth;
    fractionMode = 1;
    strArg = denominatorText;
    MeasureText();
    const float denominatorWidth = textWidth;
    fractionMode = 0;

    const float fractionWidth = denominatorWidth <= numeratorWidth ? numeratorWidth : denominatorWidth;
    const float numeratorPad = (fractionWidth - numeratorWidth) / 2;
    const float denominatorPad = (fractionWidth - denominatorWidth) / 2;

    // The bar stops short of the fraction's edges, so that a frame, an
    // erase or a sign just beside the fraction does not meet it.
    SetDrawWidth(4);
    const float barY = fractionY + kFractionBarDrop;
    Line(fractionX + 2, barY, fractionX + fractionWidth - 2, barY, textColour);
    keepWidth.Restore();
    if (radicalMode == 22) {
        SetDrawWidth(3);
        Line(fractionX, fractionY - 14, fractionX + fractionWidth, fractionY - 14, textColour);
        keepWidth.Restore();
    }

    float denominatorY = fractionY + (Holds(denominatorText, "√") || Holds(denominatorText, "^") ? 36 : 28);
    if (bodyHasRadical) denominatorY += 8;

    penX = fractionX + denominatorPad;
    penY = denominatorY;
    fractionMode = 1;
    strArg = denominatorText;
    DrawMarkupGlyphs();

    penX = fractionX + numeratorPad;
    penY = fractionY - 10;
    fractionMode = 1;
    strArg = numeratorText;
    DrawMarkupGlyphs();

    fractionMode = 0;
    penX = fractionX + fractionWidth;
    penY = fractionY;
    charX = fractionX;
}

}  // namespace runtime
