// What the layout check asks of a screen: every threshold it judges ink
// by, and every reach by which it tells what belongs to what, in logical
// units (the view is 1344 x 756). Each threshold, and each reach that
// decides an owner, is pinned by a pair of scenes just inside and just
// outside it in tests/layout_check_scenes_test.cpp: change a number here,
// and the pair there with it.
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

// ---------------------------------------------------------------------------
// How the check tells what belongs to what. These judge no ink: they decide
// which ink is a text's own, which pieces make one row or one line, what
// stands around a sign-change mark and which ink is a column sum's, before
// the thresholds above are applied. Each that decides an owner is pinned
// by scenes too; where a value shows only in part, or follows from others,
// or is a slack for antialiasing, its comment says so.

// Places: the drawing sets positions in whole and half units, so two closer
// than this are one place (a piece starting where another left the pen
// continues its row; "=" signs on one column); any value up to half a unit
// finds the same.
inline constexpr double kSamePlace = 0.5;

// Lines: a piece begun this close to the baseline of the text drawn just
// before it goes on that text's line; the bracket before a column sum's
// lower row stands this much below the row, and nothing else on a line is
// drawn off its baseline.
inline constexpr double kSameBaseline = runtime::kColumnSumBracketDrop;
// Line bands that share less height than this (a quarter of a row) are
// different lines: texts whose bands share less stand one higher than the
// other and read as two lines however close across. Rows 50 apart share
// none of their 48; a text set lower by up to three quarters of a row (a
// fraction's part beside whole text) still reads on the line.
inline constexpr double kSharedBand = runtime::kRowBand / 4;

// Figures: a brace embraces the rows whose text starts this close right of
// its ink (ink and pen alike). The rows of a system start 2.5 right of the
// brace (40 right of its pen, its serifs ending at 37.5); 15 takes in a
// first glyph that stands further in, and stays well short of the
// full-width character that parts two columns. A row may start this little
// left of the brace's right end, under the tips of its serifs.
inline constexpr double kBraced = 15;
inline constexpr double kBracedOverlap = 2;
// A rule belongs to the rows whose ink ends this close above it or begins
// this close below it. Only text within kFromLine of a line can crowd it,
// so any reach from kFromLine up finds the same (the scenes pin that much);
// 12 stays inside the gap between a column sum's rows, so a rule owns the
// rows it parts and no other.
inline constexpr double kRuled = 12;
// A box's edge is the frame of a cell whose side it runs along, its middle
// this close to that side: the cell's own edge, or the one it shares with
// the cell next to it, drawn as a box of its own a pen width (3) off.
inline constexpr double kAlongSide = 3;

// Terms: the glyph before a glyph, ending less than this left of it, is of
// the same term when it is a digit, a letter or a point. The glyphs of one
// term stand their side bearings apart, digits drawn a call each a little
// more; a half-width cell (27) is a blank between two terms.
inline constexpr double kGlyphBefore = 24;
// Pieces whose first cells stand this close in height make one row: the
// operator and the bracket of a column sum stand kColumnSumBracketDrop
// below the row they lead, and 2 more allows for rounding.
inline constexpr double kSameRow = runtime::kColumnSumBracketDrop + 2;

// Sign-change marks: the rows a mark sits between are looked for this far
// to either side of it, two half-width cells: the term it notes and its
// neighbours. (The row below is taken under the mark or within
// kSignMarkBeforeReach right of it, so this reach tells the row above.)
inline constexpr double kMarkAcross = 2 * runtime::kHalfWidthAdvance;
// The row below a mark is the text whose ink begins this far under the
// mark's foot at most: a mark higher than that, well up in the gap between
// two rows (50 apart), notes no row and stands over a blank.
inline constexpr double kMarkDown = 40;
// The row above counts as far up as it could make a mark lean towards it:
// kSignMarkLean times the furthest a row below may be (a larger reach finds
// the same; this follows from the two).
inline constexpr double kMarkUp = kSignMarkLean * kMarkDown;
// A row's line (its digits' top and foot) is read from its glyphs this far
// to either side of the mark at most, about seven cells: the terms near the
// mark, not the far end of a long row or the text of a column beside it.
inline constexpr double kMarkRowReach = 200;
// A descender of the row above lowers that row's foot where it reaches this
// close to the mark's sides: reaching towards the mark, it crowds it as the
// row's line would.
inline constexpr double kMarkOverhead = 6;
// Slacks for the antialiasing of a glyph's box: a glyph under a mark may be
// this much narrower than the mark's middle; a mark before a term ends
// before the term's first ink, but for this; a stroke this much thicker
// than the signs' pen, or this much shorter or longer than a sign, is one.
inline constexpr double kUnderSlack = 2;
inline constexpr double kInkSlack = 0.5;
inline constexpr double kSignLengthSlack = 2;

// Column sums: the rule lies about a row step (50) below the sum's ")"; a
// line further down than this (two steps) that happens to start under a
// ")" is not its rule.
inline constexpr double kLongestStep = 100;
// A point well inside the ink of a glyph of a sum (its ")" or an "="),
// from the top-left of its cell: an erase that covers it takes the glyph
// away, one that ends short of it leaves it.
inline constexpr double kInkX = 10, kInkY = 20;

}  // namespace layout
