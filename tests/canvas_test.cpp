// A canvas that cannot be made says how large it was to be and why; it
// never hands out a surface without pixels.
#include "platform/canvas.h"

namespace {

TEST(Canvas, ASizeBeyondWhatCanBeMadeIsRefusedWithItsReason) {
    platform::FontBook fonts;
    try {
        platform::Canvas canvas(fonts, 40000, 30000);
        ADD_FAILURE() << "a 40000x30000 canvas was made";
    } catch (const platform::CanvasFailure& failure) {
        // The reason is cairo's own words for a size it cannot hold.
        const std::string reason = cairo_status_to_string(CAIRO_STATUS_INVALID_SIZE);
        EXPECT_EQ(failure.what(), "cannot make a 40000x30000 canvas: " + reason);
    }
}

}  // namespace
