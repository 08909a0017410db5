// The markup text walker: fractions, the tall radical sign and the
// exponent code; every other character goes to the glyph drawer.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawMarkupText() {
    const TextPiece piece(*this, textArg);
    const PenWidthScope keepWidth(*this);
    while (!textArg.empty()) {
        strArg = basic::KLeft(textArg, 1);
        textArg.erase(0, strArg.size());
        if (strArg == "ﾀ") {
            int close = basic::KInstr(1, textArg, "ﾀ");
            if (close == 0) continue;  // an opening mark alone is dropped
            strArg = basic::KLeft(textArg, close - 1);
            // Measuring the parts walks texts again; what follows the
            // fraction is this call's own.
            std::string fractionRest = basic::KMid(textArg, close + 1);
            DrawStackedFraction();
            textArg = std::move(fractionRest);
        } else if (strArg == "#") {
            float x = penX, y = penY;
            SetDrawWidth(3);
            Poly(textColour, {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}});
            radicalMode = 22;
            keepWidth.Restore();
            penX = x + 32;
            radicalStartX = x + 32;
        } else if (strArg == "^") {
            escapeFlag = 1;
        } else {
            // A sign written just before a fraction ("-ﾀ1/7ﾀx") belongs to
            // it and stands on its bar, as print sets it.
            signBeforeFraction = (strArg == "-" || strArg == "+") && basic::KLeft(textArg, 1) == "ﾀ" &&
                                 basic::KInstr(2, textArg, "ﾀ") > 0;
            DrawMarkupGlyphs();
            signBeforeFraction = false;
        }
    }
}

}  // namespace runtime
