// The written column sums on a screen, read back from what is drawn: a
// sum is a lone ")" (after its operator) with a rule that starts under it.
// Its upper row, its lower row and the result row standing on the rule
// must have their first "=" on one column, so that like terms stand under
// each other; a sum that does not is reported.
#pragma once

#include <string>
#include <vector>

#include "platform/draw_call.h"
#include "tools/ink_scene.h"

namespace layout {

// It follows a platform as one of its observers, or is fed by hand.
class ColumnSums : public platform::DrawingObserver {
public:
    void BeginTextPiece(const std::string& source, platform::Point at, platform::PieceKind) override {
        BeginPiece(source, at);
    }
    void EndTextPiece(platform::Point) override { EndPiece(); }
    void Drawn(const platform::DrawCall& call) override { Add(call); }

    // The calls between these draw one piece of text.
    void BeginPiece(const std::string& source, platform::Point at);
    void EndPiece();
    void Add(const platform::DrawCall& call);

    // The sums on the screen as it stands whose rows' "=" stand apart.
    std::vector<Finding> Look() const;
    // Adds the sums read so far (each once its rule is drawn), the
    // runtime's and the solver's apart.
    void CountRead(ReadCounts& counts) const;

private:
    // An "=" on the screen and the text it is part of.
    struct Equals {
        double x = 0, y = 0;
        std::string text;
        bool alive = true;
    };
    // A sum's ")" and, once drawn, its rule. DrawColumnSum writes the lower
    // row after the ")", the solver both rows before it, term by term.
    struct Sum {
        double x = 0, y = 0;
        bool bySolver = false;
        bool ruled = false;
        double ruleY = 0, ruleEnd = 0;
        bool alive = true;
    };

    void Erase(const platform::DrawCall& box);
    const Equals* FirstEquals(double y, double from, double to) const;

    std::vector<Equals> equals_;
    std::vector<Sum> sums_;
    int runtimeSums_ = 0, solverSums_ = 0;
    int depth_ = 0;
    std::string piece_;  // the source of the outermost open piece
};

}  // namespace layout
