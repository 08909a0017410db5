#include "platform/headless_platform.h"

#include <cstdio>
#include <filesystem>

#include "platform/basic.h"

namespace platform {

namespace {

// A program waiting for a key polls again and again; once the script is
// used up, a few empty polls in a row mean it is waiting for a key that
// will never come, and the run ends as if the window were closed. (One
// empty poll is not a wait: discarding the keyboard buffer polls until
// the first empty answer.)
constexpr int kEmptyPollsAtWait = 3;

}  // namespace

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options) : options_(std::move(options)) {
    AddKeys(options_.keys);
    if (options_.render) {
        fonts_ = std::make_unique<FontBook>();
        canvas_ = std::make_unique<Canvas>(*fonts_, options_.width, options_.height);
    }
}

void HeadlessPlatform::AddKeys(const std::string& keys) {
    // A key is one character; multi-byte UTF-8 stays whole.
    for (std::string& key : basic::Chars(keys)) script_.push_back(std::move(key));
}

std::string HeadlessPlatform::Inkey() {
    if (!queue_.empty()) {
        std::string key = queue_.front();
        queue_.pop_front();
        emptyPolls_ = 0;
        ++keysTaken_;
        if (options_.keepRecord) log_.push_back("key " + Quote(key));
        return key;
    }
    if (!script_.empty()) {
        // The program is waiting: this is the moment the pupil presses the
        // next key of the script; the next poll finds it.
        if (!options_.shotsDir.empty() && canvas_) {
            char name[32];
            std::snprintf(name, sizeof name, "%04d.png", ++shots_);
            std::filesystem::create_directories(options_.shotsDir);
            canvas_->WritePng((std::filesystem::path(options_.shotsDir) / name).string());
        }
        queue_.push_back(script_.front());
        script_.pop_front();
        return "";
    }
    if (++emptyPolls_ >= kEmptyPollsAtWait) throw WindowClosed();
    return "";
}

void HeadlessPlatform::IdleUntilClosed() { throw WindowClosed(); }

void HeadlessPlatform::End() {
    ended_ = true;
    log_.push_back("end");
}

void HeadlessPlatform::NoteError(int line, int code) {
    CanvasPlatform::NoteError(line, code);
    log_.push_back("error " + std::to_string(line) + " " + std::to_string(code));
}

void HeadlessPlatform::MaximizeWindow() {
    if (options_.keepRecord) log_.push_back("maximize");
}

void HeadlessPlatform::SetMapMode(int mode) {
    CanvasPlatform::SetMapMode(mode);
    if (options_.keepRecord) log_.push_back("mapmode " + std::to_string(mode));
}

void HeadlessPlatform::ClearRecord() {
    log_.clear();
    calls_.clear();
}

bool HeadlessPlatform::WritePng(const std::string& path) { return canvas_ && canvas_->WritePng(path); }

void HeadlessPlatform::Emit(const DrawCall& call) {
    CanvasPlatform::Emit(call);
    if (!options_.keepRecord) return;
    calls_.push_back(call);
    log_.push_back(FormatCall(call));
}

}  // namespace platform
