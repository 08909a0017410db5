// The numbers of the page's layout that more than one routine needs: the
// drawing routines that set them and whatever reads a page back.
#pragma once

namespace runtime {

// The markup walker's advances in running text: a half-width character (a
// digit, a letter, a sign, a blank), "=", and a double-byte character.
inline constexpr float kHalfWidthAdvance = 27;
inline constexpr float kEqualsAdvance = 32;
inline constexpr float kDoubleByteAdvance = 34;

// How far below its row's y a stacked fraction's bar lies.
inline constexpr float kFractionBarDrop = 25;

// A sign-change mark stands in a slot of one half-width advance. Over a
// sign of the row below, the slot is the sign's own cell. Before a term
// written without a sign, the slot stands this far left of the term's
// first cell: the mark's ink (7.5 to 19.5 of its slot) then ends 2 into
// that cell, where no digit's or letter's ink has begun.
inline constexpr float kSignMarkSlot = kHalfWidthAdvance;
inline constexpr float kSignMarkBeforeGlyph = 17.5;

// The height of a row of running text: its magnified cells, 16 high drawn
// three times their size.
inline constexpr float kRowBand = 48;

// A written column sum: the operator and its ")" take a half-width slot
// each before both rows, and stand this far below the top of the lower
// row they lead.
inline constexpr float kColumnSumBracketDrop = 6;

// The signs of running text are strokes of this pen width, this long in the
// body and in a fraction part (the bar and a plus sign's upright alike).
inline constexpr float kSignPenWidth = 5;
inline constexpr float kBodySignLength = 16;
inline constexpr float kFractionSignLength = 14;
// A sign-change mark's strokes: a thinner pen, and three quarters of the
// body's signs.
inline constexpr float kSignMarkPenWidth = 4;
inline constexpr float kSignMarkLength = 12;

}  // namespace runtime
