// What a page shows, as ink: every glyph, stroke, dot, plate and frame
// still visible, kept up to date call by call (an opaque box erases what
// it covers whole and cuts what it covers in part). At each look it tells
// what does not read cleanly: ink of a text touching ink that is not its
// own, text cut off, and text too faint against what lies beneath it.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/draw_call.h"
#include "platform/fonts.h"
#include "tools/ink_shapes.h"

namespace layout {

enum class Kind { Collision, CutOff, Colour, ColumnSum };
inline constexpr int kKinds = 4;
const char* KindName(Kind kind);  // "collision", "cut off", "colour", "column sum" (column_sums.h)

struct Finding {
    Kind kind;
    std::string what;    // the texts and inks involved, with where they start
    std::string detail;  // the two inks that meet (or the one cut), for a closer look
};

// Inks closer than this touch: antialiasing all but joins them on the
// screen, and a sign between two rows reads as part of them.
inline constexpr double kMinimumGap = 2.0;
// Text below this contrast ratio against its background is too faint.
inline constexpr double kMinimumContrast = 3.0;

// The contrast ratio of two palette colours (1 to 21).
double Contrast(int colour, int background);

class InkScene {
public:
    explicit InkScene(platform::FontBook& fonts) : fonts_(fonts) {}

    // The calls between these draw one piece of text.
    void BeginPiece(const std::string& source, platform::Point at);
    void EndPiece();
    void Add(const platform::DrawCall& call);

    // Everything that does not read cleanly on the screen as it stands.
    std::vector<Finding> Look();

private:
    struct Item {
        Shape shape;
        int piece = 0;  // the text piece the ink belongs to; 0: not text
        bool glyph = false;
        std::string what;  // a glyph's character, or what kind of ink
        int run = 0;       // the first item of a run of dots drawn one after another
        int colour = 0;
        int beneath = 15;
        std::string cutBy;  // the box that cut it, if one did
        bool outOfView = false;
        bool alive = true;
    };
    struct Plate {
        Rect area;
        int fill;
        bool alive = true;
    };
    struct Piece {
        std::string source;
        double x = 0, y = 0;
    };

    void Reset();
    int NewPiece(const std::string& source, platform::Point at);
    void AddItem(Item item);
    void Cover(const Rect& box, const std::string& boxName);
    void EraseWithin(const Rect& area);
    void AddBox(const platform::DrawCall& call);
    void AddText(const platform::DrawCall& call, int piece);
    void AddStroke(double ax, double ay, double bx, double by, double width, int colour, const char* what);
    void AddCircle(const platform::DrawCall& call);
    int Beneath(const Rect& ink) const;
    std::string Party(int item) const;
    std::string Ink(int item) const;

    platform::FontBook& fonts_;
    std::vector<Item> items_;
    std::vector<Plate> plates_;
    std::vector<Piece> pieces_{Piece{}};  // piece 0: none
    int depth_ = 0, openPiece_ = 0, currentPiece_ = 0;
    int lastDot_ = -1;  // the dot drawn by the last call, if it drew one
    size_t looked_ = 0;  // items before this one were compared at a look
    std::map<std::pair<int, int>, bool> collisions_;  // item pairs found touching
};

}  // namespace layout
