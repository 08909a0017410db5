// One recorded drawing call, with the font and pen state it was made in.
// The display list keeps them for repainting; the headless backend writes
// them as its log.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

enum class DrawKind { Line, Box, Circle, Poly, Text, Cls };

struct DrawCall {
    DrawKind kind = DrawKind::Line;
    std::vector<Point> points;  // Line, Box: two absolute corners; Circle: centre; Poly: all
    int colour = 0;             // line, outline, text or circle border colour
    int fill = kNoFill;         // Box: interior; Circle: interior when filled
    int width = 1;              // pen width in force
    float radius = 0, start = 0, end = 0;
    bool filled = false;
    // Text
    std::string text;
    std::string face;
    int size = 16;
    int magX = 1, magY = 1;
    bool bold = false, italic = false;
    // A digit drawn by itself: which of its number's digits it is, as the
    // program said; how close they stand is the face's matter.
    NumberPlace number;
};

// A box that covers the whole view, or a Cls, makes everything before it
// invisible: such a call starts the list afresh.
bool CoversView(const DrawCall& call);

// A full circle drawn as one solid disc, out to its border's outer edge:
// filled in its own colour, or so small that its border covers its centre.
bool IsSolidDisc(const DrawCall& call);

// The display list: what is needed to paint the view again. Calls that a
// later opaque box or an identical solid disc paints over entirely are
// dropped, so waiting at a blinking cursor does not make it grow.
class DisplayList {
public:
    void Add(const DrawCall& call);
    const std::vector<DrawCall>& Calls() const { return calls_; }

private:
    std::vector<DrawCall> calls_;
};

// Shortest decimal form of a coordinate ("12", "12.5", "-0.25").
std::string FormatNumber(float value);
// A text in double quotes with \, " and control characters escaped.
std::string Quote(const std::string& text);
// The log line of a call (see docs/LOG-FORMAT.md).
std::string FormatCall(const DrawCall& call);

}  // namespace platform
