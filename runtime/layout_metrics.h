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

}  // namespace runtime
