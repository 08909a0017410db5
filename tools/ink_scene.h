// What a page shows, as ink: every glyph, stroke, dot, plate and frame
// still visible, kept up to date call by call (an opaque box erases what
// it covers whole and cuts what it covers in part). At each look it tells
// what does not read cleanly: ink of a text touching ink that is not its
// own, text cut off, and text too faint against what lies beneath it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/draw_call.h"
#include "platform/fonts.h"
#include "runtime/layout_metrics.h"
#include "tools/ink_shapes.h"
#include "tools/ink_thresholds.h"

namespace layout {

enum class Kind { Collision, CutOff, Colour, SignMark, Crowding, ColumnSum };
inline constexpr int kKinds = 6;
// "collision", "cut off", "colour", "sign mark", "crowding", "column sum" (column_sums.h)
const char* KindName(Kind kind);

struct Finding {
    Kind kind;
    std::string what;    // the texts and inks involved, with where they start
    std::string detail;  // the two inks that meet (or the one cut), for a closer look
};

// What the check read of a program: the screens it looked at, and each
// piece of text, sign-change mark, written column sum and figure once, in
// the run that drew it. The scene counts the pieces and figures that left
// ink, ColumnSums (column_sums.h) the sums that got their rule.
struct ReadCounts {
    int screens = 0;
    int textPieces = 0, signMarks = 0;
    // DrawColumnSum's, and the solver's (its rows written term by term).
    int runtimeSums = 0, solverSums = 0;
    int braces = 0, rules = 0, labelled = 0;  // figures, by kind
    ReadCounts& operator+=(const ReadCounts& other);
};

// The contrast ratio of two palette colours (1 to 21).
double Contrast(int colour, int background);

// It follows a platform as one of its observers, or is fed by hand (the
// self-tests) through the calls below.
class InkScene : public platform::DrawingObserver {
public:
    explicit InkScene(platform::FontBook& fonts) : fonts_(fonts) {}

    void BeginTextPiece(const std::string& source, platform::Point at, platform::PieceKind kind) override {
        BeginPiece(source, at, kind);
    }
    void EndTextPiece(platform::Point penEnd) override { EndPiece(penEnd); }
    void Drawn(const platform::DrawCall& call) override { Add(call); }

    // The calls between these draw one piece of text.
    void BeginPiece(const std::string& source, platform::Point at,
                    platform::PieceKind kind = platform::PieceKind::Text);
    // `penEnd`: where the piece left the pen; a piece that starts there
    // continues its row.
    void EndPiece(platform::Point penEnd = {-1e9f, -1e9f});
    // The calls between these draw one figure.
    void BeginFigure(platform::FigureKind kind) override;
    void EndFigure() override;
    void Add(const platform::DrawCall& call);

    // Everything that does not read cleanly on the screen as it stands.
    std::vector<Finding> Look();
    // Adds the pieces and figures read so far.
    void CountRead(ReadCounts& counts) const;

private:
    struct Item {
        Shape shape;
        int piece = 0;  // the text piece the ink belongs to; 0: not text
        bool glyph = false;
        std::string what;  // a glyph's character, or what kind of ink
        int run = 0;       // the first item of a run of dots drawn one after another
        int colour = 0;
        int penWidth = 0;  // a stroke's
        Rect box;          // a frame's or plate edge's whole box
        int figure = 0;    // the figure it is part of; 0: none
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
        platform::PieceKind kind = platform::PieceKind::Text;
        double endX = -1e9, endY = -1e9;
        // The height of its line band from y: a row of magnified cells, or
        // of the small cells of prompt text.
        double band = runtime::kRowBand;
        bool banded = false;  // set by its first text call
        int continues = 0;  // the piece whose row this one continues
        // The first piece of the line it was written on: pieces drawn one
        // after another, each on the baseline of the one before, are one
        // line written in several calls.
        int line = 0;
        int after = 0;  // the text drawn last before it (LastText)
        bool inked = false;
    };
    struct Figure {
        platform::FigureKind kind;
        int line = 0;  // the line of the text drawn last before it
        Rect bounds{1e300, 1e300, -1e300, -1e300};
    };
    using Note = std::function<void(Kind, const std::string&, const std::string&)>;

    // Keeping the scene (ink_scene.cpp).
    void Reset();
    int NewPiece(const std::string& source, platform::Point at, platform::PieceKind kind);
    // The text piece that drew the last ink still visible (sign-change
    // marks aside), or 0.
    int LastText() const;
    // The item's piece has left ink; its figure's bounds grow to hold it.
    void Join(Item& item);
    void AddItem(Item item);
    void Cover(const Rect& box, const std::string& boxName);
    void EraseWithin(const Rect& area);
    void AddBox(const platform::DrawCall& call);
    void AddText(const platform::DrawCall& call, int piece);
    void AddStroke(double ax, double ay, double bx, double by, double width, int colour, const char* what);
    void AddCircle(const platform::DrawCall& call);
    int Beneath(const Rect& ink) const;
    bool IsMark(const Item& item) const {
        return item.piece != 0 && pieces_[item.piece].kind == platform::PieceKind::SignMark;
    }

    // Looking (ink_look.cpp): new ink against everything visible, for
    // touching and crowding; then the pairs found, and each text's ink cut
    // off or faint.
    void ComparePairs();
    void NotePairs(const Note& note);
    void LookAtTextInk(const Note& note) const;
    // The piece, dotted run, brace or box an item belongs to, by its place.
    std::string Party(int item) const;
    // The item's own ink and where it lies.
    std::string Ink(int item) const;

    // Sign-change marks (ink_sign_marks.cpp): each near the row below and
    // over the sign it turns there, or just before a term without one.
    void LookAtSignMarks(const Note& note) const;
    void LookAtSignMark(int piece, const Rect& mark, const Note& note) const;
    // Each mark's ink as one box, by its piece.
    std::map<int, Rect> MarkBoxes() const;
    // What stands around a mark (-1: nothing): the text ink under its
    // middle, the glyph that begins just right of it in the row below, and
    // the nearest text ink above it.
    struct AroundMark {
        int under = -1, next = -1, above = -1;
    };
    AroundMark Around(const Rect& mark) const;
    // Text ink (marks aside) across the mark or a couple of cells beside it.
    bool NearMark(const Item& item, const Rect& mark) const;
    int Under(const Rect& mark) const;
    int NextGlyph(const Rect& mark) const;
    int Above(const Rect& mark) const;
    // The rows' edges: the top of the line of the row that `member` is part
    // of, and the foot of it (or of a descender reaching over the mark).
    double RowTop(int member, const Rect& mark) const;
    double RowFoot(int member, const Rect& mark) const;
    // The glyphs of that row within reach of the mark.
    std::vector<const Item*> RowGlyphs(int member, const Rect& mark) const;
    // How high a mark stands: near the row below, nearer it than the row above.
    void LookAtMarkHeight(const Rect& mark, const AroundMark& around, int member, const std::string& name,
                          const Note& note) const;
    // What the mark stands over that it should not ("" when it reads);
    // `shown` is set to the ink to show.
    std::string MarkStandsFor(const AroundMark& around, const std::string& of, int& shown) const;
    bool StartsTerm(int glyph) const;
    bool IsSignStroke(const Item& item) const;

    // Room around text (ink_room.cpp): what is wrong between two inks that
    // do not touch, or "" when they leave room enough.
    std::string Crowding(const Item& a, const Item& b) const;
    // Between two texts, and between a text and other ink.
    std::string TextBesideText(const Item& a, const Item& b) const;
    std::string TextNearInk(const Item& text, const Item& other) const;
    bool OneRow(int pieceA, int pieceB) const;
    // Texts of one line band that read as one line although they belong
    // to different columns, or to different labels of a figure.
    std::string BesideColumn(const Item& a, const Item& b, double beside) const;
    // Whether a line or frame stands between two inks all along the
    // height they share (or across the height between them).
    bool Parted(const Rect& a, const Rect& b) const;
    // Whether a text before a brace is the label of the system it embraces.
    bool Labels(int piece, int brace) const;
    bool Own(const Item& text, const Item& other) const;

    platform::FontBook& fonts_;
    std::vector<Item> items_;
    std::vector<Plate> plates_;
    std::vector<Piece> pieces_{Piece{}};  // piece 0: none
    int depth_ = 0, openPiece_ = 0, currentPiece_ = 0;
    std::vector<Figure> figures_{Figure{}};  // figure 0: none
    int figureDepth_ = 0, openFigure_ = 0;
    int lastDot_ = -1;  // the dot drawn by the last call, if it drew one
    size_t looked_ = 0;  // items before this one were compared at a look
    // Item pairs found touching (""), or too close and how.
    std::map<std::pair<int, int>, std::string> near_;
};

}  // namespace layout
