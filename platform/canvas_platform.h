// What both backends share: the pen and font state, the display list and
// (when there is one) the canvas that every drawing call reaches.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/draw_call.h"
#include "platform/platform.h"

namespace platform {

class CanvasPlatform : public Platform {
public:
    CanvasPlatform() = default;
    CanvasPlatform(const CanvasPlatform&) = delete;
    CanvasPlatform& operator=(const CanvasPlatform&) = delete;

    void Line(Point a, Point b, int colour, Corner corner) override;
    void Box(Point a, Point b, int outline, int fill, Corner corner) override;
    void Circle(Point centre, float radius, int colour, float start, float end, bool filled, int fill) override;
    void Polyline(int colour, std::span<const Point> points) override;
    void Symbol(Point at, const std::string& text, int magX, int magY, int colour, NumberPlace number = {}) override;
    void Cls() override;

    void SetFontName(const std::string& name) override { fontName_ = name; }
    void SetFontSize(int size) override;
    void SetFontBold(bool on) override { bold_ = on; }
    void SetFontItalic(bool on) override { italic_ = on; }
    Font GetFont() const override { return {fontName_, fontSize_, bold_, italic_}; }
    void SetDrawWidth(int width) override;
    int GetDrawWidth() const override { return width_; }
    void SetMapMode(int mode) override;
    void NoteError(int line, int code) override;

    const DisplayList& Display() const { return display_; }
    // Whether the error screen was shown, and what it showed; the program
    // then ends with a failure.
    bool ErrorShown() const { return errorShown_; }
    int ErrorLine() const { return errorLine_; }
    int ErrorCode() const { return errorCode_; }

protected:
    // Every drawing call ends here; the default tells the observers, keeps
    // it in the display list (when the platform draws at all) and renders
    // it on the canvas, if there is one yet.
    virtual void Emit(const DrawCall& call);

    std::unique_ptr<FontBook> fonts_;
    std::unique_ptr<Canvas> canvas_;
    DisplayList display_;

private:
    DrawCall Start(DrawKind kind, int colour);
    std::string fontName_ = "ゴシック";
    int fontSize_ = 16;
    bool bold_ = false, italic_ = false;
    int width_ = 1;
    bool errorShown_ = false;
    int errorLine_ = 0, errorCode_ = 0;
};

}  // namespace platform
