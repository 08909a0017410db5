// The numbers of the page's layout that more than one routine needs: the
// drawing routines that set them and whatever reads a page back.
#pragma once

namespace runtime {

// The markup walker's advances in running text: a half-width character (a
// digit, a letter, a sign, a blank), "=", and a double-byte character; in a
// fraction part, a half-width character.
inline constexpr float kHalfWidthAdvance = 27;
inline constexpr float kEqualsAdvance = 32;
inline constexpr float kDoubleByteAdvance = 34;
inline constexpr float kFractionPartAdvance = 32;
// Its other advances: a decimal point, a prime or degree sign, a character
// in a small cell (raised, or after an escape), the script l (and a name's
// plain l, in the same cell), and a double-byte character in a fraction
// part.
inline constexpr float kPointAdvance = 8;
inline constexpr float kPrimeAdvance = 12;
inline constexpr float kSmallCellAdvance = 24;
inline constexpr float kScriptLAdvance = 32;
inline constexpr float kFractionDoubleByteAdvance = 38;

// Where the walker sets a glyph in a face of its own against its cell: the
// italic letters a, x and c of running text 4 right and 22 up (a larger
// cell of the serif face), and "=" a size smaller, 4 into its cell.
inline constexpr float kItalicLetterDx = 4, kItalicLetterDy = -22;
inline constexpr float kEqualsDx = 4;
inline constexpr int kEqualsSize = 14;

// A written column sum: the operator and its ")" take a half-width advance
// each before the rows, and stand this far below the lower row's y (a
// bracket reaches lower than the digits beside it); the rule starts under
// the ")".
inline constexpr float kColumnSumIndent = 2 * kHalfWidthAdvance;
inline constexpr float kColumnSumBracketDrop = 6;

// How far below its row's y a stacked fraction's bar lies.
inline constexpr float kFractionBarDrop = 25;

// The strokes of a "+" or "-" drawn in a cell from (x, y): a bar from x0 to
// x1, at y + minusY for "-" and y + plusY for "+", whose upright at x +
// uprightX reaches uprightHalf above and below the bar; in pen width `pen`.
struct SignStrokes {
    float x0, x1, minusY, plusY, uprightX, uprightHalf;
    int pen;
};
// A sign of running text, sized to the digits' ink; a "-" lies across the
// digits' middle, the bar of a "+" a unit lower.
inline constexpr SignStrokes kBodySign{5.5f, 21.5f, 20, 21, 13.5f, 8, 5};
// A sign in a fraction part, across the middle of the part's digits.
inline constexpr SignStrokes kFractionPartSign{9, 23, 16, 16, 16, 7, 5};
// A row of sign-change marks stands this far above the row whose signs it
// turns (a column sum's lower row): half the 50 between two rows.
inline constexpr float kSignMarkRowRise = 25;
// A sign-change mark: three quarters of the body's sign, at the foot of the
// band between two rows 50 apart (its slot's y is kSignMarkRowRise above
// the lower row).
inline constexpr SignStrokes kSignMarkStrokes{7.5f, 19.5f, 25, 23, 13.5f, 6, 4};
// How long a sign's bar is.
constexpr float BarLength(const SignStrokes& sign) { return sign.x1 - sign.x0; }

// A sign-change mark stands in a slot of one half-width advance. Over a
// sign of the row below, the slot is the sign's own cell. Before a term
// written without a sign, the slot stands this far left of the term's
// first cell: the mark's ink (7.5 to 19.5 of its slot) then ends 2 into
// that cell, where no digit's or letter's ink has begun.
inline constexpr float kSignMarkSlot = kHalfWidthAdvance;
inline constexpr float kSignMarkBeforeGlyph = 17.5;

// A plate: a box from corner (x0, y0) to (x1, y1), framed and filled.
struct PlateBox {
    float x0, y0, x1, y1;
    int frame, fill;
};

// The main menu's panel, under its title and entries.
inline constexpr PlateBox kMenuPanel{22, 10, 1342, 610, 15, 10};

// A plate that a page places itself: w by h, framed and filled. The two
// that head a page of problems: the chapter's title and, right of it, the
// page's number (this wide unless the page asks for another width).
struct PlateStyle {
    float w, h;
    int frame, fill;
};
inline constexpr PlateStyle kChapterTitlePlate{396, 44, 5, 4};
inline constexpr PlateStyle kChapterNumberPlate{44, 44, 4, 3};

// The prompt bar at the foot of the screen and what stands in it: the
// plate of "何かキーを押して下さい。" with its text's origin, the wider plate
// of a caller's own prompt text, the plate of "次のステップは１を入力。" and its
// text, the sub-menu line's origin, and the number field (its origin is the
// runtime's promptX, promptY from start-up on) with the main menu's prompt
// and the label "入力" left of it, whose cursor is a disc 8 into the field.
inline constexpr PlateBox kPromptBar{0, 657, 992, 720, 15, 15};
inline constexpr PlateBox kKeyWaitPlate{96, 657, 400, 693, 13, 4};
inline constexpr float kKeyWaitTextX = 128, kKeyWaitTextY = 666;
inline constexpr PlateBox kCallerPromptPlate{
    16, kKeyWaitPlate.y0, 496, kKeyWaitPlate.y1, kKeyWaitPlate.frame, kKeyWaitPlate.fill};
inline constexpr float kCallerPromptTextX = 48;
inline constexpr PlateBox kNextStepPlate{96, 639, 400, 675, 13, 12};
inline constexpr float kNextStepTextX = 128, kNextStepTextY = 648;
inline constexpr float kSubmenuLineX = 16, kSubmenuLineY = 666;
inline constexpr float kFieldX = 1056, kFieldY = 648;
inline constexpr float kMenuPromptOffset = 240, kFieldLabelOffset = 48;
inline constexpr float kFieldCursorInset = 8, kFieldCursorRadius = 4;
// The plain text of the prompts and the typed number stands on a grid of
// this many units a character, so a field's cursor moves on by it a key.
inline constexpr float kSimpleGlyphAdvance = 16;

// A box placed from the number field's origin: its corner dx, dy from it,
// w wide and h high. The prompts erase these in the background colour: the
// main menu's prompt with its field once read, the label with the field
// once read, the digits typed so far (at Backspace, Delete or a key past
// the tenth), and the label with the field under the next-step plate.
struct FieldBox {
    float dx, dy, w, h;
};
inline constexpr FieldBox kMenuPromptErase{-kMenuPromptOffset, -8, 1056, 50};
inline constexpr FieldBox kFieldErase{-kFieldLabelOffset, -8, 240, 30};
inline constexpr FieldBox kTypedDigitsErase{0, -8, 192, 30};
inline constexpr FieldBox kNextStepFieldErase{-kFieldLabelOffset, -9, 160, 27};

// The height of a row of running text: its magnified cells, 16 high drawn
// three times their size.
inline constexpr float kRowBand = 48;

}  // namespace runtime
