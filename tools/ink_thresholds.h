// What the layout check asks of a screen: every threshold it judges ink
// by, in logical units (the view is 1344 x 756). Each is pinned by a pair
// of scenes just inside and just outside it in
// tests/layout_check_scenes_test.cpp: change a number here, and the
// pair there with it.
#pragma once

#include "runtime/layout_metrics.h"

namespace layout {

// Touching: inks of two pieces of text, or of a text and other ink, closer
// than this all but join on the screen (antialiasing), and a sign between
// two rows reads as part of them.
inline constexpr double kMinimumGap = 2.0;

// Cut off: an opaque box drawn later reaching further than this into a
// glyph's ink (less is an erase's border ending beside a text, which
// leaves it readable).
inline constexpr double kCutFringe = 2.0;

// Faint: text below this contrast ratio against what lies beneath it.
inline constexpr double kMinimumContrast = 4.5;

// Room that print leaves around a piece of text:
// - beside another text of its line band, half a character;
inline constexpr double kBesideText = 10.0;
// - beside the text of another column on its line, or another figure's
//   label, or before a brace that opens another column, a full-width
//   character (34);
inline constexpr double kBesideColumn = runtime::kDoubleByteAdvance;
// - from a line, rule, brace, frame, plate or arc that is not its own;
inline constexpr double kFromLine = 6.0;
// - from its own: the frame of its cell or plate, the brace of its system,
//   the rule of its column sum or trip line, the arc it labels.
inline constexpr double kFromOwn = 3.0;

// A sign-change mark reads as a note on the row below it: its ink ends at
// most this far above that row's line,
inline constexpr double kSignMarkReach = 6.0;
// and stands this many times as far (or further) from the row above;
inline constexpr double kSignMarkLean = 1.5;
// a mark before a term written without a sign ends at most this far
// before the term's first ink (a "1", the narrowest glyph, begins 4.2
// after the runtime's marks end).
inline constexpr double kSignMarkBeforeReach = 6.0;

}  // namespace layout
