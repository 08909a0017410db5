// The angular left brace that groups the two equations of a system.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawLeftBrace() {
    const float x = penX, y = penY, height = boxWidth;
    const FigurePart figure(*this, platform::FigureKind::Brace);
    const PenWidthScope keepWidth(*this);
    const float bottom = y + height - 10;
    const float middle = (y + 5 + bottom) / 2;
    SetDrawWidth(5);
    // Serif, stem, point, stem, serif; drawn as computed even when a short
    // brace folds its stems back.
    Poly(textColour, {{x + 35, y + 5},
                      {x + 23, y + 8},
                      {x + 23, middle - 7},
                      {x + 8, middle},
                      {x + 23, middle + 7},
                      {x + 23, bottom - 3},
                      {x + 35, bottom}});
}

}  // namespace runtime
