// The pages of figure-sheet and the small helpers they share.
#pragma once

#include <string>

#include "runtime/runtime.h"

namespace figure_sheet {

using runtime::Runtime;

// A small grey caption naming the routines shown beside it.
void Caption(Runtime& rt, float x, float y, const std::string& text);
// A markup text at (x, y).
void Text(Runtime& rt, float x, float y, float colour, const std::string& text);

// Page 2: bold labels, the coordinate plane and graphs, arrows, plane
// geometry and whole numbers.
void LibraryPage(Runtime& rt);

}  // namespace figure_sheet
